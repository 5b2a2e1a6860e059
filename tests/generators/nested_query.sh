#!/usr/bin/env bash
# Writes to standard output an input file whose query nests LEVELS keyword
# forms: select, union, minus, rename and project in turn, from the innermost out.
# usage: nested_query.sh LEVELS
awk -v levels="$1" 'BEGIN {
  query = "R"
  for (k = 0; k < levels; k++) {
    if (k % 5 == 0) query = "select(" query ",EQ(a,1))"
    else if (k % 5 == 1) query = "union(" query ",R)"
    else if (k % 5 == 2) query = "minus(" query ",E)"
    else if (k % 5 == 3) query = "rename(" query ",R(a))"
    else query = "project(" query ",a)"
  }
  print query
  printf "\nR(a int)\n2\n1\n3\n\nE(a int)\n3\n"
}'
