echo 'minus(Emps,Emp)' > same.txt
echo 'Emp' > other.txt
