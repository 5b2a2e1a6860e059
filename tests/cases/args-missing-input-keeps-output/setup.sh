printf 'old line 1\nold line 2\n' > output.txt
