#!/usr/bin/env bash
# Draws the DOT form of each input file's query tree with Graphviz and fails
# when dot rejects or warns about it, or draws a box too few or too many.
#
# usage: render_dot.sh QERIX_TREE_BINARY INPUT_FILE...
#
# Fails when Graphviz is missing (scripts/dependencies.sh test installs it).
set -u

tree=$(realpath "$1")
shift
if ! command -v dot > /dev/null; then
  echo "Graphviz (dot) is not installed (scripts/dependencies.sh test installs it)"
  exit 1
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

failed=0
for input in "$@"; do
  if ! "$tree" --dot "$input" > "$work/tree.dot"; then
    echo "--- $input: qerix-tree --dot failed"
    failed=1
    continue
  fi
  if ! dot -Tsvg "$work/tree.dot" -o "$work/tree.svg" 2> "$work/errors" || [ -s "$work/errors" ]; then
    echo "--- $input: dot rejects or warns about the tree:"
    cat "$work/errors"
    failed=1
    continue
  fi
  nodes=$(grep -c '^  n[0-9]* \[label=' "$work/tree.dot")
  boxes=$(grep -c '<g id="node[0-9]*" class="node">' "$work/tree.svg")
  if [ "$nodes" != "$boxes" ]; then
    echo "--- $input: $nodes nodes in the DOT file, $boxes boxes drawn"
    failed=1
  fi
done
[ "$failed" = 0 ] && echo "$# trees drawn"
exit "$failed"
