echo 'project(join(join(S,SP),P),sname,pname)' > city.txt
echo 'project(join(SP,join(S,P)),sname,pname)' > other.txt
