printf 'D <- rename(Dept,D(dept,floor)); Emp ⋈ D\n' > steps.txt
printf 'E := Emp\nF ← Dept\nπ_{name,dept}(E ⋈ F)\n' > lines.txt
