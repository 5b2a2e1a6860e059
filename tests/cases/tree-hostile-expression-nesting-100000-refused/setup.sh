# A query of 100000 nested unions: refused, and no stack may run out on the way.
{
  yes 'union(R,' | head -n 100000 | tr -d '\n'
  printf R
  head -c 100000 /dev/zero | tr '\0' ')'
  printf '\n\nR(a int)\n1\n'
} > input.txt
