printf 'R\n\nR(a int)\n2\n' > ./-x
