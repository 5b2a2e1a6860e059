# A record line of 100,000 values in a relation of one attribute.
awk 'BEGIN {
  printf "R\n\nR(a int)\n"
  for (i = 1; i <= 100000; i++) printf "%s%d", (i > 1 ? "," : ""), i
  print ""
}' > input.txt
