#!/usr/bin/env bash
# Runs every example of a Markdown guide and compares it with the output that
# the guide shows, so the guide cannot drift from the programs.
#
# usage: check_guide.sh GUIDE QERIX_BINARY QERIX_TREE_BINARY
#
# Every fenced block of the guide is one of:
#   ```relations   the relations that the following queries run on
#   ```query       one query line; the input file is the query, an empty line
#                  and the latest relations
#   ```input       a whole input file
#   ```output      what qerix prints for the latest input (exit status 0)
#   ```error       what qerix writes to standard error for it (exit status 1)
#   ```warnings    right after an output block: the warnings of its query,
#                  as qerix -x writes them to standard error after the result
#                  (for a query without -x, as qerix-tree lists them); without
#                  it the query must give none: the guide's queries mean what
#                  they say
#   ```tree        what qerix-tree prints for it; options of qerix-tree may
#                  follow, as in ```tree --steps
# A block of any other kind fails the check: nothing is shown unchecked. A
# query or input block marked -x (```query -x) uses the textbook operators:
# the blocks after it run qerix -x and qerix-tree -x.
set -u

guide=$(realpath "$1")
qerix=$(realpath "$2")
tree=$(realpath "$3")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/blocks" "$work/run"

# One numbered file set per fenced block: .kind, .line and .text.
awk -v dir="$work/blocks" '
  !inside && /^```/ {
    count++
    base = sprintf("%s/%04d", dir, count)
    kind = substr($0, 4)
    print (kind == "" ? "(none)" : kind) > (base ".kind"); close(base ".kind")
    print NR > (base ".line"); close(base ".line")
    printf "" > (base ".text")
    inside = 1
    next
  }
  inside && /^```$/ { close(base ".text"); inside = 0; next }
  inside { print >> (base ".text") }
  END { if (inside) { print "unterminated block at the end of the guide" > "/dev/stderr"; exit 1 } }
' "$guide" || exit 1

failed=0
checked=0
fail() {  # fail LINE MESSAGE
  echo "--- $(basename "$guide") line $1: $2"
  failed=1
}
compare() {  # compare LINE LABEL EXPECTED ACTUAL
  if ! cmp -s "$3" "$4"; then
    fail "$1" "$2 differs (shown in the guide, actual):"
    diff -u --label guide --label actual "$3" "$4" | head -n 40
  fi
}

cd "$work/run" || exit 1
: > relations.txt
options=()
empty="$work/empty"
: > "$empty"
# The standard error of the latest output block, until a warnings block shows it.
pending_line=""
settle_warnings() {
  if [ -n "$pending_line" ]; then
    compare "$pending_line" "standard error" "$empty" pending_stderr
    pending_line=""
  fi
}
for kind_file in "$work"/blocks/*.kind; do
  base=${kind_file%.kind}
  kind=$(cat "$kind_file")
  line=$(cat "$base.line")
  if [ "$kind" = warnings ]; then
    if [ -z "$pending_line" ]; then
      fail "$line" "a warnings block must follow an output block"
    else
      compare "$line" "standard error" "$base.text" pending_stderr
      pending_line=""
    fi
    continue
  fi
  settle_warnings
  marked=""
  tree_options=()
  if [[ $kind == tree\ * ]]; then
    read -ra tree_options <<< "${kind#tree }"
    kind=tree
  elif [[ $kind == *" -x" ]]; then
    kind=${kind% -x}
    marked=-x
  fi
  if [ -n "$marked" ] && [ "$kind" != query ] && [ "$kind" != input ]; then
    fail "$line" "only query and input blocks take -x"
    continue
  fi
  text="$base.text"
  case "$kind" in
    relations)
      cp "$text" relations.txt
      rm -f input.txt
      ;;
    query)
      if [ "$(wc -l < "$text")" != 1 ]; then
        fail "$line" "a query block must hold exactly one line"
        continue
      fi
      { cat "$text"; echo; cat relations.txt; } > input.txt
      options=($marked)
      ;;
    input)
      cp "$text" input.txt
      options=($marked)
      ;;
    output | error | tree)
      if [ ! -f input.txt ]; then
        fail "$line" "no query or input block before this $kind block"
        continue
      fi
      rm -f output.txt
      if [ "$kind" = tree ]; then
        "$tree" "${options[@]}" "${tree_options[@]}" input.txt > stdout 2> stderr < /dev/null
      else
        "$qerix" "${options[@]}" input.txt output.txt > stdout 2> stderr < /dev/null
      fi
      status=$?
      checked=$((checked + 1))
      case "$kind" in
        error)
          [ "$status" = 1 ] || fail "$line" "exit status $status, expected 1"
          compare "$line" "standard error" "$text" stderr
          compare "$line" "standard output" "$empty" stdout
          ;;
        output)
          [ "$status" = 0 ] || fail "$line" "exit status $status, expected 0"
          compare "$line" "standard output" "$text" stdout
          cp stderr pending_stderr
          if [ -z "${options[*]}" ]; then
            # qerix itself stays quiet without -x: ask qerix-tree.
            "$tree" input.txt 2>/dev/null < /dev/null | grep '^Figyelmeztetes' > pending_stderr
          fi
          pending_line=$line
          ;;
        *)
          [ "$status" = 0 ] || fail "$line" "exit status $status, expected 0"
          compare "$line" "standard output" "$text" stdout
          compare "$line" "standard error" "$empty" stderr
          ;;
      esac
      if [ "$kind" = output ]; then
        # The output file: the input, an empty line, then the result.
        { cat input.txt; echo; grep -qx 'Meg ures az eredmeny[.][.][.]' stdout || cat stdout; } > expected_file
        compare "$line" "output file" expected_file output.txt
      fi
      ;;
    *)
      fail "$line" "a \`\`\`$kind block, which no test checks (use relations, query, input, output, error or tree)"
      ;;
  esac
done

settle_warnings
if [ "$checked" = 0 ]; then
  echo "--- $(basename "$guide"): no example found"
  exit 1
fi
[ "$failed" = 0 ] && echo "$(basename "$guide"): $checked examples ok"
exit "$failed"
