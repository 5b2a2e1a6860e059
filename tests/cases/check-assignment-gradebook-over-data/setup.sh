# A gradebook named as the data file would overwrite it: refused, the data kept.
printf "R\n\nR(a int)\n1\n" > d.txt
printf "[[data]]\nname = \"d\"\nfile = \"d.txt\"\n[[question]]\nid = \"q1\"\nmodel = \"R\"\n" > a.toml
mkdir s
printf "R\n" > s/q1.txt
