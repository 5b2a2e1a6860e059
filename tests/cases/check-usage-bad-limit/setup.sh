echo 'project(R,a)' > right.txt
