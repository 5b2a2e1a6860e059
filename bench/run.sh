#!/usr/bin/env bash
# Times the benchmark queries: for qerix and for the baseline binary (built
# from the commit named in bench/baseline, or $BASELINE), the median wall time
# of several runs, interleaved so that both meet the same spells of the
# machine, and the peak resident memory; the time of copying the input file
# (the floor); where sqlite3 is installed, the same query in sqlite3's shell;
# and where node and npm are, the same query in DuckDB (bench/duckdb: its own
# time to load the CSV files, run the query and write the result, with its
# default threads). The ratios against the baseline are what to read: this
# machine's speed drifts by a quarter within an hour.
#
# usage: run.sh QERIX_BINARY [SIZES...]   (default sizes: 10000 100000 1000000 3000000)
#   RUNS=N        runs per measurement (default 5)
#   BASELINE=REF  the git commit to compare with; BASELINE=none skips it
#   QUERIES="1 3" only these queries
#   SKIP_DEEP=1   leave out the deep queries (and SKIP_CHECK=1 the grading)
# Q7 to Q16 use the textbook operators (qerix -x); a baseline without them
# shows "-". Q12 divides a Has whose records are not grouped by id
# (bench/data/N/shuffled/); Q16 joins Emp with a Dept that lacks some
# departments (bench/data/N/partial/).
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
  "join(Emp,Dept)"
  "intersect(Emp,Old)"
  "semijoin(Emp,Old)"
  "antijoin(Emp,Old)"
  "divide(Has,Core)"
  "divide(Has,Core)"
  "project(select(join(Emp,Dept),GT(floor,3)),name,floor)"
  "γ_{dept, COUNT(*), AVG(salary)}(Emp)"
  "τ_{dept, salary DESC}(Emp)"
  "Emp ⟕ Dept"
)
sql=(
  "SELECT * FROM Emp WHERE age > 30 AND dept = 'Sales';"
  "SELECT DISTINCT age, dept FROM Emp ORDER BY dept, age;"
  "SELECT * FROM Emp UNION SELECT * FROM Old;"
  "SELECT * FROM Emp EXCEPT SELECT * FROM Old;"
  "SELECT * FROM Emp JOIN Dept AS D ON Emp.dept = D.dept;"
  "SELECT DISTINCT name FROM Emp WHERE salary < 50000 ORDER BY name;"
  "SELECT * FROM Emp NATURAL JOIN Dept;"
  "SELECT * FROM Emp INTERSECT SELECT * FROM Old;"
  "SELECT * FROM Emp WHERE (id, name, dept, age, salary) IN (SELECT * FROM Old);"
  "SELECT Emp.* FROM Emp LEFT JOIN Old USING (id, name, dept, age, salary) WHERE Old.id IS NULL;"
  "SELECT id FROM Has WHERE skill IN (SELECT skill FROM Core) GROUP BY id HAVING COUNT(DISTINCT skill) = (SELECT COUNT(DISTINCT skill) FROM Core) ORDER BY id;"
  "SELECT id FROM Has WHERE skill IN (SELECT skill FROM Core) GROUP BY id HAVING COUNT(DISTINCT skill) = (SELECT COUNT(DISTINCT skill) FROM Core) ORDER BY id;"
  "SELECT DISTINCT floor, name FROM Emp NATURAL JOIN Dept WHERE floor > 3 ORDER BY name, floor;"
  "SELECT dept, COUNT(*), AVG(salary) FROM Emp GROUP BY dept;"
  "SELECT * FROM Emp ORDER BY dept, salary DESC;"
  "SELECT * FROM Emp NATURAL LEFT JOIN Dept;"
)
# The relations each query runs on (the CSV files for SQL lie beside them), and its options.
inputs=(relations relations relations relations relations relations relations relations relations relations skills
  shuffled/skills relations relations relations partial/relations)
options=("" "" "" "" "" "" -x -x -x -x -x -x -x -x -x -x)
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

# DuckDB, installed from bench/duckdb/package-lock.json on first use.
duckdb=""
if command -v node >/dev/null && command -v npm >/dev/null; then
  if [ -d "$here/duckdb/node_modules/@duckdb/node-api" ] || (cd "$here/duckdb" && npm ci --no-audit --no-fund >/dev/null 2>&1); then
    duckdb="$here/duckdb/run.mjs"
  else
    echo "DuckDB could not be installed (npm ci in bench/duckdb failed): its column shows -" >&2
  fi
fi

# Median of the numbers on standard input.
median() { sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (b + 0 > 0) printf "%.2f", a / b; else print "-" }'; }

# Prints "seconds kilobytes" of one run of the command.
measure() {
  /usr/bin/time -f "%e %M" -o "$data/.time" "$@" >/dev/null 2>&1 || true
  tail -n 1 "$data/.time"
}

