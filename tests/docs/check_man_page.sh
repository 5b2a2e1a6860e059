#!/usr/bin/env bash
# Checks a manual page against the programs: runs every example and compares
# it with the output the page shows, and compares the messages listed under
# DIAGNOSTICS with the messages defined in the sources.
#
# usage: check_man_page.sh PAGE BINARY_DIR SOURCE...
#
# Every .EX/.EE block of the page is a shell session: a line "$ command"
# followed by the lines the command prints. All sessions of a page share one
# work folder. "$ cat FILE" for a file that does not exist yet writes the
# lines shown into FILE, so a session can show the input files it uses.
# Commands run with BINARY_DIR first on the PATH; a command that calls dot
# is skipped where Graphviz is not installed.
#
# The messages are the texts of the message catalogue whose names end in
# Message and that the SOURCE files use (Text::...Message), with any string
# constant named ...Message left in them (a constant may continue on the next
# line after its "="); the page lists each one as the first argument of the .B or .BI line
# after a .TP in its DIAGNOSTICS section, the quoted part of a message left
# out.
set -u

page=$(realpath "$1")
bin_dir=$(realpath "$2")
shift 2
sources=("$@")
name=$(basename "$page")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/steps" "$work/run"

failed=0
fail() {
  echo "--- $name: $1"
  failed=1
}

# The few roff escapes that example and message lines may use; any other
# escape fails the check rather than being shown one way and tested another.
unescape_roff='
  function unescape(text,    result, next2, next4) {
    result = ""
    while ((position = index(text, "\\")) > 0) {
      result = result substr(text, 1, position - 1)
      text = substr(text, position)
      next2 = substr(text, 1, 2)
      next4 = substr(text, 1, 4)
      if (next2 == "\\e") { result = result "\\"; text = substr(text, 3) }
      else if (next2 == "\\-") { result = result "-"; text = substr(text, 3) }
      else if (next2 == "\\&" || next2 == "\\%") { text = substr(text, 3) }
      else if (next2 == "\\ ") { result = result " "; text = substr(text, 3) }
      else if (next4 == "\\(dq") { result = result "\""; text = substr(text, 5) }
      else if (next4 == "\\(aq") { result = result "\047"; text = substr(text, 5) }
      else {
        printf "line %d: unsupported roff escape %s\n", NR, next2 > "/dev/stderr"
        bad = 1
        text = substr(text, 3)
      }
    }
    return result text
  }
'

# One numbered file set per command: .cmd, .out (the lines shown) and .line.
awk -v dir="$work/steps" "$unescape_roff"'
  /^\.EX/ { inside = 1; step = 0; next }
  /^\.EE/ { inside = 0; next }
  !inside { next }
  /^\.\\"/ { next }
  /^[.\047]/ { printf "line %d: a request inside an example\n", NR > "/dev/stderr"; bad = 1; next }
  {
    line = unescape($0)
    if (substr(line, 1, 2) == "$ ") {
      count++
      step = 1
      base = sprintf("%s/%04d", dir, count)
      print substr(line, 3) > (base ".cmd"); close(base ".cmd")
      print NR > (base ".line"); close(base ".line")
      printf "" > (base ".out"); close(base ".out")
    } else if (!step) {
      printf "line %d: example text before any command\n", NR > "/dev/stderr"; bad = 1
    } else {
      print line >> (base ".out"); close(base ".out")
    }
  }
  END { exit bad }
' "$page" || fail "the examples cannot be read"

shopt -s nullglob
commands=("$work"/steps/*.cmd)
[ "${#commands[@]}" -gt 0 ] || fail "no example found"
ran=0
skipped=0
last_status=0
for command_file in "${commands[@]}"; do
  base=${command_file%.cmd}
  command=$(cat "$command_file")
  line=$(cat "$base.line")
  if [[ "$command" =~ ^cat\ +([^\ \;\|\&\<\>]+)$ ]] && [ ! -e "$work/run/${BASH_REMATCH[1]}" ]; then
    cp "$base.out" "$work/run/${BASH_REMATCH[1]}"
    continue
  fi
  if [[ "$command" =~ (^|[\ \|\;])dot\  ]] && ! command -v dot > /dev/null; then
    skipped=$((skipped + 1))
    continue
  fi
  (cd "$work/run" && PATH="$bin_dir:$PATH" bash -c "(exit $last_status); $command" > "$work/actual" 2>&1 < /dev/null)
  last_status=$?
  ran=$((ran + 1))
  if ! cmp -s "$base.out" "$work/actual"; then
    fail "line $line: \"$command\" printed something else (shown on the page, actual):"
    diff -u --label page --label actual "$base.out" "$work/actual" | head -n 40
  fi
done

# The messages: listed on the page, and defined in the sources.
awk "$unescape_roff"'
  /^\.SH/ { diagnostics = ($0 ~ /^\.SH "?DIAGNOSTICS/); next }
  !diagnostics { next }
  /^\.TP/ { tag = 1; next }
  tag && /^\.BI? / {
    text = $0
    sub(/^\.BI? +/, "", text)
    if (substr(text, 1, 1) == "\"") { text = substr(text, 2); sub(/".*/, "", text) } else { sub(/ .*/, "", text) }
    text = unescape(text)
    sub(/"$/, "", text)
    print text
  }
  { tag = 0 }
  END { exit bad }
' "$page" | sort > "$work/listed" || fail "the DIAGNOSTICS section cannot be read"
if [ "${#sources[@]}" -gt 0 ]; then
  catalogue=$(dirname "$(realpath "$0")")/../../src/model/message_catalogue.cpp
  uses=()
  for source in "${sources[@]}"; do
    [[ "$(basename "$source")" == message_catalogue.* ]] || uses+=("$source")
  done
  {
    # A constant may break its line after the "=".
    cat "${uses[@]}" | tr '\n' ' ' | grep -o 'constexpr std::string_view [A-Za-z]*Message = *"[^"]*"' |
      sed 's/^[^"]*"//; s/"$//'
    for id in $(cat "${uses[@]}" | grep -o 'Text::[A-Za-z]*Message' | sort -u); do
      tr '\n' ' ' < "$catalogue" | grep -o "{ *$id, *\"[^\"]*\"" | sed 's/^[^"]*"//; s/"$//'
    done
  } | sort > "$work/defined"
  [ -s "$work/defined" ] || fail "no message found in the sources"
  if ! cmp -s "$work/defined" "$work/listed"; then
    fail "DIAGNOSTICS and the sources list different messages (+ only on the page, - only in the sources):"
    diff --label sources --label page "$work/defined" "$work/listed" | grep '^[<>]' | sed 's/^</-/; s/^>/+/'
  fi
fi

if [ "$failed" = 0 ]; then
  echo "$name: $ran example commands ok ($skipped skipped without Graphviz), $(wc -l < "$work/listed") messages listed"
fi
exit "$failed"
