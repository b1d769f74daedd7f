#!/usr/bin/env bash
# Checks an AppStream metainfo file with appstreamcli, offline. Any issue above
# pedantic level fails the test.
set -uo pipefail
file=$1

if ! command -v appstreamcli >/dev/null 2>&1; then
  echo "SKIPPED: appstreamcli not found (package appstream)"
  exit 77
fi

if ! appstreamcli validate --no-net --strict --explain "$file"; then
  echo "FAIL: $file is not valid AppStream metainfo"
  exit 1
fi
echo "OK: $file"
