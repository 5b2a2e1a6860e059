# A TOML fault names the file and the line.
printf "[[data]]\nname = \"d\"\nfile = d.txt\n" > a.toml
mkdir s
