echo 'project(join(Emp,rename(Dept,D(d,floor)),EQ(dept,d)),name,dept,floor)' > natural.txt
echo 'join(Emp,rename(Dept,D(d,floor)),EQ(dept,d))' > theta.txt
