# A select condition of 100000 nested NOTs: refused, and no stack may run out on the way.
{
  printf 'select(R,'
  yes 'NOT(' | head -n 100000 | tr -d '\n'
  printf 'EQ(a,1)'
  head -c 100000 /dev/zero | tr '\0' ')'
  printf ')\n\nR(a int)\n1\n'
} > input.txt
