#!/usr/bin/env bash
# Runs every query of one example data set and compares what qerix prints
# with the expected output kept beside it.
#
# usage: check_example_set.sh QERIX_BINARY EXAMPLE_SET_DIR
#
# A set holds relations.txt, queries/NN-name.txt (one query line each) and
# expected/NN-name.out (what qerix prints for it). A query named NN-name.x.txt
# uses the textbook operators and runs as qerix -x. The input file of a query
# is the query, an empty line and relations.txt; input.txt is the ready-made
# input file of the first query.
set -u

qerix=$(realpath "$1")
set_dir=$(realpath "$2")
name=$(basename "$set_dir")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

failed=0
fail() {
  echo "--- $name: $1"
  failed=1
}
compare() {  # compare LABEL EXPECTED ACTUAL
  if ! cmp -s "$2" "$3"; then
    fail "$1 differs (expected, actual):"
    diff -u --label expected --label actual "$2" "$3" | head -n 40
  fi
}

[ -f "$set_dir/relations.txt" ] || fail "relations.txt is missing"
shopt -s nullglob
queries=("$set_dir"/queries/*.txt)
[ "${#queries[@]}" -gt 0 ] || fail "no query in queries/"
for expected in "$set_dir"/expected/*.out; do
  query_name=$(basename "$expected" .out)
  [ -f "$set_dir/queries/$query_name.txt" ] || fail "expected/$query_name.out has no query"
done
[ "$failed" = 0 ] || exit 1

: > "$work/empty"
for query in "${queries[@]}"; do
  query_name=$(basename "$query" .txt)
  expected="$set_dir/expected/$query_name.out"
  if [ "$(wc -l < "$query")" != 1 ]; then
    fail "queries/$query_name.txt must hold exactly one line"
    continue
  fi
  if [ ! -f "$expected" ]; then
    fail "queries/$query_name.txt has no expected/$query_name.out"
    continue
  fi
  { cat "$query"; echo; cat "$set_dir/relations.txt"; } > "$work/input.txt"
  rm -f "$work/output.txt"
  options=()
  [[ $query_name == *.x ]] && options=(-x)
  (cd "$work" && "$qerix" "${options[@]}" input.txt output.txt > stdout 2> stderr < /dev/null)
  status=$?
  [ "$status" = 0 ] || fail "$query_name: exit status $status"
  compare "$query_name: standard output" "$expected" "$work/stdout"
  compare "$query_name: standard error" "$work/empty" "$work/stderr"
  # The output file: the input, an empty line, then the result if there is one.
  { cat "$work/input.txt"; echo; grep -qx 'Meg ures az eredmeny[.][.][.]' "$expected" || cat "$expected"; } > "$work/expected_file"
  compare "$query_name: output file" "$work/expected_file" "$work/output.txt"
  if [ "$query" = "${queries[0]}" ]; then
    compare "input.txt (the input file of $query_name)" "$work/input.txt" "$set_dir/input.txt"
  fi
done

[ "$failed" = 0 ] && echo "$name: ${#queries[@]} queries ok"
exit "$failed"
