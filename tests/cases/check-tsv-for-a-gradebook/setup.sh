printf 'x\n\n%s\n' 'Emp(name string, age int, dept string)
Anna,34,Sales
Kati,52,IT
Lili,19,HR' > unseen.txt
echo 'project(select(Emp,GTE(age,31)),name)' > right.txt
echo 'project(select(Emp,GTE(age,34)),name)' > wrong.txt