printf "%-8s %-3s %8s %8s %6s %8s %8s %6s %7s %8s %7s %8s %7s\n" records query "qerix s" "base s" "x base" \
  "peak MB" "base MB" "x base" "floor s" "sqlite s" "x sqlite" "duckdb s" "x duckdb"
for size in "${sizes[@]}"; do
  [ -f "$data/$size/relations.txt" ] && [ -f "$data/$size/shuffled/skills.txt" ] &&
    [ -f "$data/$size/partial/relations.txt" ] ||
    python3 "$here/generate.py" "$size" "$data/$size"
  for number in "${selected[@]}"; do
    index=$((number - 1))
    input="$data/$size/input.txt"
    tables=$(dirname "$data/$size/${inputs[$index]}.txt")
    { printf '%s\n\n' "${queries[$index]}"; cat "$data/$size/${inputs[$index]}.txt"; } > "$input"
    option=(${options[$index]})
    times=(); memory=(); base_times=(); base_memory=(); floors=()
    # A baseline that does not know the query's form is left out.
    with_baseline=""
    if [ -n "$baseline" ] && printf '%s\n\nEmp(id int)\n\nOld(id int)\n\nDept(id int)\n\nHas(id int)\n\nCore(id int)\n' \
        "${queries[$index]}" > "$data/.probe" && "$baseline" "${option[@]}" "$data/.probe" "$data/.probe-output" >/dev/null 2>&1 &&
        ! grep -q 'Meg ures' <("$baseline" "${option[@]}" "$data/.probe" "$data/.probe-output" 2>/dev/null); then
      with_baseline=yes
    fi
    for _ in $(seq "$runs"); do
      read -r seconds kilobytes < <(measure "$qerix" "${option[@]}" "$input" "$data/$size/output.txt")
      times+=("$seconds"); memory+=("$kilobytes")
      if [ -n "$with_baseline" ]; then
        read -r seconds kilobytes < <(measure "$baseline" "${option[@]}" "$input" "$data/$size/base-output.txt")
        base_times+=("$seconds"); base_memory+=("$kilobytes")
      fi
      read -r seconds _ < <(measure bash -c "cat '$input' > '$data/$size/floor-output.txt'")
      floors+=("$seconds")
    done
    if [ -n "$with_baseline" ] && ! cmp -s "$data/$size/output.txt" "$data/$size/base-output.txt"; then
      echo "Q$number at $size: the output file differs from the baseline's" >&2
    fi
    qerix_time=$(printf '%s\n' "${times[@]}" | median)
    peak=$(printf '%s\n' "${memory[@]}" | sort -n | tail -n 1)
    floor=$(printf '%s\n' "${floors[@]}" | median)
    base_time="-"; base_peak=0
    if [ -n "$with_baseline" ]; then
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
CREATE TABLE Has(id INTEGER, skill TEXT);
CREATE TABLE Core(skill TEXT);
.mode csv
$(for table in Emp Old Dept Has Core; do
  grep -qw "$table" <<< "${sql[$index]}" && echo ".import $tables/$(tr '[:upper:]' '[:lower:]' <<< "$table").csv $table"
done)
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
    duckdb_time="-"
    if [ -n "$duckdb" ]; then
      dtimes=()
      for _ in $(seq "$runs"); do
        dtimes+=("$(node "$duckdb" "$tables" "$data/$size/duckdb-output.txt" "${sql[$index]}" 2>/dev/null || echo -)")
      done
      duckdb_time=$(printf '%s\n' "${dtimes[@]}" | median)
    fi
    printf "%-8s Q%-2s %8s %8s %6s %8.1f %8.1f %6s %7s %8s %7s %8s %7s\n" "$size" "$number" "$qerix_time" \
      "$base_time" "$(ratio "$qerix_time" "$base_time")" "$(awk -v k="$peak" 'BEGIN { print k / 1024 }')" \
      "$(awk -v k="$base_peak" 'BEGIN { print k / 1024 }')" "$(ratio "$peak" "$base_peak")" "$floor" \
      "$sqlite_time" "$(ratio "$qerix_time" "$sqlite_time")" "$duckdb_time" "$(ratio "$qerix_time" "$duckdb_time")"
    rm -f "$input" "$data/$size/"{output,base-output,floor-output,sqlite-output,duckdb-output}.txt
  done
done

# Reading deep queries: a 10 MB query nested 1000 levels, which qerix runs,
# and a 99 MB one nested 11 million levels, which it refuses; in the prefix
# notation and, with -x, in the textbook one. The parsers read a query once,
# so both take about as long as reading the file.
if [ -z "${SKIP_DEEP:-}" ]; then
  deep="$data/deep"
  mkdir -p "$deep"
  [ -f "$deep/prefix-1000.txt" ] || python3 - "$deep" <<'PY'
