# A data file that exists but cannot be read is named.
mkdir d.txt
printf "[[data]]\nname = \"d\"\nfile = \"d.txt\"\n[[question]]\nid = \"q1\"\nmodel = \"R\"\n" > a.toml
mkdir s
