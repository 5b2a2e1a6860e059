for i in 1 2 3 4 5 6 7 8; do echo 'old content that must disappear'; done > output.txt