import sys
place = sys.argv[1]
literal = "x" * (10 * 1024 * 1024)
relation = "\n\nR(a string)\nfoo\n"
def write(name, query):
    with open(f"{place}/{name}.txt", "w", encoding="utf-8") as out:
        out.write(query + relation)
# 998 unions around a select: 999 forms with the condition's own, the limit being 1000.
write("prefix-1000", "union(" * 998 + "select(R,EQ(a," + literal + "))" + ",R)" * 998)
write("textbook-1000", "(" * 998 + "\u03c3_{a='" + literal + "'}(R)" + " \u222a R)" * 998)
write("prefix-11M", "union(" * 11_000_000 + "R" + ",R)" * 11_000_000)
write("textbook-11M", "(" * 11_000_000 + "R" + " \u222a R)" * 11_000_000)
PY
  printf "\n%-14s %8s %8s %6s %8s\n" "deep query" "qerix s" "base s" "x base" "floor s"
  for name in prefix-1000 textbook-1000 prefix-11M textbook-11M; do
    option=(); [[ $name == textbook-* ]] && option=(-x)
    times=(); base_times=(); floors=()
    with_baseline=""
    [ -n "$baseline" ] && [[ $name == prefix-* ]] && with_baseline=yes
    for _ in $(seq "$runs"); do
      read -r seconds _ < <(measure "$qerix" "${option[@]}" "$deep/$name.txt" "$deep/output.txt")
      times+=("$seconds")
      # Once: a binary that reads the query again at every level takes minutes.
      if [ -n "$with_baseline" ] && [ "${#base_times[@]}" -eq 0 ]; then
        read -r seconds _ < <(measure timeout 300 "$baseline" "$deep/$name.txt" "$deep/base-output.txt")
        base_times+=("$seconds")
      fi
      read -r seconds _ < <(measure bash -c "cat '$deep/$name.txt' > '$deep/floor-output.txt'")
      floors+=("$seconds")
    done
    base_time="-"
    [ -n "$with_baseline" ] && base_time=$(printf '%s\n' "${base_times[@]}" | median)
    qerix_time=$(printf '%s\n' "${times[@]}" | median)
    printf "%-14s %8s %8s %6s %8s\n" "$name" "$qerix_time" "$base_time" "$(ratio "$qerix_time" "$base_time")" \
      "$(printf '%s\n' "${floors[@]}" | median)"
  done
  rm -f "$deep/"{output,base-output,floor-output}.txt
fi

# Grading: a hundred answers against a model answer over 10^4 records, with
# qerix-check from the same build.
checker="$(dirname "$qerix")/qerix-check"
if [ -x "$checker" ] && [ -z "${SKIP_CHECK:-}" ]; then
  size=10000
  [ -f "$data/$size/relations.txt" ] || python3 "$here/generate.py" "$size" "$data/$size"
  answers="$data/$size/answers"
  rm -rf "$answers" && mkdir -p "$answers"
  { printf 'project(select(Emp,AND(GT(age,30),EQ(dept,Sales))),name)\n\n'; cat "$data/$size/relations.txt"; } > "$answers/model.txt"
  variants=(
    "project(select(Emp,AND(GT(age,30),EQ(dept,Sales))),name)"
    "project(select(Emp,AND(GTE(age,31),EQ(dept,Sales))),name)"
    "project(select(select(Emp,GT(age,30)),EQ(dept,Sales)),name)"
    "project(select(Emp,GT(age,30)),name)"
    "project(select(Emp,AND(GT(age,30),EQ(dept,IT))),name)"
    "select(Emp,AND(GT(age,30),EQ(dept,Sales)))"
    "project(minus(select(Emp,EQ(dept,Sales)),select(Emp,LTE(age,30))),name)"
    "project(select(product(Emp,rename(Dept,D(d,floor))),AND(EQ(dept,d),AND(GT(age,30),EQ(d,Sales)))),name)"
    "project(select(Emp,AND(GT(age,30),EQ(dept,sales))),name)"
    "project(select(Emps,GT(age,30)),name)"
  )
  for number in $(seq 100); do
    echo "${variants[$((number % ${#variants[@]}))]}" > "$answers/answer-$number.txt"
  done
  read -r seconds kilobytes < <(measure "$checker" "$answers/model.txt" "$answers"/answer-*.txt)
  printf "\nqerix-check: 100 answers over %s records: %s s, peak %.1f MB\n" "$size" "$seconds" \
    "$(awk -v k="$kilobytes" 'BEGIN { print k / 1024 }')"
  rm -rf "$answers"
  # A whole class with answers that run away, graded within the limits on both cores.
  bash "$here/grading.sh" "$checker"
fi
