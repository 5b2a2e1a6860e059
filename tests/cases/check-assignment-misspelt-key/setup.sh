# A misspelt key would silently allow what the teacher meant to forbid.
printf "R\n\nR(a int)\n1\n" > d.txt
printf "[[data]]\nname = \"d\"\nfile = \"d.txt\"\n[[question]]\nid = \"q1\"\nmodel = \"R\"\nforbiden = [\"divide\"]\n" > a.toml
mkdir s
