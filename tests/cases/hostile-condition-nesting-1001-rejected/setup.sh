# A select condition of 1001 nested calls: EQ innermost, then NOT, AND and OR
# in turn.
awk -v levels=1001 'BEGIN {
  condition = "EQ(a,1)"
  for (k = 1; k < levels; k++) {
    if (k % 3 == 1) condition = "NOT(" condition ")"
    else if (k % 3 == 2) condition = "AND(" condition ",GT(a,0))"
    else condition = "OR(" condition ",EQ(a,3))"
  }
  print "select(R," condition ")"
  printf "\nR(a int)\n0\n1\n2\n3\n"
}' > input.txt
