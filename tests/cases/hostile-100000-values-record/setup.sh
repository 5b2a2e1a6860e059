# A relation of 100,000 int attributes a1..a100000 and record lines of
# 100,000 values: 1..100000 and 100000..1.
awk 'BEGIN {
  n = 100000
  print "project(select(R,GT(a1,a100000)),a100000,a1)"
  print ""
  printf "R("
  for (i = 1; i <= n; i++) printf "%sa%d int", (i > 1 ? ", " : ""), i
  print ")"
  for (i = 1; i <= n; i++) printf "%s%d", (i > 1 ? "," : ""), i
  print ""
  for (i = n; i >= 1; i--) printf "%s%d", (i < n ? "," : ""), i
  print ""
}' > input.txt
