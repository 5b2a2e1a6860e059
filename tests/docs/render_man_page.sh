#!/usr/bin/env bash
# Renders a manual page the way man does and fails on any warning.
#
# usage: render_man_page.sh PAGE
#
# Fails when groff or man is missing: scripts/dependencies.sh installs both.
set -u

page=$(realpath "$1")
name=$(basename "$page")
errors=$(mktemp)
trap 'rm -f "$errors"' EXIT
export LC_ALL=C.UTF-8 MANWIDTH=80

for tool in groff man; do
  if ! command -v "$tool" > /dev/null; then
    echo "$name: $tool is not installed (scripts/dependencies.sh test installs it)"
    exit 1
  fi
done

failed=0
render() {  # render LABEL COMMAND...
  if ! "${@:2}" > /dev/null 2> "$errors" || [ -s "$errors" ]; then
    echo "--- $name: $1 warns or fails:"
    cat "$errors"
    failed=1
  fi
}
if command -v groff > /dev/null; then
  render "groff -ww" groff -ww -man -Tutf8 "$page"
fi
if command -v man > /dev/null; then
  render "man --warnings" man --warnings -l "$page"
fi
[ "$failed" = 0 ] && echo "$name: renders without warnings"
exit "$failed"
