echo Emp > a.txt
