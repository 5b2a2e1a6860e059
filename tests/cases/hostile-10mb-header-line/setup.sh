# A header line of 10 MB: one attribute name takes it all.
{
  printf 'project(R,a)\n\nR(a int, '
  head -c 10485760 /dev/zero | tr '\0' n
  printf ' string)\n1,q\n2,r\n'
} > input.txt
