# A class of four over an assignment of three questions, a visible and a
# hidden data set; the answers reach every state a question can end in.
cat > assignment.toml <<'TOML'
title = "Homework"
extended = true

[[data]]
name = "seen"
file = "seen.txt"

[[data]]
name = "unseen"
file = "data/unseen.txt"
hidden = true

[[question]]
id = "q1"
title = "Names of those over 30"
model = "π_{name}(σ_{age > 30}(Emp))"
points = 2
compare = "records"

[[question]]
id = "q2"
model = "π_{name, floor}(Emp ⋈ Dept)"
points = 2
required = ["⋈"]

[[question]]
id = "q3"
model_file = "q3-model.txt"
compare = "set"
forbidden = ["antijoin"]
data = ["seen"]
TOML
printf '# departments nobody works in\nπ_{dept}(Dept) − π_{dept}(Emp)\n' > q3-model.txt
printf 'Emp\n\nEmp(name string, age int, dept string)\nAnna,34,Sales\nBela,28,IT\nDora,30,IT\nCsilla,45,Sales\n\nDept(dept string, floor int)\nSales,2\nIT,5\nHR,1\n' > seen.txt
mkdir -p data anna bela csaba dora
printf 'Emp\n\nEmp(name string, age int, dept string)\nDenes,31,HR\nEva,30,IT\nFeri,52,Sales\n\nDept(dept string, floor int)\nSales,2\nIT,5\nHR,1\nOps,3\n' > data/unseen.txt
printf '\xEF\xBB\xBF# Anna Kovacs\r\nπ_{name}(σ_{30 < age}(Emp))\r\n' > anna/q1.txt
printf 'T <- Emp ⋈ Dept;\n-- then the two columns\nπ_{name, floor}(T)\n' > anna/q2.txt
printf 'π_{dept}(Dept) − π_{dept}(Emp)\n' > anna/q3.txt
printf 'π_{name}(σ_{age >= 30}(Emp))\n' > bela/q1.txt
printf 'π_{dept}(Dept ▷ Emp)\n' > bela/q3.txt
printf 'π_{name}(σ_{age > 30}(Emp)\n' > csaba/q1.txt
printf '# I could not do this one\n' > csaba/q2.txt
printf 'π_{dept}(Dept)\n' > csaba/q3.txt
printf 'π_{name}(σ_{age > 30}(Emp)) ∪ π_{name}(σ_{age > 40}(Emp))\n' > dora/q1.txt
printf 'π_{name, floor}(σ_{dept = d}(Emp × ρ_{D(d, floor)}(Dept)))\n' > dora/q2.txt
printf 'π_{floor}(Dept)\n' > dora/q3.txt
