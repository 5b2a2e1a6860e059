#!/usr/bin/env bash
# Runs every golden case through the WebAssembly build under node, as
# tests/run_case.sh runs it through the native programs, and compares every
# channel with the expected files. The cases that read their input through a
# FIFO are left out: node's file reading gives a FIFO no data, and a page has
# no pipes; so are those that set a time limit, which only a child process
# of the native qerix-check can be stopped at.
#
# usage: golden.sh [CASES_DIR]   (fails when the page's build is missing)
set -u
root=$(cd "$(dirname "$0")/../.." && pwd)
cases=${1:-$root/tests/cases}
node_programs="$root/build/web/node"
if [ ! -x "$node_programs/qerix" ]; then
  echo "the WebAssembly build is missing (make web)"
  exit 1
fi
results=$(mktemp -d)
trap 'rm -rf "$results"' EXIT

run_one() {  # run_one CASE_DIR
  local name program
  name=$(basename "$1")
  program=qerix
  [[ $name == tree-* ]] && program=qerix-tree
  [[ $name == check-* ]] && program=qerix-check
  if [ -f "$1/setup.sh" ] && grep -q mkfifo "$1/setup.sh"; then
    echo "$name: left out (reads a FIFO)" > "$results/$name.skipped"
    return
  fi
  # A page starts no process to stop at a time limit: only the record limit binds there.
  # (set on the command line, or in an assignment file the case writes)
  if { [ -f "$1/args" ] && grep -qx -- --time-limit "$1/args"; } ||
     { [ -f "$1/setup.sh" ] && grep -q '^seconds = ' "$1/setup.sh"; }; then
    echo "$name: left out (a time limit)" > "$results/$name.skipped"
    return
  fi
  if ! bash "$root/tests/run_case.sh" "$node_programs/$program" "$1" > "$results/$name.log" 2>&1; then
    mv "$results/$name.log" "$results/$name.failed"
  fi
}
export -f run_one
export root node_programs results
find "$cases" -mindepth 1 -maxdepth 1 -type d -print0 | xargs -0 -P "${JOBS:-$(nproc)}" -I{} bash -c 'run_one "$1"' _ {}

total=$(find "$cases" -mindepth 1 -maxdepth 1 -type d | wc -l)
failed=$(find "$results" -name '*.failed' | wc -l)
skipped=$(find "$results" -name '*.skipped' | wc -l)
cat "$results"/*.failed 2>/dev/null
cat "$results"/*.skipped 2>/dev/null
echo "web golden cases: $((total - failed - skipped)) passed, $failed failed, $skipped left out, of $total"
[ "$failed" = 0 ]
