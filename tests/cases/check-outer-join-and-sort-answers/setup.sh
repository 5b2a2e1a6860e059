echo 'sort(leftjoin(Emp,Dept),name DESC)' > same.txt
echo 'leftjoin(Emp,Dept)' > unsorted.txt
echo 'sort(join(Emp,Dept),name DESC)' > inner.txt
