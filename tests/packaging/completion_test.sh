#!/usr/bin/env bash
# completion_test.sh MELVORO_CLI COMPLETION: the completion offers melvoro-cli's commands as its
# usage lists them, the stations as `melvoro-cli stations` prints them, and the options of get
# and feedback, driven the way bash drives it.
set -uo pipefail
export LC_ALL=C.UTF-8
cli_built=$1 completion=$2

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# The stations command starts up as every command does: a session from auth, a home of its own.
cp "$cli_built" "$work/melvoro-cli"
printf '#!/bin/sh\n[ "$1" = -a ] && echo remixsid=test\n' >"$work/auth"
chmod +x "$work/auth"
cli() { env -i HOME="$work" PATH=/usr/bin:/bin LC_ALL=C.UTF-8 "$work/melvoro-cli" "$@"; }

# shellcheck source=/dev/null
source "$completion"

failures=0
# What completing the last word of `melvoro-cli WORD...` offers, one a line, sorted.
offered() {
  COMP_WORDS=(melvoro-cli "$@")
  COMP_CWORD=$#
  COMPREPLY=()
  _melvoro_cli
  printf '%s\n' "${COMPREPLY[@]}" | sort
}
# expect WHAT EXPECTED_LINES WORD...
expect() {
  local what=$1 expected got
  expected=$(sort <<<"$2")
  shift 2
  got=$(offered "$@")
  if [ "$got" != "$expected" ]; then
    printf '%s: offered\n%s\ninstead of\n%s\n' "$what" "$got" "$expected"
    failures=$((failures + 1))
  fi
}
lines() { printf '%s\n' "$@"; }
quoted_lines() { while IFS= read -r line; do printf '%q\n' "$line"; done; }

usage=$(cli 2>&1 >/dev/null)
commands=$(sed -n 's/^ *\(usage: \)\{0,1\}melvoro-cli \([a-z-]*\).*/\2/p' <<<"$usage")
[ "$(wc -l <<<"$commands")" -ge 10 ] || { echo "no commands in: $usage"; exit 1; }
options_of() { grep -o -- "--[a-z-]*" <<<"$(grep "melvoro-cli $1 " <<<"$usage")"; }

expect "commands" "$commands" ''
expect "commands starting with s" "$(grep '^s' <<<"$commands")" s
expect "stations" "$(lines msk spb)" stations ''
expect "charts" "$(lines lastfm msk spb)" charts ''
expect "after charts lastfm" "" charts lastfm ''

for site in spb msk; do
  stations=$(cli stations $site) || { echo "melvoro-cli stations $site failed"; exit 1; }
  [ -n "$stations" ] || { echo "no $site stations"; exit 1; }
  expect "$site stations" "$(quoted_lines <<<"$stations")" charts $site ''
  # A prefix that runs past the first space, typed escaped and typed in quotes.
  name=$(grep -m1 -E '^[^ ]+ [^ -]' <<<"$stations")
  first=${name%% *}
  prefix=${name:0:${#first}+3}
  matching=$(while IFS= read -r s; do [[ $s == "$prefix"* ]] && printf '%s\n' "$s"; done <<<"$stations")
  expect "$site stations from '$prefix' escaped" "$(quoted_lines <<<"$matching")" \
    charts $site "$(printf '%q' "$prefix")"
  expect "$site stations from '$prefix' in quotes" "$matching" charts $site "'$prefix"
done

# Every option of get is offered where it may stand: a link anywhere, a name after a link's URL.
get_offered=$( (offered get --; offered get --link http://x/a.mp3 '') | sort)
[ "$get_offered" = "$(options_of get | sort -u)" ] ||
  { echo "get: offered $get_offered, usage has $(options_of get)"; failures=$((failures + 1)); }
expect "get: no option as a link's URL" "" get --link --
expect "get: a link after a name" "--link" get 'A - B' --
expect "feedback options" "$(options_of feedback)" feedback --
expect "feedback options left" "$(options_of feedback | grep -vx -- --email)" feedback --email a@b.c --
expect "feedback: an address is typed" "" feedback --email ''

exit $((failures > 0))
