#!/usr/bin/env bash
# The driver's --hold-after, which the screenshot script relies on: the run
# it starts is held after the given number of cycles, the driver says so on
# standard output and goes on running until it is ended.
set -euo pipefail

driver=${1:?usage: driver_holds_run.sh DRIVER}
export QT_QPA_PLATFORM=offscreen
work=$(mktemp -d)
trap 'kill "$pid" 2>/dev/null || true; rm -rf "$work"' EXIT
# The program's settings (its zoom) in the scratch folder, never the user's.
export XDG_CONFIG_HOME=$work/config

"$driver" --start 0 --hold-after 5 >"$work/said" &
pid=$!
for _ in $(seq 600); do
  grep -qx held "$work/said" && break
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.1
done
if ! grep -qx held "$work/said"; then
  echo "the driver did not say that the run is held"
  exit 1
fi
sleep 1
if ! kill -0 "$pid" 2>/dev/null; then
  echo "the driver ended instead of holding the run"
  exit 1
fi
echo "the run was held"
