# A select condition of 1001 nested calls.
bash "$(dirname "${BASH_SOURCE[0]}")/../../generators/nested_condition.sh" 1001 > input.txt
