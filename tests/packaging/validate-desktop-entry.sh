#!/usr/bin/env bash
# Checks a desktop entry with desktop-file-validate. Errors and warnings fail
# the test; hints (such as the entry being in two main categories on purpose)
# are shown but accepted.
set -uo pipefail
file=$1

if ! command -v desktop-file-validate >/dev/null 2>&1; then
  echo "SKIPPED: desktop-file-validate not found (package desktop-file-utils)"
  exit 77
fi

report=$(desktop-file-validate "$file" 2>&1)
status=$?
[ -n "$report" ] && echo "$report"
if [ $status -ne 0 ] || grep -qE ': (error|warning): ' <<<"$report"; then
  echo "FAIL: $file is not a valid desktop entry"
  exit 1
fi
echo "OK: $file"
