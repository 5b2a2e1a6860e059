ln -s input.txt output.txt
