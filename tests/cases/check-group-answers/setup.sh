echo 'group(Emp,dept,n<-COUNT(*))' > prefix.txt
echo 'γ_{dept, COUNT(name)→n}(Emp)' > named.txt
echo 'γ_{dept, COUNT(*)}(Emp)' > default.txt
