# A query line of 10 MB: a select whose literal is 10 MB long.
{
  printf 'select(R,NEQ(b,'
  head -c 10485760 /dev/zero | tr '\0' x
  printf '))\n\nR(a int, b string)\n1,x\n2,'
  head -c 10485760 /dev/zero | tr '\0' x
  printf '\n'
} > input.txt
