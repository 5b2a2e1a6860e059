# One answer for each verdict; missing.txt is not there.
echo "select(Emp,LT(30,age))" > same.txt
echo "union(select(Emp,GT(age,30)),select(Emp,GT(age,30)))" > order.txt
echo "project(select(Emp,GT(age,30)),name,age,dept)" > duplicates.txt
echo "rename(select(Emp,GT(age,30)),Old(name,age,dept))" > name.txt
echo "project(select(Emp,GT(age,30)),name)" > columns.txt
echo "select(Emp,GT(age,33))" > records.txt
echo "select(Emp,EQ(age,dept))" > error.txt
echo "select(Emps,GT(age,30))" > none.txt
