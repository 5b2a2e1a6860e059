#!/usr/bin/env bash
# Shows that every #include between folders of src/ points down the stages:
# a file includes only from its own folder and from folders listed before it.
# The order is the one docs/internals.md states, lowest first; a folder that
# is not in it fails too, so that a new folder gets its place. Also shows
# that every source file the internals name exists.
#
# usage: check_include_order.sh REPOSITORY_DIR
set -u
root=$(realpath "$1")
src=$root/src
internals=$root/docs/internals.md

stages=(model text conditions
        exec/pieces exec/views exec/hash exec/sort exec/select exec/loading
        algebra plan query driver inspect cli tools)

# The index in `stages` of the folder of a path under src/, -1 if none.
stage_of() {
  local folder=$1 index best=-1 length=0
  for index in "${!stages[@]}"; do
    local stage=${stages[$index]}
    if [[ $folder == "$stage" || $folder == "$stage"/* ]] && ((${#stage} > length)); then
      best=$index
      length=${#stage}
    fi
  done
  echo "$best"
}

failed=0
while IFS= read -r file; do
  relative=${file#"$src"/}
  own=$(stage_of "$(dirname "$relative")")
  if ((own < 0)); then
    echo "$relative: its folder has no place in the order of stages"
    failed=1
    continue
  fi
  while IFS= read -r included; do
    [[ $included == */* ]] || continue
    target=$(stage_of "$(dirname "$included")")
    if ((target < 0)); then
      echo "$relative includes $included, from a folder that has no place in the order"
      failed=1
    elif ((target > own)); then
      echo "$relative includes $included: ${stages[$target]} is above ${stages[$own]}"
      failed=1
    fi
  done < <(sed -n 's/^#include "\([^"]*\)".*/\1/p' "$file")
done < <(find "$src" -name '*.h' -o -name '*.cpp' | sort)

# The order as the internals state it, and every file they name.
stated=$(tr '\n' ' ' < "$internals" | grep -o 'Folders, lowest first: [^.]*\.' | head -n 1 |
  sed 's/^Folders, lowest first: //; s/\.$//' | tr -d '`' | tr -s ' ')
expected=$(IFS=,; echo "${stages[*]}" | sed 's/,/, /g')
if [[ $stated != "$expected" ]]; then
  echo "docs/internals.md states the order \"$stated\", not \"$expected\""
  failed=1
fi
# A file is named by its path, by a path from its folder (`pieces/scheduler.*`
# in the table of src/exec/) or by a name with "_" in it; NAME stands for any.
while IFS= read -r named; do
  [[ $named == */* || $named == *_* ]] || continue
  pattern=${named//\{h,cpp\}/*}
  pattern=${pattern//NAME/*}
  if ! find "$root/src" "$root/web" -name node_modules -prune -o -path "*/$pattern" -print -quit | grep -q .; then
    echo "docs/internals.md names $named, which does not exist"
    failed=1
  fi
done < <(grep -o '`[^` ]*\.\(h\|cpp\|\*\|{h,cpp}\)`' "$internals" | tr -d '`' | sort -u)
while IFS= read -r folder; do
  if [ ! -d "$root/$folder" ]; then
    echo "docs/internals.md names the folder $folder, which does not exist"
    failed=1
  fi
done < <(grep -o '`src/[^` ]*/`' "$internals" | tr -d '`' | sort -u)

[ "$failed" = 0 ] && echo "every include points down the stages; every file and folder the internals name exists"
exit "$failed"
