#!/usr/bin/env bash
# The installed program takes no command line, not even Qt's own options: an
# unknown platform given with -platform would stop Qt at once, and the
# program runs on instead. The driver passes such options on, which shows
# that Qt would have stopped.
set -euo pipefail

program=${1:?usage: takes_no_options.sh PROGRAM DRIVER}
driver=${2:?usage: takes_no_options.sh PROGRAM DRIVER}
export QT_QPA_PLATFORM=offscreen

status=0
timeout 60 "$driver" --quit-after-first-paint -platform no-such-platform 2>/dev/null || status=$?
if [ "$status" -eq 0 ] || [ "$status" -eq 124 ]; then
  echo "the driver ran with an unknown platform (status $status)"
  exit 1
fi

status=0
timeout 5 "$program" -platform no-such-platform -reverse || status=$?
if [ "$status" -ne 124 ]; then
  echo "the program ended by itself (status $status) instead of running on"
  exit 1
fi
echo "the program ignored Qt's options"
