# A query of 1000 nested keyword forms.
bash "$(dirname "${BASH_SOURCE[0]}")/../../generators/nested_query.sh" 1000 > input.txt
