# A condition literal inside 100,000 pairs of parentheses: an operand, not a
# nested call, so no nesting limit applies. As an int it converts to 0.
{
  printf 'select(R,EQ(a,'
  head -c 100000 /dev/zero | tr '\0' '('
  printf 1
  head -c 100000 /dev/zero | tr '\0' ')'
  printf '))\n\nR(a int)\n0\n1\n'
} > input.txt
