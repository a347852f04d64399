#!/usr/bin/env bash
# man_page_test.sh MELVORO_CLI PAGE.gz: every command, option and keyword melvoro-cli's usage
# names is in bold in the manual page, each command at the start of its entry.
set -euo pipefail
cli=$1 page=$2

status=0
usage=$("$cli" 2>&1 >/dev/null) || status=$?
[ "$status" -eq 2 ] || { echo "melvoro-cli without a command exited $status, not 2"; exit 1; }
roff=$(gzip -dc "$page")

failures=0
commands=0
while read -r lead program command arguments; do
  [ "$lead $program" = "- melvoro-cli" ] || { echo "not a usage line: $lead $program $command"; exit 1; }
  commands=$((commands + 1))
  if ! grep -q "^\\\\fB$command\\\\fR" <<<"$roff"; then
    echo "no entry for the command $command"
    failures=$((failures + 1))
  fi
  # Placeholders are in capitals; the words typed as they are (spb, own, --link) are not.
  for word in ${arguments//[^a-z-]/ }; do
    [[ $word =~ ^(--)?[a-z][a-z-]*$ ]] || continue
    if ! grep -qE "\\\\fB([^\\\\]* )?$word( [^\\\\]*)?\\\\fR" <<<"$roff"; then
      echo "$command: $word is not in the page"
      failures=$((failures + 1))
    fi
  done
done < <(sed 's/^usage: /- /; s/^  */- /' <<<"$usage")

[ "$commands" -ge 10 ] || { echo "only $commands usage lines in: $usage"; exit 1; }
[ "$failures" -eq 0 ]
