#!/usr/bin/env bash
# Runs one golden case and compares every channel byte for byte.
#
# usage: run_case.sh QERIX_BINARY CASE_DIR
#
# A case folder holds:
#   input.txt             the input file (optional: some cases have none)
#   expected_output.txt   the output file; when absent, no output file may appear
#   expected_stdout.txt   standard output (absent: empty)
#   expected_stderr.txt   standard error (absent: empty)
#   expected_status       the exit status (absent: 0)
#   args                  the arguments, one per line (absent: input.txt and output.txt)
#   setup.sh              run in the work folder before qerix (links, folders, ...)
# The run happens in a fresh work folder holding a copy of input.txt, which must
# come out of the run unchanged.
set -u

binary=$(realpath "$1")
case_dir=$(realpath "$2")
name=$(basename "$case_dir")
work=$(mktemp -d)
trap 'chmod -R u+rwx "$work" 2>/dev/null; rm -rf "$work"' EXIT

if [ -f "$case_dir/input.txt" ]; then
  cp "$case_dir/input.txt" "$work/input.txt"
fi
if [ -f "$case_dir/setup.sh" ]; then
  (cd "$work" && bash "$case_dir/setup.sh") || { echo "$name: setup.sh failed"; exit 1; }
fi

args=(input.txt output.txt)
if [ -f "$case_dir/args" ]; then
  mapfile -t args < "$case_dir/args"
fi

(cd "$work" && "$binary" "${args[@]}" >"$work/.stdout" 2>"$work/.stderr" </dev/null)
status=$?

failed=0
compare() {  # compare LABEL EXPECTED_FILE ACTUAL_FILE
  if ! cmp -s "$2" "$3"; then
    echo "--- $name: $1 differs (expected, actual):"
    diff -u --label expected --label actual "$2" "$3" | head -n 60 | cat -A | cut -c1-200
    failed=1
  fi
}

expected_status=0
[ -f "$case_dir/expected_status" ] && expected_status=$(tr -d '[:space:]' < "$case_dir/expected_status")
if [ "$status" != "$expected_status" ]; then
  echo "--- $name: exit status $status, expected $expected_status"
  failed=1
fi

empty=$(mktemp)
trap 'chmod -R u+rwx "$work" 2>/dev/null; rm -rf "$work" "$empty"' EXIT
expected_stdout="$empty"; [ -f "$case_dir/expected_stdout.txt" ] && expected_stdout="$case_dir/expected_stdout.txt"
expected_stderr="$empty"; [ -f "$case_dir/expected_stderr.txt" ] && expected_stderr="$case_dir/expected_stderr.txt"
compare "standard output" "$expected_stdout" "$work/.stdout"
compare "standard error" "$expected_stderr" "$work/.stderr"

if [ -f "$case_dir/expected_output.txt" ]; then
  if [ -f "$work/output.txt" ]; then
    compare "output file" "$case_dir/expected_output.txt" "$work/output.txt"
  else
    echo "--- $name: no output file was written"
    failed=1
  fi
elif [ -e "$work/output.txt" ] && [ ! -L "$work/output.txt" ]; then
  echo "--- $name: an output file was written, none expected"
  failed=1
fi

if [ -f "$case_dir/input.txt" ] && [ -f "$work/input.txt" ]; then
  compare "input file (must stay unchanged)" "$case_dir/input.txt" "$work/input.txt"
fi

[ "$failed" = 0 ] && echo "$name: ok"
exit "$failed"
