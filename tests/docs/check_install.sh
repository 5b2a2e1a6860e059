#!/usr/bin/env bash
# Installs the build into a fresh prefix, as `make install PREFIX=...` does,
# and runs the installed programs on an installed example.
#
# usage: check_install.sh BUILD_DIR SOURCE_DIR
set -u

build=$(realpath "$1")
source=$(realpath "$2")
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

failed=0
fail() {
  echo "--- install: $1"
  failed=1
}

if ! cmake --install "$build" --prefix "$prefix" > "$prefix.log" 2>&1; then
  cat "$prefix.log"
  rm -f "$prefix.log"
  fail "cmake --install failed"
  exit 1
fi
rm -f "$prefix.log"

for file in bin/qerix bin/qerix-tree bin/qerix-check; do
  [ -x "$prefix/$file" ] || fail "$file is not installed as a program"
done
for page in qerix qerix-tree qerix-check; do
  installed=$(ls "$prefix/share/man/man1/$page.1"* 2> /dev/null | head -n 1)
  if [ -z "$installed" ]; then
    fail "the manual page $page.1 is not installed"
  elif ! cmp -s <(zcat -f "$installed") "$source/man/$page.1"; then
    fail "the installed manual page $installed differs from man/$page.1"
  fi
done
[ -f "$prefix/share/doc/qerix/query-language.md" ] || fail "the guide is not installed"
[ -f "$prefix/share/doc/qerix/grading.md" ] || fail "the teachers' guide is not installed"

example="$prefix/share/doc/qerix/examples/company"
expected=$(ls "$example"/expected/01-*.out 2> /dev/null | head -n 1)
if [ -z "$expected" ] || [ ! -f "$example/input.txt" ]; then
  fail "the company example is not installed"
else
  (cd "$prefix" && ./bin/qerix "$example/input.txt" output.txt > stdout 2>&1)
  cmp -s "$expected" "$prefix/stdout" || fail "the installed qerix printed something else for the company example"
  (cd "$prefix" && ./bin/qerix-tree "$example/input.txt" > tree 2>&1) || fail "the installed qerix-tree failed"
  [ "$(head -n 1 "$prefix/tree")" = Dummy ] || fail "the installed qerix-tree printed no tree"
  # The example's first query as its own model answer.
  (cd "$prefix" && ./bin/qerix-check "$example/input.txt" "$example/input.txt" > check 2>&1) ||
    fail "the installed qerix-check did not find the model answer right"
fi

# `man qerix` finds the installed page once the prefix's manual folder is searched.
if command -v man > /dev/null; then
  found=$(man -M "$prefix/share/man" -w qerix 2> /dev/null)
  [ "${found#"$prefix"}" != "$found" ] || fail "man does not find the installed page (found: $found)"
fi

[ "$failed" = 0 ] && echo "install: programs, manual pages, guide and examples ok"
exit "$failed"
