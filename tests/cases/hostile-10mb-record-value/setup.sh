# A record line of 10 MB, compared and then projected away.
{
  printf 'project(select(R,AND(LT(b,z),EQ(a,2))),b)\n\nR(a int, b string)\n1,'
  head -c 10485760 /dev/zero | tr '\0' y
  printf '\n2,y\n3,'
  head -c 10485760 /dev/zero | tr '\0' z
  printf '\n'
} > input.txt
