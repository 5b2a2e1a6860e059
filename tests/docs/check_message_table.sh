#!/usr/bin/env bash
# Checks the table of messages (docs/messages.md) against the message
# catalogue: one row per text, its Hungarian text and its English one, in the
# catalogue's order. With --write, writes the table instead.
#
# usage: check_message_table.sh LANGUAGE_PAIR_CHECK TABLE_FILE [--write]
set -u

pair_check=$(realpath "$1")
table=$2
write=${3:-}

# A Markdown table cell: the text as code, its "|" escaped.
rows() {
  "$pair_check" --table | awk -F '\t' '
    function cell(text) { gsub(/\|/, "\\|", text); return "`" text "`" }
    { print "| " cell($1) " | " cell($2) " |" }'
}

if [ "$write" = "--write" ]; then
  {
    sed '/^| Hungarian | English |$/,$d' "$table"
    echo '| Hungarian | English |'
    echo '|---|---|'
    rows
  } > "$table.new" && mv "$table.new" "$table"
  exit 0
fi

expected=$(rows)
actual=$(sed -n '/^| Hungarian | English |$/,$p' "$table" | tail -n +3)
if [ "$expected" != "$actual" ]; then
  echo "--- $(basename "$table") and the message catalogue differ (- catalogue, + table):"
  diff <(echo "$expected") <(echo "$actual") | grep '^[<>]' | sed 's/^</-/; s/^>/+/' | head -n 40
  echo "(tests/docs/check_message_table.sh LANGUAGE_PAIR_CHECK $table --write writes it)"
  exit 1
fi
echo "$(echo "$expected" | wc -l) messages in the table, as in the catalogue"
