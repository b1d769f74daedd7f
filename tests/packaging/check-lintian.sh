#!/usr/bin/env bash
# lintian on one of the packages that check-deb.sh made: it must find neither
# errors nor warnings; its full report (informational notes too) is printed
# and kept in the work folder beside the package.
# Usage: check-lintian.sh WORK_DIR PACKAGE
set -euo pipefail
work_dir=$1 package=$2

if ! command -v lintian >/dev/null 2>&1; then
  echo "SKIPPED: lintian not found (package lintian)"
  exit 77
fi
debs=("$work_dir/${package}_"*.deb)
if [ ${#debs[@]} -ne 1 ] || [ ! -f "${debs[0]}" ]; then
  echo "FAIL: expected one ${package}_*.deb in $work_dir"
  exit 1
fi

log=$work_dir/lintian-$package.log
echo "lintian $(lintian --version | awk '{print $2}') on $(basename "${debs[0]}")"
status=0
lintian --no-cfg --display-info --fail-on error,warning "${debs[0]}" >"$log" 2>&1 || status=$?
grep -v '^running with root privileges' "$log" || true
if [ "$status" -ne 0 ]; then
  echo "FAIL: lintian finds errors or warnings in $package"
  exit 1
fi
echo "ok: lintian finds no error or warning in $package"
