#!/usr/bin/env bash
# Shows that qerix-tree warns about the golden cases that are meant to warn,
# and about no other: a warning that fires on a query meant as written is
# noise, and noise teaches students to skip warnings. Also shows that every
# "did you mean" in a warning names something within two edits of the word,
# or one of the language's keywords.
#
# usage: check_case_warnings.sh QERIX_TREE_BINARY CASES_DIR LIST
set -u
tree=$(realpath "$1")
cases=$(realpath "$2")
list=$(realpath "$3")

# The Levenshtein distance of two words, for the "did you mean" bound.
distance() {
  awk -v a="$1" -v b="$2" 'BEGIN {
    n = length(a); m = length(b)
    for (i = 0; i <= n; i++) d[i, 0] = i
    for (j = 0; j <= m; j++) d[0, j] = j
    for (i = 1; i <= n; i++) for (j = 1; j <= m; j++) {
      cost = substr(a, i, 1) == substr(b, j, 1) ? 0 : 1
      best = d[i - 1, j] + 1
      if (d[i, j - 1] + 1 < best) best = d[i, j - 1] + 1
      if (d[i - 1, j - 1] + cost < best) best = d[i - 1, j - 1] + cost
      d[i, j] = best
    }
    print d[n, m]
  }'
}

failed=0
checked=0
for case_dir in "$cases"/*/; do
  name=$(basename "$case_dir")
  [ -f "$case_dir/input.txt" ] || continue
  options=()
  grep -qx -- '-x\|--extended' "$case_dir/args" 2>/dev/null && options=(-x)
  warnings=$("$tree" "${options[@]}" "$case_dir/input.txt" 2>/dev/null | grep '^Figyelmeztetes' || true)
  checked=$((checked + 1))
  if grep -qx -- "$name" "$list"; then
    if [ -z "$warnings" ]; then
      echo "--- $name is listed as warning, but gives no warning"
      failed=1
    fi
  elif [ -n "$warnings" ]; then
    echo "--- $name is meant to be clean, but gives warnings:"
    echo "$warnings"
    failed=1
  fi
  # "nincs "W" nevu relacio ...; erre gondolt: "S"?": S within two edits of W, or W in another case.
  while IFS=$'\t' read -r word suggestion; do
    [ -n "$word" ] || continue
    if [ "${word,,}" != "${suggestion,,}" ] && (( $(distance "$word" "$suggestion") > 2 )); then
      echo "--- $name: \"$suggestion\" is no sensible guess for \"$word\""
      failed=1
    fi
  done < <(sed -n 's/^Figyelmeztetes: nincs "\([^"]*\)" nevu relacio.*erre gondolt: "\([^"]*\)"?$/\1\t\2/p' <<< "$warnings")
done
[ "$failed" = 0 ] && echo "$checked cases: warnings only where they are meant"
exit "$failed"
