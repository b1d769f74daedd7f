#!/usr/bin/env bash
# Runs a command in the X server of DISPLAY under the window manager
# openbox, started first and ended after it; the command's exit status is
# this script's. Usage: with_openbox.sh COMMAND [ARGUMENTS...]
set -euo pipefail
log=$(mktemp)
openbox --sm-disable >"$log" 2>&1 &
wm=$!
trap 'kill "$wm" 2>/dev/null || true; wait "$wm" 2>/dev/null || true; rm -f "$log"' EXIT
# The window manager is there once it names itself on the root window.
for _ in $(seq 100); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
  sleep 0.1
done
xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id' || { echo "openbox did not start:"; cat "$log"; exit 1; }
status=0
"$@" || status=$?
exit "$status"
