#!/usr/bin/env bash
# Times the grading of a class: 10 questions over a small schema, 200 answer
# files to each (most right, some wrong, a few that run away: products
# of 1.4 * 10^8 records stopped by the record limit, and on three questions a select over a
# product of 8 * 10^9 pairs stopped by the time limit), each graded by
# qerix-check -x on the model's data set and two more. Prints the wall time of
# the whole class and how many verdicts of each kind it gave; then grades the
# same class as one assignment (qerix-check --assignment: a folder per student,
# the second and third data set hidden, a counterexample searched for every
# wrong answer on the visible one) and prints its wall time and points.
#
# usage: grading.sh QERIX_CHECK_BINARY [WORK_DIR]   (default: a temporary folder)
set -euo pipefail
checker=$(realpath "$1")
work=${2:-}
if [ -z "$work" ]; then
  work=$(mktemp -d)
  trap 'rm -rf "$work"' EXIT
fi
mkdir -p "$work"

# relations SEED: Emp (300), Dept (6) and Proj (40), the same shape for every seed.
relations() {
  awk -v seed="$1" 'BEGIN {
    srand(seed)
    split("Sales IT HR Ops Legal Lab", depts, " ")
    print "Emp(id int, name string, dept string, age int, salary int)"
    for (id = 1; id <= 300; id++)
      printf "%d,n%d,%s,%d,%d\n", id, id, depts[int(rand() * 6) + 1], 20 + int(rand() * 45), 1000 * (20 + int(rand() * 80))
    print ""
    print "Dept(dept string, floor int)"
    for (d = 1; d <= 6; d++) printf "%s,%d\n", depts[d], int(rand() * 5)
    print ""
    print "Proj(pid int, owner string, budget int)"
    for (p = 1; p <= 40; p++) printf "%d,%s,%d\n", p, depts[int(rand() * 6) + 1], 1000 * int(rand() * 100)
  }'
}

# Each question: the model answer, an equivalent answer, and a wrong one.
models=(
  "project(select(Emp,GT(age,40)),name)"
  "project(select(Emp,EQ(dept,Sales)),name,salary)"
  "project(join(Emp,Dept),name,floor)"
  "project(select(join(Emp,Dept),GT(floor,2)),name)"
  "minus(project(Emp,dept),project(Proj,owner))"
  "project(select(Emp,AND(GT(salary,50000),LT(age,30))),id)"
  "union(project(select(Emp,EQ(dept,IT)),name),project(select(Emp,EQ(dept,HR)),name))"
  "project(select(product(Emp,Proj),AND(EQ(dept,owner),GT(budget,90000))),name)"
  "project(select(Dept,GT(floor,1)),dept)"
  "intersect(project(Emp,dept),project(rename(Proj,P(pid,dept,budget)),dept))"
)
equivalents=(
  "project(select(Emp,LT(40,age)),name)"
  "project(select(select(Emp,EQ(dept,Sales)),GT(salary,0)),name,salary)"
  "project(select(product(Emp,rename(Dept,D(d,floor))),EQ(dept,d)),name,floor)"
  "project(select(join(Emp,Dept),GTE(floor,3)),name)"
  "minus(project(Emp,dept),project(rename(Proj,P(pid,dept,budget)),dept))"
  "project(select(select(Emp,GT(salary,50000)),LT(age,30)),id)"
  "project(select(Emp,OR(EQ(dept,IT),EQ(dept,HR))),name)"
  "project(select(product(Emp,Proj),AND(GT(budget,90000),EQ(owner,dept))),name)"
  "project(select(Dept,GTE(floor,2)),dept)"
  "project(join(project(Emp,dept),project(rename(Proj,P(pid,dept,budget)),dept)),dept)"
)
wrongs=(
  "project(select(Emp,GTE(age,40)),name)"
  "project(select(Emp,EQ(dept,IT)),name,salary)"
  "project(product(Emp,Dept),name,floor)"
  "project(select(join(Emp,Dept),GT(floor,1)),name)"
  "project(Emp,dept)"
  "project(select(Emp,GT(salary,50000)),id)"
  "project(select(Emp,EQ(dept,IT)),name)"
  "project(select(product(Emp,Proj),GT(budget,90000)),name)"
  "project(Dept,dept)"
  "project(Emp,dept)"
)
record_runaway="product(product(Emp,Proj),product(Emp,Proj))"
time_runaway="select(product(product(Emp,rename(Emp,F(i,n,d,a,s))),product(rename(Emp,G(j,m,e,b,t)),rename(Emp,H(k,o,f,c,u)))),LT(age,0))"

