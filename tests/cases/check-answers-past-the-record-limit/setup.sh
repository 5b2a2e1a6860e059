# With at most 150 records in any one result, over relations of 100 records:
# a union of 200, stopped as it finishes; a natural join without a shared
# attribute and a select over a product, stopped as their pairs grow; a
# product, stopped before it is built. Each only on the data set where it
# runs away.
echo 'project(R,a)' > right.txt
echo 'union(R,Q)' > union.txt
echo 'join(R,rename(R,S(c,d)))' > join.txt
echo 'project(select(product(R,rename(R,S(c,d))),LT(a,c)),a)' > pairs.txt
echo 'project(product(R,rename(R,S(c,d))),a)' > product.txt
printf 'x\n\n%s\n' 'R(a int, b string)
7,x

Q(a int, b string)
8,y' > unseen.txt
