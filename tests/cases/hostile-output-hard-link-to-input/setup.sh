ln input.txt output.txt
