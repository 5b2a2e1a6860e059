#!/usr/bin/env bash
# Builds the Debian package of the build with CPack, as `make package` does,
# checks its metadata and file list, unpacks it into a temporary root and
# runs the unpacked programs on the packaged example.
#
# usage: check_package.sh BUILD_DIR SOURCE_DIR VERSION
#
# Fails when dpkg-deb or cpack is missing (scripts/dependencies.sh test).
set -u

build=$(realpath "$1")
source=$(realpath "$2")
version=$3
for tool in dpkg-deb dpkg cpack; do
  if ! command -v "$tool" > /dev/null; then
    echo "$tool is not installed (scripts/dependencies.sh test installs it)"
    exit 1
  fi
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

failed=0
fail() {
  echo "--- package: $1"
  failed=1
}

if ! (cd "$work" && cpack --config "$build/CPackConfig.cmake" -B "$work/out" > cpack.log 2>&1); then
  cat "$work/cpack.log"
  fail "cpack failed"
  exit 1
fi
package=$(ls "$work"/out/*.deb 2> /dev/null | head -n 1)
if [ -z "$package" ]; then
  fail "cpack made no .deb file"
  exit 1
fi

architecture=$(dpkg --print-architecture)
[ "$(basename "$package")" = "qerix_${version}_${architecture}.deb" ] ||
  fail "the file is named $(basename "$package"), not qerix_${version}_${architecture}.deb"
field() { dpkg-deb -f "$package" "$1"; }
[ "$(field Package)" = qerix ] || fail "Package is '$(field Package)'"
[ "$(field Version)" = "$version" ] || fail "Version is '$(field Version)', not $version"
[ "$(field Architecture)" = "$architecture" ] || fail "Architecture is '$(field Architecture)'"
[ "$(field Section)" = education ] || fail "Section is '$(field Section)'"
[ "$(field Priority)" = optional ] || fail "Priority is '$(field Priority)'"
[ -n "$(field Maintainer)" ] || fail "the Maintainer field is empty"
field Depends | grep -q 'libc6' || fail "Depends does not name libc6: '$(field Depends)'"
[ "$(field Description | head -n 1)" = "relational-algebra interpreter for teaching" ] ||
  fail "the Description's first line is '$(field Description | head -n 1)'"
[ "$(field Description | wc -l)" -gt 3 ] || fail "the Description has no long part"

dpkg-deb -c "$package" > "$work/contents"
listed() {  # listed MODE OWNER PATH
  grep -q "^$1 $2 .* \./$3\$" "$work/contents" || fail "the package lacks ./$3 with mode $1 and owner $2"
}
listed -rwxr-xr-x root/root usr/bin/qerix
listed -rwxr-xr-x root/root usr/bin/qerix-tree
listed -rwxr-xr-x root/root usr/bin/qerix-check
listed -rw-r--r-- root/root usr/share/man/man1/qerix.1.gz
listed -rw-r--r-- root/root usr/share/man/man1/qerix-tree.1.gz
listed -rw-r--r-- root/root usr/share/man/man1/qerix-check.1.gz
listed -rw-r--r-- root/root usr/share/doc/qerix/query-language.md
listed -rw-r--r-- root/root usr/share/doc/qerix/grading.md
listed -rw-r--r-- root/root usr/share/doc/qerix/examples/company/input.txt
if grep -v -e ' \./usr/$' -e ' \./$' -e ' \./usr/bin/' -e ' \./usr/share/' "$work/contents" | grep -q .; then
  fail "the package holds files outside /usr/bin and /usr/share:"
  grep -v -e ' \./usr/$' -e ' \./$' -e ' \./usr/bin/' -e ' \./usr/share/' "$work/contents"
fi

root="$work/root"
dpkg-deb -x "$package" "$root"
for page in qerix qerix-tree qerix-check; do
  cmp -s <(zcat "$root/usr/share/man/man1/$page.1.gz") "$source/man/$page.1" ||
    fail "the packaged manual page $page.1 differs from man/$page.1"
done
example="$root/usr/share/doc/qerix/examples/company"
expected=$(ls "$example"/expected/01-*.out | head -n 1)
(cd "$work" && "$root/usr/bin/qerix" "$example/input.txt" output.txt > stdout 2>&1)
cmp -s "$expected" "$work/stdout" || fail "the packaged qerix printed something else for the company example"
(cd "$work" && "$root/usr/bin/qerix-tree" "$example/input.txt" > tree 2>&1)
[ "$(head -n 1 "$work/tree")" = Dummy ] || fail "the packaged qerix-tree printed no tree"
(cd "$work" && "$root/usr/bin/qerix-check" "$example/input.txt" "$example/input.txt" > check 2>&1) ||
  fail "the packaged qerix-check did not find the model answer right"

[ "$failed" = 0 ] && echo "package: $(basename "$package") ok"
exit "$failed"
