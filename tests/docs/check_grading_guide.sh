#!/usr/bin/env bash
# Checks the teachers' guide against the programs and the bundled example.
#
# usage: check_grading_guide.sh GUIDE BINARY_DIR EXAMPLE_DIR
#
# EXAMPLE_DIR is copied with the folder around it, whose other examples its
# files may name.
#
# Its fenced blocks are:
#   ```console        a shell session run in a copy of EXAMPLE_DIR (all
#                     sessions share it), BINARY_DIR first on the PATH: a line
#                     "$ command", then the lines it prints (standard output
#                     and error), which must be what it prints
#   ```toml FILE      the file FILE of EXAMPLE_DIR, exactly
#   ```sh, ```python, ```json
#                     files a course keeps on a grading platform, which run
#                     only there: each must at least parse
#   ```dockerfile, ```html
#                     the same, shown as they are
# Any other kind fails the check.
set -u

guide=$(realpath "$1")
bin_dir=$(realpath "$2")
example=$(realpath "$3")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/blocks"
mkdir "$work/all"
cp -r "$(dirname "$example")/." "$work/all"
run="$work/all/$(basename "$example")"

failed=0
fail() {
  echo "--- $(basename "$guide") line $1: $2"
  failed=1
}

awk -v dir="$work/blocks" '
  !inside && /^```/ {
    count++
    base = sprintf("%s/%04d", dir, count)
    print substr($0, 4) > (base ".kind"); close(base ".kind")
    print NR > (base ".line"); close(base ".line")
    printf "" > (base ".text"); close(base ".text")
    inside = 1
    next
  }
  inside && /^```$/ { inside = 0; next }
  inside { print >> (base ".text"); close(base ".text") }
' "$guide"

checked=0
for kind_file in "$work"/blocks/*.kind; do
  base=${kind_file%.kind}
  read -r kind argument < "$kind_file"
  line=$(cat "$base.line")
  text="$base.text"
  checked=$((checked + 1))
  case "$kind" in
    console)
      # Split the session into commands, each with the lines it printed.
      rm -f "$work"/step.*
      awk -v dir="$work" '
        /^\$ / { count++; print substr($0, 3) > (dir "/step." count ".cmd"); close(dir "/step." count ".cmd")
                 printf "" > (dir "/step." count ".out"); next }
        count { print >> (dir "/step." count ".out"); close(dir "/step." count ".out") }
      ' "$text"
      for command_file in "$work"/step.*.cmd; do
        [ -e "$command_file" ] || { fail "$line" "a console block without a command"; break; }
        step=${command_file%.cmd}
        (cd "$run" && PATH="$bin_dir:$PATH" bash -c "$(cat "$command_file")" > "$work/actual" 2>&1 < /dev/null)
        if ! cmp -s "$step.out" "$work/actual"; then
          fail "$line" "\"$(cat "$command_file")\" printed something else (guide, actual):"
          diff -u --label guide --label actual "$step.out" "$work/actual" | head -n 40
        fi
      done
      ;;
    toml)
      cmp -s "$text" "$example/$argument" || fail "$line" "the block is not $argument of the example"
      ;;
    sh) bash -n "$text" 2> "$work/error" || fail "$line" "the script does not parse: $(cat "$work/error")" ;;
    python) python3 -c 'import ast, sys; ast.parse(open(sys.argv[1]).read())' "$text" 2> "$work/error" ||
      fail "$line" "the Python does not parse: $(tail -n 1 "$work/error")" ;;
    json) python3 -c 'import json, sys; json.load(open(sys.argv[1]))' "$text" 2> "$work/error" ||
      fail "$line" "the JSON does not parse: $(tail -n 1 "$work/error")" ;;
    dockerfile | html) ;;
    *) fail "$line" "a \`\`\`$kind block, which no test checks" ;;
  esac
done
[ "$checked" -gt 0 ] || fail 0 "no block found"
[ "$failed" -eq 0 ] && echo "$checked blocks checked"
exit "$failed"
