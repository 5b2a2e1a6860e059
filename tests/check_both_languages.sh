#!/usr/bin/env bash
# Runs every golden case in Hungarian (as the case is) and in English (with
# --lang en before its arguments) and proves that only the texts differ: the
# same exit status and output file, the input unchanged, and every line of
# standard output and standard error that differs explained by the message
# catalogue (language_pair_check). Fails as well when no case differed at
# all, which would mean that --lang is not heard.
#
# usage: check_both_languages.sh QERIX QERIX_TREE QERIX_CHECK LANGUAGE_PAIR_CHECK CASE_DIR...
set -u

qerix=$(realpath "$1")
tree=$(realpath "$2")
check=$(realpath "$3")
pair_check=$(realpath "$4")
shift 4

work=$(mktemp -d)
trap 'chmod -R u+rwx "$work" 2>/dev/null; rm -rf "$work"' EXIT

# run_in LANGUAGE_FOLDER BINARY CASE_DIR ARGUMENT...: one run in a fresh folder.
run_in() {
  local folder=$1 binary=$2 case_dir=$3
  shift 3
  rm -rf "$folder"
  mkdir -p "$folder/run"
  [ -f "$case_dir/input.txt" ] && cp "$case_dir/input.txt" "$folder/run/input.txt"
  if [ -f "$case_dir/setup.sh" ]; then
    (cd "$folder/run" && bash "$case_dir/setup.sh") || return 1
  fi
  (cd "$folder/run" && "$binary" "$@" > "$folder/stdout" 2> "$folder/stderr" < /dev/null)
  echo $? > "$folder/status"
}

failed=0
cases=0
differed=0
for case_dir in "$@"; do
  [ -d "$case_dir" ] || continue
  case_dir=$(realpath "$case_dir")
  name=$(basename "$case_dir")
  case "$name" in
    tree-*) binary=$tree ;;
    check-*) binary=$check ;;
    *) binary=$qerix ;;
  esac
  args=(input.txt output.txt)
  [ -f "$case_dir/args" ] && mapfile -t args < "$case_dir/args"
  # A case that chooses its language itself runs in both like the others.
  kept=()
  skip=0
  for argument in "${args[@]}"; do
    if ((skip)); then skip=0; continue; fi
    if [ "$argument" = --lang ]; then skip=1; continue; fi
    kept+=("$argument")
  done
  args=("${kept[@]}")
  run_in "$work/hu" "$binary" "$case_dir" "${args[@]}" || { echo "--- $name: setup failed"; failed=1; continue; }
  run_in "$work/en" "$binary" "$case_dir" --lang en "${args[@]}" || { echo "--- $name: setup failed"; failed=1; continue; }
  cases=$((cases + 1))
  if ! cmp -s "$work/hu/status" "$work/en/status"; then
    echo "--- $name: exit status $(cat "$work/hu/status") in Hungarian, $(cat "$work/en/status") in English"
    failed=1
  fi
  # Every regular file the run left (the output file, the input) is the same bytes.
  files=$(cd "$work/hu/run" && find . -type f | sort)
  same_files=1
  [ "$files" = "$(cd "$work/en/run" && find . -type f | sort)" ] || same_files=0
  while IFS= read -r file; do
    [ -z "$file" ] || cmp -s "$work/hu/run/$file" "$work/en/run/$file" || same_files=0
  done <<< "$files"
  if [ "$same_files" = 0 ]; then
    echo "--- $name: the files of the two runs differ"
    failed=1
  fi
  case_differed=0
  for channel in stdout stderr; do
    if ! report=$("$pair_check" "$work/hu/$channel" "$work/en/$channel"); then
      echo "--- $name: $channel: $report"
      failed=1
    elif [ "$report" != "differing 0" ]; then
      case_differed=1
    fi
  done
  differed=$((differed + case_differed))
done

echo "$cases cases run in both languages, $differed of them with texts that differ"
[ "$cases" -gt 0 ] && [ "$differed" -gt 0 ] || { echo "--- no case showed an English text"; failed=1; }
exit "$failed"
