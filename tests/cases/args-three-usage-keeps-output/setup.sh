printf 'keep me\n' > output.txt
