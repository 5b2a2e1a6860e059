#!/usr/bin/env bash
# The writers' files for every sample submission pass their platform's
# schema, and each schema refuses what its platform would not read (so a
# schema that accepts everything fails here too).
#
# usage: check_platform_results.sh SAMPLE_PROGRAM SCHEMA_FOLDER
set -u
sample=$1
schemas=$2
checker=$(dirname "${BASH_SOURCE[0]}")/check_platform_schemas.py
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
failed=0
fail() { echo "--- $1"; failed=1; }

"$sample" "$folder" || fail "the sample program failed"
for platform in gradescope prairielearn coderunner; do
  files=("$folder/$platform"-*.json)
  [ -e "${files[0]}" ] || { fail "no $platform files written"; continue; }
  python3 "$checker" "$schemas/$platform-results.schema.json" "${files[@]}" ||
    fail "$platform: the writer's files do not pass the schema"
done

refused() {  # refused PLATFORM WHY JSON
  printf '%s\n' "$3" >"$folder/wrong.json"
  if python3 "$checker" "$schemas/$1-results.schema.json" "$folder/wrong.json" 2>/dev/null; then
    fail "$1: the schema accepts $2: $3"
  fi
}
refused gradescope "an unknown visibility" '{"score": 1, "tests": [{"score": 1, "visibility": "secret"}]}'
refused gradescope "a score as a string" '{"score": "1"}'
refused gradescope "no score anywhere" '{"tests": [{"name": "q"}]}'
refused gradescope "an unknown status" '{"score": 1, "tests": [{"status": "ok"}]}'
refused gradescope "an unknown field" '{"score": 1, "hidden": true}'
refused prairielearn "a score above 1" '{"score": 1.5}'
refused prairielearn "a gradable result without a score" '{"gradable": true, "output": "x"}'
refused prairielearn "format errors that are not text" '{"gradable": false, "format_errors": [1]}'
refused coderunner "a fraction above 1" '{"fraction": 1.5, "got": "x", "abort": false}'
refused coderunner "a negative fraction" '{"fraction": -0.5}'
refused coderunner "no fraction" '{"got": "x", "abort": true}'
refused coderunner "abort that is not a boolean" '{"fraction": 0, "abort": "true"}'
refused coderunner "got that is not a string" '{"fraction": 1, "got": ["x"]}'
refused coderunner "the combinator grader's fields" '{"fraction": 1, "prologuehtml": "<p>x</p>"}'
refused coderunner "an unknown field" '{"fraction": 1, "ishidden": true}'

# What the lead's flow relies on: a file that is not JSON is a fault, not a pass.
printf '{"score": 1' >"$folder/broken.json"
python3 "$checker" "$schemas/gradescope-results.schema.json" "$folder/broken.json" 2>/dev/null &&
  fail "a file that is not JSON passes"
exit "$failed"
