#!/usr/bin/env bash
# Times the benchmark queries: median wall time of several runs and peak
# resident memory for qerix, the time of copying the input file (the floor)
# and, where sqlite3 is installed, the same query in sqlite3's shell.
#
# usage: run.sh QERIX_BINARY [SIZES...]   (default sizes: 10000 100000 1000000 3000000)
# RUNS=N sets the runs per measurement (default 5).
set -euo pipefail
qerix=$(realpath "$1")
shift
sizes=("$@")
[ "${#sizes[@]}" -gt 0 ] || sizes=(10000 100000 1000000 3000000)
runs=${RUNS:-5}
here=$(cd "$(dirname "$0")" && pwd)
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

# Median of the numbers on standard input.
median() { sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

# Prints "seconds kilobytes" of one run of the command.
measure() {
  /usr/bin/time -f "%e %M" -o "$data/.time" "$@" >/dev/null 2>&1 || true
  tail -n 1 "$data/.time"
}

printf "%-9s %-3s %9s %9s %9s %9s %7s %7s\n" records query "qerix s" "peak MB" "floor s" "sqlite s" "x floor" "x sqlite"
for size in "${sizes[@]}"; do
  [ -f "$data/$size/relations.txt" ] || python3 "$here/generate.py" "$size" "$data/$size"
  for index in "${!queries[@]}"; do
    input="$data/$size/input.txt"
    { printf '%s\n\n' "${queries[$index]}"; cat "$data/$size/relations.txt"; } > "$input"
    times=(); memory=()
    for _ in $(seq "$runs"); do
      read -r seconds kilobytes < <(measure "$qerix" "$input" "$data/$size/output.txt")
      times+=("$seconds"); memory+=("$kilobytes")
    done
    qerix_time=$(printf '%s\n' "${times[@]}" | median)
    peak=$(printf '%s\n' "${memory[@]}" | sort -n | tail -n 1)
    floors=()
    for _ in $(seq "$runs"); do
      read -r seconds _ < <(measure bash -c "cat '$input' > '$data/$size/output.txt'")
      floors+=("$seconds")
    done
    floor=$(printf '%s\n' "${floors[@]}" | median)
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
    ratio_floor=$(awk -v a="$qerix_time" -v b="$floor" 'BEGIN { if (b > 0) printf "%.1f", a / b; else print "-" }')
    ratio_sqlite=$(awk -v a="$qerix_time" -v b="$sqlite_time" 'BEGIN { if (b + 0 > 0) printf "%.2f", a / b; else print "-" }')
    printf "%-9s Q%-2s %9s %9.1f %9s %9s %7s %7s\n" "$size" "$((index + 1))" "$qerix_time" \
      "$(awk -v k="$peak" 'BEGIN { print k / 1024 }')" "$floor" "$sqlite_time" "$ratio_floor" "$ratio_sqlite"
    rm -f "$input" "$data/$size/output.txt" "$data/$size/sqlite-output.txt"
  done
done
