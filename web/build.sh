#!/usr/bin/env bash
# Builds the page into build/web/index.html: the engine and the programs
# with Debian's emscripten (into build/web-engine), the front end with esbuild
# from web/node_modules. scripts/dependencies.sh web installs what it needs;
# here a missing tool only stops the build with a message.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
missing=()
command -v emcc >/dev/null || missing+=("emcc (Debian package emscripten)")
command -v node >/dev/null || missing+=("node")
command -v npm >/dev/null || missing+=("npm")
if [ "${#missing[@]}" -gt 0 ]; then
  echo "the page is not built: missing ${missing[*]} (scripts/dependencies.sh web installs them)" >&2
  exit 1
fi
# Debian's emscripten finds its acorn through NODE_PATH.
export NODE_PATH=${NODE_PATH:-/usr/share/nodejs}
jobs=${JOBS:-$(nproc)}
engine="$root/build/web-engine"
if [ ! -f "$engine/CMakeCache.txt" ]; then
  emcmake cmake -S "$root" -B "$engine" -DCMAKE_BUILD_TYPE=MinSizeRel -DQERIX_BUILD_TESTS=OFF >/dev/null
fi
emmake make -C "$engine" -j "$jobs" qerix qerix-tree qerix-check qerix-engine >/dev/null
bash "$root/scripts/dependencies.sh" web
node "$root/web/build.mjs" "$engine/web/qerix-engine.js" "$root/build/web/index.html"

# The programs under node, for the tests that run them as the native ones.
mkdir -p "$root/build/web/node"
for program in qerix qerix-tree qerix-check; do
  cat > "$root/build/web/node/$program" <<SCRIPT
#!/usr/bin/env bash
exec node --no-experimental-fetch "$engine/src/$program.js" "\$@"
SCRIPT
  chmod +x "$root/build/web/node/$program"
done
