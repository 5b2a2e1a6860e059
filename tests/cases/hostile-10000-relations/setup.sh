# 10,000 relations R1..R10000 of one record each, then a second R1, which
# hides the first.
awk 'BEGIN {
  print "union(R1,union(R5000,R10000))"
  for (i = 1; i <= 10000; i++) printf "\nR%d(a int)\n%d\n", i, i
  printf "\nR1(a int)\n-1\n"
}' > input.txt
