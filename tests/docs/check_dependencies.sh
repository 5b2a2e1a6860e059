#!/usr/bin/env bash
# Holds scripts/dependencies.sh to its word: every tool a test, the page's
# build or the benchmark looks for is in its list, and a user who is not root
# and lacks a package gets one line naming the command, with nothing changed.
#
# usage: check_dependencies.sh SOURCE_DIR
set -u
source=$(realpath "$1")
script=$source/scripts/dependencies.sh
failed=0
fail() { echo "--- $1"; failed=1; }

# The tools the scripts look for (`command -v X`, `for tool in X Y`), each of
# which must be the probe of a line of the list. valgrind is on every machine
# of this kind and only `make valgrind` uses it.
listed=$(sed -n "/^needs='/,/^'/p" "$script" | awk 'NF >= 3 { for (i = 3; i <= NF; ++i) print $i }')
wanted=$(cd "$source" && grep -rhoE --exclude=check_dependencies.sh 'command -v "?[a-z0-9+_-]+' tests web/*.sh web/test fuzz bench/run.sh |
  awk '{ print $3 }' | tr -d '"' | sort -u)
wanted+=$'\n'$(cd "$source" && grep -rhoE '^for tool in [a-z0-9 +_-]+; do' tests web fuzz bench |
  sed 's/^for tool in //; s/; do$//' | tr ' ' '\n')
for tool in $(printf '%s\n' "$wanted" | sort -u); do
  case $tool in valgrind | tool | "") continue ;; esac
  grep -qxF "$tool" <<<"$listed" || fail "the tests look for $tool, which scripts/dependencies.sh does not install"
done
grep -q '/usr/bin/chromium' <<<"$listed" || fail "the browser test's Chromium is not in the list"

# Without root and without the tools: one line, the apt-get command, status 1.
if [ "$(id -u)" = 0 ] && command -v setpriv >/dev/null; then
  as_user=(setpriv --reuid=65534 --regid=65534 --clear-groups)
elif [ "$(id -u)" != 0 ]; then
  as_user=()
else
  as_user=(false)
fi
if [ "${as_user[0]-}" != false ]; then
  errors=$(mktemp)
  output=$("${as_user[@]}" env -i PATH=/nonexistent /bin/bash "$script" build 2>"$errors")
  status=$?
  expected="missing cmake g++ make: install with: sudo apt-get install -y --no-install-recommends cmake g++ make"
  [ "$status" = 1 ] || fail "a user without the build tools got status $status, not 1"
  [ -z "$output" ] || fail "a user without the build tools got standard output: $output"
  [ "$(cat "$errors")" = "$expected" ] || fail "a user without the build tools got: $(cat "$errors")"
  rm -f "$errors"
fi

# The check mode names nothing once `make test` has installed its list.
missing=$(bash "$script" --check test) || fail "make test left missing: $missing"
bash "$script" nonsense >/dev/null 2>&1
[ $? = 2 ] || fail "an unknown group is not a usage error"
exit "$failed"
