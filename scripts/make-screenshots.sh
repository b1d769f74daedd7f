#!/usr/bin/env bash
# Takes the README's screenshots of the real program in the middle of a run,
# at display scales 1, 1.5 and 2, each in a virtual X server of its own:
#   screenshots/window.png, screenshots/window-1.5x.png, screenshots/window-2x.png
# Usage: bash scripts/make-screenshots.sh [DRIVER]
# DRIVER is the program's driver (keplerprobleme-driver), which starts the run
# by itself; without it build-release/driver/keplerprobleme-driver is built first.
# Needs xvfb-run (xvfb), import (imagemagick) and xwininfo (x11-utils), and
# faketime (faketime) to start every run on the same date: the program takes
# today's date, and a run ends where the two anomalies meet, so without it
# the picture changes with the day and near the start of January the runs
# are too short to catch in the middle.
# The program runs under the German locale de_DE.UTF-8, as on the desktops it
# is made for (readouts with a decimal comma); scripts/install-deps.sh
# generates it.
set -euo pipefail
cd "$(dirname "$0")/.."

if ! locale -a | grep -qix 'de_DE.utf8'; then
  echo "make-screenshots.sh: the locale de_DE.UTF-8 is not generated (bash scripts/install-deps.sh)" >&2
  exit 1
fi

for tool in xvfb-run import xwininfo faketime; do
  command -v "$tool" >/dev/null || { echo "make-screenshots.sh: missing $tool" >&2; exit 1; }
done

program=${1:-}
if [ -z "$program" ]; then
  cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DKEPLER_BUILD_TESTS=OFF -DKEPLER_BUILD_BENCH=OFF
  cmake --build build-release --target keplerprobleme-driver
  program=build-release/driver/keplerprobleme-driver
fi
program=$(cd "$(dirname "$program")" && pwd)/$(basename "$program")

# From 1 March the planet runs to the far end of its orbit (early July).
# Milliseconds per simulated step (the delay regulator shows them) and the
# number of steps the run is held after: about half-way there. The driver
# holds the run after that many steps, so every picture shows the same
# moment however fast the machine is.
start_date='2026-03-01 10:00:00'
delay_ms=40
cycles=60

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# The program's settings (its zoom) in the scratch folder, never the user's.
export XDG_CONFIG_HOME=$work/config
mkdir -p screenshots

# Inside the X server: start the program, let it run until it is held, grab
# its window.
cat >"$work/inside.sh" <<'INSIDE'
set -euo pipefail
program=$1 out=$2 cycles=$3 start=$4 delay=$5
# Only the calendar is moved; the program's millisecond clock runs as usual.
# Job control gives the program (under faketime) a process group of its own.
set -m
said=$out.said
LANG=de_DE.UTF-8 LC_ALL= LANGUAGE= DONT_FAKE_MONOTONIC=1 faketime -f "@$start" \
  "$program" --start "$delay" --hold-after "$cycles" >"$said" &
pid=$!
# The driver says "held" once the run stands still; a moment more for the
# X server to show the last paint.
for _ in $(seq 600); do
  grep -qx held "$said" && break
  sleep 0.1
done
status=0
id=$(xwininfo -root -tree | awk '/"Simulation Keplerprobleme"/ { print $1; exit }')
if ! grep -qx held "$said"; then
  echo "the run was not held within a minute" >&2
  status=1
elif [ -n "$id" ]; then
  sleep 1
  # No time stamps or other metadata: same pixels, same bytes.
  import -window "$id" -strip -define png:exclude-chunks=date,time "$out" || status=1
else
  echo "window not found" >&2
  status=1
fi
kill -- "-$pid" 2>/dev/null || true
wait "$pid" 2>/dev/null || true
exit $status
INSIDE

shoot() { # scale file
  QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=$1 \
    xvfb-run -a -s "-screen 0 1600x1400x24 -dpi 96" \
    bash "$work/inside.sh" "$program" "$work/shot.png" "$cycles" "$start_date" "$delay_ms"
  mv "$work/shot.png" "$2"
  echo "$2: $(identify -format '%wx%h' "$2")"
}

shoot 1 screenshots/window.png
shoot 1.5 screenshots/window-1.5x.png
shoot 2 screenshots/window-2x.png
