#!/usr/bin/env bash
# What qerix's build, tests, fuzzing and benchmarks need, in one list, and
# the one place that installs it. `make test`, `make fuzz`, `.ci/run` and the
# README all go through here.
#
# usage: dependencies.sh [--check] GROUP...
#   GROUP: build  what `make run` needs to build qerix (the C++ toolchain)
#          web    the page: emscripten, node and npm, and its npm packages
#          test   everything `make test` builds and runs: the companion
#                 tools, the unit tests, the manual pages, the Debian
#                 package, the Graphviz trees, the page in Chromium, and
#                 sqlite3 (with python3) to check answers against SQL,
#                 and python3-jsonschema to check the grading platforms'
#                 result files
#          fuzz   clang and its libFuzzer runtime
#          bench  sqlite3, and node and npm for DuckDB's npm package
#   --check  only lists what is missing, one package a line; exits 1 if any
#
# Run as root it installs what is missing with apt-get (and npm ci for the
# page); run as another user it stops at the first missing package with one
# line naming the command that installs them all.
set -euo pipefail
# Only builtins until the list is read: a user may lack the rest.
here=${BASH_SOURCE[0]%/*}
[ "$here" != "${BASH_SOURCE[0]}" ] || here=.
root=$(cd "$here/.." && pwd)

# One line a need: GROUP PACKAGE PROBE [ALSO...], where PROBE is a command
# that must be on the PATH or an absolute path that must exist (wildcards
# allowed), and ALSO names other commands the package brings. A probe rather
# than the package's own status, so that a node with its own npm counts.
needs='
build cmake cmake cpack ctest
build g++ g++
build make make
test libgtest-dev /usr/include/gtest/gtest.h
test nlohmann-json3-dev /usr/include/nlohmann/json.hpp
test libtomlplusplus-dev /usr/include/toml++/toml.h
test groff groff
test man-db man
test dpkg dpkg-deb dpkg
test graphviz dot
web emscripten emcc
web nodejs node
web npm npm
web nlohmann-json3-dev /usr/include/nlohmann/json.hpp
web libtomlplusplus-dev /usr/include/toml++/toml.h
test chromium /usr/bin/chromium
test sqlite3 sqlite3
test python3 python3
test python3-jsonschema /usr/lib/python3/dist-packages/jsonschema
fuzz clang clang++
fuzz libclang-rt-14-dev /usr/lib/llvm-14/lib/clang/*/lib/linux/libclang_rt.fuzzer-*.a
bench sqlite3 sqlite3
bench nodejs node
bench npm npm
'

check_only=0
groups=()
for argument in "$@"; do
  case $argument in
    --check) check_only=1 ;;
    build | web | test | fuzz | bench) groups+=("$argument") ;;
    *) echo "usage: dependencies.sh [--check] build|web|test|fuzz|bench..." >&2; exit 2 ;;
  esac
done
[ "${#groups[@]}" -gt 0 ] || { echo "usage: dependencies.sh [--check] build|web|test|fuzz|bench..." >&2; exit 2; }
# Everything builds qerix, and the tests build the page.
wanted=" build ${groups[*]} "
case $wanted in *" test "*) wanted+="web " ;; esac

present() {  # present PROBE
  case $1 in
    /*) compgen -G "$1" >/dev/null ;;
    *) command -v "$1" >/dev/null ;;
  esac
}

missing=()
while read -r group package probe _; do
  [ -n "$group" ] || continue
  case $wanted in *" $group "*) ;; *) continue ;; esac
  present "$probe" && continue
  case " ${missing[*]-} " in *" $package "*) ;; *) missing+=("$package") ;; esac
done <<<"$needs"

# The npm packages of the page (its editor, its bundler, the browser driver),
# pinned in web/package-lock.json.
npm_folders=()
case $wanted in *" web "*) [ -d "$root/web/node_modules/@codemirror/view" ] || npm_folders+=(web) ;; esac

if [ "$check_only" = 1 ]; then
  printf '%s\n' "${missing[@]}" "${npm_folders[@]/#/npm ci in }" | sed '/^$/d'
  [ "${#missing[@]}" -eq 0 ] && [ "${#npm_folders[@]}" -eq 0 ]
  exit
fi

if [ "${#missing[@]}" -gt 0 ]; then
  if [ "$EUID" != 0 ]; then
    echo "missing ${missing[*]}: install with: sudo apt-get install -y --no-install-recommends ${missing[*]}" >&2
    exit 1
  fi
  echo "installing ${missing[*]}"
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

for folder in "${npm_folders[@]}"; do
  echo "installing the npm packages of $folder/ (npm ci)"
  (cd "$root/$folder" && npm ci --no-audit --no-fund --loglevel=error >/dev/null)
done
