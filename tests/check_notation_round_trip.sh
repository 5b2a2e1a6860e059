#!/usr/bin/env bash
# For every golden case run with -x: the query written in the prefix notation
# and in the textbook notation (qerix-tree --as) reads into the same tree and
# gives the same result, messages and exit status as the prefix text. Cases
# whose query is refused, or whose query the textbook notation cannot hold
# (qerix-tree says so), are skipped.
#
# usage: check_notation_round_trip.sh QERIX QERIX_TREE CASE_DIR...
set -u

qerix=$(realpath "$1")
tree=$(realpath "$2")
shift 2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

failed=0
checked=0
skipped=0
# The textbook notation's checks of names against the data.
refused_names='nincs ilyen relacio|nincs ilyen attributum|tobb attributum neve is ez'
for case_dir in "$@"; do
  name=$(basename "$case_dir")
  [ -f "$case_dir/args" ] && [ -f "$case_dir/input.txt" ] || continue
  # Runs of qerix -x input.txt output.txt (not the usage errors).
  [ "$(cat "$case_dir/args")" = $'-x\ninput.txt\noutput.txt' ] || continue
  [[ $name == tree-* || $name == check-* ]] && continue
  # A textbook query refused for a name the data lacks stands for no prefix
  # query (the prefix notation gives no result there instead).
  if [ -f "$case_dir/expected_stderr.txt" ] && grep -qE "$refused_names" "$case_dir/expected_stderr.txt"; then
    skipped=$((skipped + 1))
    continue
  fi
  input="$case_dir/input.txt"
  "$tree" --as prefix "$input" > "$work/prefix" 2> /dev/null
  status=$?
  # A refusal skips the case; a crash must not pass for one.
  [ "$status" -lt 128 ] || { echo "--- $name: --as prefix ended with status $status"; failed=1; }
  if [ "$status" != 0 ]; then
    skipped=$((skipped + 1))
    continue
  fi
  if ! "$tree" --as textbook "$input" > "$work/textbook" 2> "$work/refusal"; then
    grep -q '^A lekerdezes nem irhato le a tankonyvi jelolessel' "$work/refusal" ||
      { echo "--- $name: --as textbook failed: $(cat "$work/refusal")"; failed=1; }
    skipped=$((skipped + 1))
    continue
  fi
  # The relations: what follows the query (a program's lines as qerix reads them).
  awk '
    function isAssignment(text) { return text ~ /^[ \t]*[A-Za-z_][A-Za-z0-9_]*[ \t]*(<-|:=|←|\\leftarrow)/ }
    function continues(line,    parts, count) {
      if (line ~ /;[ \t]*$/) return 1
      count = split(line, parts, ";")
      return isAssignment(parts[count])
    }
    state == 0 && $0 == "" { next }
    state == 0 { state = isAssignment($0) ? 1 : 2; more = state == 1 && continues($0); next }
    state == 1 && more && $0 != "" { more = continues($0); next }
    { state = 2; print }
  ' "$input" > "$work/relations"
  for notation in prefix textbook; do
    { cat "$work/$notation"; echo; cat "$work/relations"; } > "$work/$notation.txt"
    (cd "$work" && "$qerix" -x "$notation.txt" out.txt > "$notation.stdout" 2> "$notation.stderr"; echo $? > "$notation.status")
    "$tree" -x "$work/$notation.txt" > "$work/$notation.tree" 2>&1
  done
  if grep -qE "$refused_names" "$work/textbook.stderr"; then
    skipped=$((skipped + 1))
    continue
  fi
  # The prefix text the printer wrote gives what the case itself gives.
  expected="$case_dir/expected_stdout.txt"
  [ -f "$expected" ] || expected=/dev/null
  if ! cmp -s "$expected" "$work/prefix.stdout"; then
    echo "--- $name: the prefix text gives another result than the case:"
    cat "$work/prefix"
    diff "$expected" "$work/prefix.stdout" | head -20
    failed=1
  fi
  for channel in stdout stderr status tree; do
    if ! cmp -s "$work/prefix.$channel" "$work/textbook.$channel"; then
      echo "--- $name: $channel differs between the prefix and the textbook text:"
      cat "$work/prefix" "$work/textbook"
      diff "$work/prefix.$channel" "$work/textbook.$channel" | head -20
      failed=1
    fi
  done
  checked=$((checked + 1))
done
echo "$checked cases round-tripped, $skipped skipped"
[ "$checked" -gt 0 ] || { echo "--- no case was checked"; failed=1; }
exit "$failed"
