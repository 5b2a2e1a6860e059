mkfifo pipe
(cat input.txt > pipe &)
