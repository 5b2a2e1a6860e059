#!/usr/bin/env bash
# Builds the fuzz targets with clang (libFuzzer, ASan, UBSan) into build/fuzz
# and runs each for SECONDS (default 60), then prints the executions and the
# coverage of each. Exits 1 when a target found something; the input that
# made it fail is kept in fuzz/artifacts/.
#
# usage: fuzz/run.sh [SECONDS]
#   FUZZ_BUILD_JOBS  parallel build jobs (default: the number of cores)
#   FUZZ_TARGETS     the targets to run (default: all three)
#
# Seeds come from the golden cases: whole input files for run_fuzzer, their
# query lines for expression_fuzzer, the select conditions in those for
# condition_fuzzer. What a target finds on top is kept in fuzz/corpus-<target>
# (not in git) and reused by the next run.
set -euo pipefail

seconds=${1:-60}
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build/fuzz
jobs=${FUZZ_BUILD_JOBS:-$(nproc)}
targets=(${FUZZ_TARGETS:-run_fuzzer expression_fuzzer condition_fuzzer})

cmake -S "$root" -B "$build" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=Debug \
  -DCMAKE_CXX_FLAGS_DEBUG="-g -O1" -DQERIX_BUILD_FUZZERS=ON -DQERIX_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" -j "$jobs" --target "${targets[@]}"

# The query of each file named (its first non-empty lines up to an empty one,
# a program's statements included), without carriage returns, into
# DIR/query-N.
write_queries() {  # write_queries DIR FILE...
  awk -v dir="$1" 'FNR == 1 { if (file != "") close(file); file = ""; done = 0 }
    !done { sub(/\r$/, "") }
    !done && length($0) == 0 && file != "" { close(file); file = ""; done = 1 }
    !done && length($0) > 0 {
      if (file == "") { file = dir "/query-" ++count; printf "%s", $0 > file } else printf "\n%s", $0 > file
    }' "${@:2}"
}

# The condition of every select( in the queries of DIR/query-*, into
# DIR2/condition-N: the text after the first comma outside parentheses, up to
# the ")" that closes the select.
write_conditions() {  # write_conditions QUERY_DIR CONDITION_DIR
  for query in "$1"/query-*; do
    { cat "$query"; echo; } | awk -v dir="$2" -v name="$(basename "$query")" '{
      text = $0; n = 0
      for (at = index(text, "select("); at > 0; ) {
        depth = 0; comma = 0
        for (i = at + 7; i <= length(text); i++) {
          c = substr(text, i, 1)
          if (c == "(") depth++
          else if (c == ")") { if (depth == 0) break; depth-- }
          else if (c == "," && depth == 0 && comma == 0) comma = i
        }
        if (comma > 0 && i > comma + 1) {
          file = dir "/condition-" name "-" ++n
          printf "%s", substr(text, comma + 1, i - comma - 1) > file
          close(file)
        }
        next_at = index(substr(text, at + 1), "select(")
        at = next_at > 0 ? at + next_at : 0
      }
    }'
  done
}

# Names each seed by its content, which also drops duplicates.
name_by_content() {  # name_by_content DIR
  local file
  for file in "$1"/*; do
    [ -s "$file" ] || { rm -f "$file"; continue; }
    mv -f "$file" "$1/$(sha1sum <"$file" | cut -c1-40)" 2>/dev/null || true
  done
}

seeds=$build/seeds
rm -rf "$seeds"
mkdir -p "$seeds/run_fuzzer" "$seeds/expression_fuzzer" "$seeds/condition_fuzzer" "$root/fuzz/artifacts"
count=0
for input in "$root"/tests/cases/*/input.txt; do
  cp "$input" "$seeds/run_fuzzer/input-$((count += 1))"
done
write_queries "$seeds/expression_fuzzer" "$root"/tests/cases/*/input.txt
write_conditions "$seeds/expression_fuzzer" "$seeds/condition_fuzzer"
for target in run_fuzzer expression_fuzzer condition_fuzzer; do name_by_content "$seeds/$target"; done

# Whole files need room for a few relations; the parsers need room for more
# than 1000 nested levels, so that the nesting limit is within reach.
max_len() {
  case "$1" in
    run_fuzzer) echo 4096 ;;
    *) echo 16384 ;;
  esac
}

failed=()
summary=()
for target in "${targets[@]}"; do
  corpus=$root/fuzz/corpus-${target%_fuzzer}
  mkdir -p "$corpus"
  log=$build/$target.log
  echo "== $target: $seconds s"
  status=0
  (cd "$build" && "$build/fuzz/$target" -max_total_time="$seconds" -max_len="$(max_len "$target")" -timeout=10 \
    -rss_limit_mb=4096 -dict="$root/fuzz/qerix.dict" -artifact_prefix="$root/fuzz/artifacts/$target-" \
    -print_final_stats=1 "$corpus" "$seeds/$target") >"$log" 2>&1 || status=$?
  executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
  coverage=$(grep -aoE 'cov: [0-9]+ ft: [0-9]+ corp: [0-9]+/[^ ]+' "$log" | tail -n 1 || true)
  summary+=("$target: ${executions:-?} executions, ${coverage:-no coverage line}")
  if [ "$status" != 0 ]; then
    failed+=("$target")
    echo "$target failed (status $status); the end of its log ($log):"
    tail -n 40 "$log"
  fi
done

echo "== fuzzing summary ($seconds s each)"
printf '%s\n' "${summary[@]}"
[ "${#failed[@]}" -gt 0 ] && echo "findings in: ${failed[*]} (inputs in fuzz/artifacts/)"
echo "fuzz: $((${#targets[@]} - ${#failed[@]})) passed, ${#failed[@]} failed"
[ "${#failed[@]}" = 0 ]
