# The assignment's limits, and one question's own: an answer past the time
# limit and one past the record limit get verdicts that name them, no
# counterexample, and grading goes on with the next question.
{ echo 'R'; echo; echo 'R(a int, b string)'; for i in $(seq 1 100); do echo "$i,x$i"; done; } > data.txt
cat > assignment.toml <<'TOML'
[limits]
seconds = 0.2

[[data]]
name = "d"
file = "data.txt"

[[question]]
id = "slow"
model = "select(R,LT(a,0))"

[[question]]
id = "big"
model = "project(R,a)"
limits = { records = 5000 }

[[question]]
id = "fine"
model = "project(R,b)"
TOML
mkdir anna
echo 'select(product(product(R,rename(R,S(c,d))),product(rename(R,T(e,f)),rename(R,U(g,h)))),LT(a,0))' > anna/slow.txt
echo 'project(product(R,rename(R,S(c,d))),a)' > anna/big.txt
echo 'project(R,b)' > anna/fine.txt
