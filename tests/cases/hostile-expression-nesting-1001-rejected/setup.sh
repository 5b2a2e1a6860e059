# A query of 1001 nested keyword forms.
bash "$(dirname "${BASH_SOURCE[0]}")/../../generators/nested_query.sh" 1001 > input.txt
