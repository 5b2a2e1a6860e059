#!/usr/bin/env bash
# Runs every golden case under valgrind memcheck. A case fails when any
# channel differs from what it expects (as with run_case.sh) or when memcheck
# reports an error or a leak: the program then ends with status 99, and
# memcheck's report is shown. The tree-* cases run qerix-tree, taken from the
# folder that holds qerix.
#
# usage: tests/valgrind.sh QERIX_BINARY [CASE_NAME...]
#   With case names, only those cases run.
set -u

if [ $# -lt 1 ]; then
  echo "usage: $0 QERIX_BINARY [CASE_NAME...]" >&2
  exit 2
fi
command -v valgrind >/dev/null || { echo "valgrind is not installed" >&2; exit 2; }

binary=$(realpath "$1")
shift
tests=$(cd "$(dirname "$0")" && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

# run_case.sh takes a binary: a wrapper runs the program under memcheck, with
# the report in a file of its own so that standard error stays comparable.
wrap() {  # wrap NAME PROGRAM
  cat >"$scratch/$1" <<EOF
#!/usr/bin/env bash
exec valgrind --quiet --error-exitcode=99 --leak-check=full --track-origins=yes \\
  --log-file="$scratch/memcheck.%p.log" "$2" "\$@"
EOF
  chmod +x "$scratch/$1"
}
wrap qerix "$binary"
wrap qerix-tree "$(dirname "$binary")/qerix-tree"

if [ $# -gt 0 ]; then
  cases=()
  for name in "$@"; do cases+=("$tests/cases/$name"); done
else
  cases=("$tests"/cases/*/)
fi

passed=0
failed=0
failures=()
for case_dir in "${cases[@]}"; do
  name=$(basename "$case_dir")
  program=qerix
  [[ $name == tree-* ]] && program=qerix-tree
  rm -f "$scratch"/memcheck.*.log
  output=$(bash "$tests/run_case.sh" "$scratch/$program" "$case_dir" 2>&1)
  status=$?
  report=$(cat "$scratch"/memcheck.*.log 2>/dev/null)
  if [ "$status" = 0 ] && [ -z "$report" ]; then
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
    failures+=("$name")
    echo "$output"
    [ -n "$report" ] && printf '%s: memcheck reported:\n%s\n' "$name" "$report"
  fi
done

[ "$failed" -gt 0 ] && printf 'failed: %s\n' "${failures[*]}"
echo "valgrind: $passed passed, $failed failed"
[ "$failed" = 0 ]
