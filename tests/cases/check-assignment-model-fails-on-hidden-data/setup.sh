# The model is checked on every data set before any answer is graded.
printf "R\n\nR(a int)\n1\n" > seen.txt
printf "R\n\nS(a int)\n1\n" > hidden.txt
printf "[[data]]\nname = \"seen\"\nfile = \"seen.txt\"\n[[data]]\nname = \"hidden\"\nfile = \"hidden.txt\"\nhidden = true\n[[question]]\nid = \"q1\"\nmodel = \"R\"\n" > a.toml
mkdir s
