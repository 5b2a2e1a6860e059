#!/usr/bin/env bash
# Shows that qerix-tree warns about nothing in the queries of an example
# set: its warnings are for texts that were most likely meant otherwise, and
# the examples mean what they say.
#
# usage: check_example_warnings.sh QERIX_TREE_BINARY EXAMPLE_SET_DIR
set -u
tree=$(realpath "$1")
set_dir=$(realpath "$2")
name=$(basename "$set_dir")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

failed=0
count=0
for query in "$set_dir"/queries/*.txt; do
  query_name=$(basename "$query" .txt)
  options=()
  [[ $query_name == *.x ]] && options=(-x)
  { cat "$query"; echo; cat "$set_dir/relations.txt"; } > "$work/input.txt"
  warnings=$("$tree" "${options[@]}" "$work/input.txt" 2>&1 | grep '^Figyelmeztetes' || true)
  if [ -n "$warnings" ]; then
    echo "--- $name: $query_name gives warnings:"
    echo "$warnings"
    failed=1
  fi
  count=$((count + 1))
done
[ "$failed" = 0 ] && echo "$name: $count queries without a warning"
exit "$failed"
