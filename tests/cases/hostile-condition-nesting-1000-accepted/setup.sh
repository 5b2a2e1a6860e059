# A select condition of 1000 nested calls.
bash "$(dirname "${BASH_SOURCE[0]}")/../../generators/nested_condition.sh" 1000 > input.txt
