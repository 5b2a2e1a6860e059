# An answer file whose name holds a tab: the gradebook line keeps its columns.
printf 'project(Emp,name)\n' > "$(printf 'anna\tkovacs.txt')"