relations 2 > "$work/data-2.txt.body"
relations 3 > "$work/data-3.txt.body"
printf 'x\n\n' | cat - "$work/data-2.txt.body" > "$work/data-2.txt"
printf 'x\n\n' | cat - "$work/data-3.txt.body" > "$work/data-3.txt"
relations 1 > "$work/data-1.body"
for question in $(seq 0 9); do
  folder="$work/q$question"
  mkdir -p "$folder"
  { printf '%s\n\n' "${models[$question]}"; cat "$work/data-1.body"; } > "$folder/model.txt"
  for number in $(seq -w 1 200); do
    answer=${equivalents[$question]}
    ((10#$number % 2 == 0)) && answer=${models[$question]}
    ((10#$number % 5 == 4)) && answer=${wrongs[$question]}
    ((10#$number % 25 == 3)) && answer=$record_runaway
    ((10#$number == 7 && question % 4 == 1)) && answer=$time_runaway
    echo "$answer" > "$folder/answer-$number.txt"
  done
done

start=$(date +%s.%N)
for question in $(seq 0 9); do
  folder="$work/q$question"
  status=0
  "$checker" -x --tsv "$folder/model.txt" "$folder"/answer-*.txt --data "$work/data-2.txt" --data "$work/data-3.txt" \
    > "$folder/grades.tsv" || status=$?
  [ "$status" -le 1 ] || { echo "qerix-check failed on question $question (status $status)"; exit 1; }
done
end=$(date +%s.%N)

# Every verdict cell of every gradebook: the columns between the answer and "correct".
tail -q -n +2 "$work"/q*/grades.tsv | awk -F '\t' -v seconds="$(echo "$end - $start" | bc)" '
  { for (field = 2; field < NF; field++) { count[$field]++; total++ } }
  END {
    printf "qerix-check: a class of 10 questions x 200 answers x 3 data sets in %.1f s, %d verdicts:", seconds, total
    for (kind in count) printf " %s %d", kind, count[kind]
    printf "\n"
  }'

# The same class as a teacher grades it: one assignment, a folder per student.
printf 'x\n\n' | cat - "$work/data-1.body" > "$work/data-1.txt"
{
  echo 'extended = true'
  for set in 1 2 3; do
    printf '[[data]]\nname = "d%s"\nfile = "data-%s.txt"\n' "$set" "$set"
    [ "$set" = 1 ] || echo 'hidden = true'
  done
  for question in $(seq 0 9); do
    printf '[[question]]\nid = "q%s"\nmodel = "%s"\n' "$question" "${models[$question]}"
  done
} > "$work/assignment.toml"
for number in $(seq -w 1 200); do
  mkdir -p "$work/class/s$number"
  for question in $(seq 0 9); do cp "$work/q$question/answer-$number.txt" "$work/class/s$number/q$question.txt"; done
done
start=$(date +%s.%N)
status=0
"$checker" --assignment "$work/assignment.toml" "$work"/class/s* --gradebook "$work/grades.csv" > /dev/null || status=$?
[ "$status" -le 1 ] || { echo "qerix-check --assignment failed (status $status)"; exit 1; }
end=$(date +%s.%N)
tail -n +2 "$work/grades.csv" | awk -F ',' -v seconds="$(echo "$end - $start" | bc)" '
  { count[$5]++; points += $3; most += $4 }
  END {
    printf "qerix-check --assignment: the same class, 200 students x 10 questions, in %.1f s, %d of %d points:", seconds, points, most
    for (kind in count) printf " %s %d", kind, count[kind]
    printf "\n"
  }'
