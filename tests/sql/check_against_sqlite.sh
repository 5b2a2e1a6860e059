#!/usr/bin/env bash
# Asks generated questions of qerix -x and of sqlite3 and compares the
# answers (see against_sqlite.py).
#
# usage: check_against_sqlite.sh QERIX_BINARY
set -u
for tool in sqlite3 python3; do
  command -v "$tool" >/dev/null || { echo "--- $tool is missing: scripts/dependencies.sh test installs it"; exit 1; }
done
exec python3 "$(dirname "$0")/against_sqlite.py" "$1" "$(command -v sqlite3)"
