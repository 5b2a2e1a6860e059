# A query line of 10 MB whose union lacks its comma.
{
  printf 'union('
  head -c 10485760 /dev/zero | tr '\0' x
  printf ')\n\nR(a int)\n1\n'
} > input.txt
