printf 'x\n\n%s\n' 'Emp(name string, age int, dept string)
Anna,34,Sales
Kati,52,IT
Lili,19,HR' > unseen.txt
# The answer is a whole input file: its first non-empty line is the query.
printf '\nproject(select(Emp,GTE(age,31)),name)\n\nEmp(name string)\nZoe\n' > answer.txt
