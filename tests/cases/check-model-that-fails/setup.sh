echo 'Emp' > answer.txt
