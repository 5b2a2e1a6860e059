#!/usr/bin/env bash
# Writes to standard output an input file whose select condition nests LEVELS
# calls: EQ innermost, then NOT, AND and OR in turn.
# usage: nested_condition.sh LEVELS
awk -v levels="$1" 'BEGIN {
  condition = "EQ(a,1)"
  for (k = 1; k < levels; k++) {
    if (k % 3 == 1) condition = "NOT(" condition ")"
    else if (k % 3 == 2) condition = "AND(" condition ",GT(a,0))"
    else condition = "OR(" condition ",EQ(a,3))"
  }
  print "select(R," condition ")"
  printf "\nR(a int)\n0\n1\n2\n3\n"
}'
