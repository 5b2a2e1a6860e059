# Over a relation of 100 records: a select over a product whose 10^8 pairs
# all fail, which takes far longer than the time limit and keeps no record;
# a product of 100^4 records, stopped by the default record limit before it
# is built; and the answers after them, graded as usual.
echo 'project(R,a)' > right.txt
echo 'select(product(product(R,rename(R,S(c,d))),product(rename(R,T(e,f)),rename(R,U(g,h)))),LT(a,0))' > slow.txt
echo 'product(product(R,R),product(R,R))' > product.txt
echo 'project(select(R,GT(a,1)),a)' > wrong.txt
