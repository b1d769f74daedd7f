#!/usr/bin/env bash
# The installed program reads no environment: the driver's options are not
# reachable through variables. The driver itself must quit after its first
# paint, which shows that the wait below is long enough to tell.
set -euo pipefail

program=${1:?usage: reads_no_environment.sh PROGRAM DRIVER}
driver=${2:?usage: reads_no_environment.sh PROGRAM DRIVER}
export QT_QPA_PLATFORM=offscreen

for name in KEPLER_AUTOSTART_DELAY KEPLER_QUIT_AFTER_FIRST_PAINT; do
  if grep -q -a -F "$name" "$program"; then
    echo "the program mentions $name"
    exit 1
  fi
done

if ! timeout 60 "$driver" --quit-after-first-paint; then
  echo "the driver did not quit after its first paint"
  exit 1
fi

status=0
KEPLER_QUIT_AFTER_FIRST_PAINT=1 KEPLER_AUTOSTART_DELAY=0 timeout 5 "$program" || status=$?
if [ "$status" -ne 124 ]; then
  echo "the program ended by itself (status $status) instead of running on"
  exit 1
fi
echo "the program ignored both variables"
