#!/usr/bin/env bash
# Times the benchmark queries: for qerix and for the baseline binary (built
# from the commit named in bench/baseline, or $BASELINE), the median wall time
# of several runs, interleaved so that both meet the same spells of the
# machine, and the peak resident memory; the time of copying the input file
# (the floor); and, where sqlite3 is installed, the same query in sqlite3's
# shell. The ratios against the baseline are what to read: this machine's
# speed drifts by a quarter within an hour.
#
# usage: run.sh QERIX_BINARY [SIZES...]   (default sizes: 10000 100000 1000000 3000000)
#   RUNS=N        runs per measurement (default 5)
#   BASELINE=REF  the git commit to compare with; BASELINE=none skips it
#   QUERIES="1 3" only these queries
set -euo pipefail
qerix=$(realpath "$1")
shift
sizes=("$@")
[ "${#sizes[@]}" -gt 0 ] || sizes=(10000 100000 1000000 3000000)
runs=${RUNS:-5}
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/.." && pwd)
data="$here/data"
mkdir -p "$data"

queries=(
  "select(Emp,AND(GT(age,30),EQ(dept,Sales)))"
  "project(Emp,dept,age)"
  "union(Emp,Old)"
  "minus(Emp,Old)"
  "select(product(Emp,rename(Dept,D(d,floor))),EQ(dept,d))"
  "project(select(Emp,LT(salary,50000)),name)"
)
sql=(
  "SELECT * FROM Emp WHERE age > 30 AND dept = 'Sales';"
  "SELECT DISTINCT age, dept FROM Emp ORDER BY dept, age;"
  "SELECT * FROM Emp UNION SELECT * FROM Old;"
  "SELECT * FROM Emp EXCEPT SELECT * FROM Old;"
  "SELECT * FROM Emp JOIN Dept AS D ON Emp.dept = D.dept;"
  "SELECT DISTINCT name FROM Emp WHERE salary < 50000 ORDER BY name;"
)
selected=(${QUERIES:-$(seq "${#queries[@]}")})

# The baseline binary, built once per commit into build/bench-baseline/.
baseline_ref=${BASELINE:-$(tr -d '[:space:]' < "$here/baseline")}
baseline=""
if [ "$baseline_ref" != none ]; then
  commit=$(git -C "$root" rev-parse --verify "$baseline_ref^{commit}")
  place="$root/build/bench-baseline/$commit"
  if [ ! -x "$place/build/src/qerix" ]; then
    echo "building the baseline qerix of $commit ..." >&2
    rm -rf "$place" && mkdir -p "$place/source"
    git -C "$root" archive "$commit" | tar -x -C "$place/source"
    cmake -S "$place/source" -B "$place/build" -DCMAKE_BUILD_TYPE=Release -DQERIX_BUILD_TESTS=OFF >/dev/null
    cmake --build "$place/build" -j "$(nproc)" --target qerix >/dev/null
  fi
  baseline="$place/build/src/qerix"
fi

# Median of the numbers on standard input.
median() { sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (b + 0 > 0) printf "%.2f", a / b; else print "-" }'; }

# Prints "seconds kilobytes" of one run of the command.
measure() {
  /usr/bin/time -f "%e %M" -o "$data/.time" "$@" >/dev/null 2>&1 || true
  tail -n 1 "$data/.time"
}

printf "%-8s %-3s %8s %8s %6s %8s %8s %6s %7s %8s %7s\n" records query "qerix s" "base s" "x base" \
  "peak MB" "base MB" "x base" "floor s" "sqlite s" "x sqlite"
for size in "${sizes[@]}"; do
  [ -f "$data/$size/relations.txt" ] || python3 "$here/generate.py" "$size" "$data/$size"
  for number in "${selected[@]}"; do
    index=$((number - 1))
    input="$data/$size/input.txt"
    { printf '%s\n\n' "${queries[$index]}"; cat "$data/$size/relations.txt"; } > "$input"
    times=(); memory=(); base_times=(); base_memory=(); floors=()
    for _ in $(seq "$runs"); do
      read -r seconds kilobytes < <(measure "$qerix" "$input" "$data/$size/output.txt")
      times+=("$seconds"); memory+=("$kilobytes")
      if [ -n "$baseline" ]; then
        read -r seconds kilobytes < <(measure "$baseline" "$input" "$data/$size/base-output.txt")
        base_times+=("$seconds"); base_memory+=("$kilobytes")
      fi
      read -r seconds _ < <(measure bash -c "cat '$input' > '$data/$size/floor-output.txt'")
      floors+=("$seconds")
    done
    if [ -n "$baseline" ] && ! cmp -s "$data/$size/output.txt" "$data/$size/base-output.txt"; then
      echo "Q$number at $size: the output file differs from the baseline's" >&2
    fi
    qerix_time=$(printf '%s\n' "${times[@]}" | median)
    peak=$(printf '%s\n' "${memory[@]}" | sort -n | tail -n 1)
    floor=$(printf '%s\n' "${floors[@]}" | median)
    base_time="-"; base_peak=0
    if [ -n "$baseline" ]; then
      base_time=$(printf '%s\n' "${base_times[@]}" | median)
      base_peak=$(printf '%s\n' "${base_memory[@]}" | sort -n | tail -n 1)
    fi
    sqlite_time="-"
    if command -v sqlite3 >/dev/null; then
      script="$data/$size/query.sql"
      cat > "$script" <<SQL
CREATE TABLE Emp(id INTEGER, name TEXT, dept TEXT, age INTEGER, salary INTEGER);
CREATE TABLE Old(id INTEGER, name TEXT, dept TEXT, age INTEGER, salary INTEGER);
CREATE TABLE Dept(dept TEXT, floor INTEGER);
.mode csv
.import $data/$size/emp.csv Emp
.import $data/$size/old.csv Old
.import $data/$size/dept.csv Dept
.output $data/$size/sqlite-output.txt
${sql[$index]}
SQL
      stimes=()
      for _ in $(seq "$runs"); do
        read -r seconds _ < <(measure bash -c "sqlite3 :memory: < '$script'")
        stimes+=("$seconds")
      done
      sqlite_time=$(printf '%s\n' "${stimes[@]}" | median)
    fi
    printf "%-8s Q%-2s %8s %8s %6s %8.1f %8.1f %6s %7s %8s %7s\n" "$size" "$number" "$qerix_time" "$base_time" \
      "$(ratio "$qerix_time" "$base_time")" "$(awk -v k="$peak" 'BEGIN { print k / 1024 }')" \
      "$(awk -v k="$base_peak" 'BEGIN { print k / 1024 }')" "$(ratio "$peak" "$base_peak")" "$floor" \
      "$sqlite_time" "$(ratio "$qerix_time" "$sqlite_time")"
    rm -f "$input" "$data/$size/"{output,base-output,floor-output,sqlite-output}.txt
  done
done
