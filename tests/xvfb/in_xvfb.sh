#!/usr/bin/env bash
# Runs a test that works the real program's window by hand (random_use.py,
# infos_keys.py) in a virtual X server of its own, with no window manager
# (as in a kiosk session) or with openbox (--wm), under the German locale
# de_DE.UTF-8.
# Usage: in_xvfb.sh [--screen WIDTHxHEIGHT] [--wm] SCRIPT PROGRAM [SCRIPT ARGUMENTS...]
# SCRIPT is a file name beside this one; it gets PROGRAM, a scratch folder
# and the remaining arguments. Exit 77 (skipped) only when xvfb-run is
# missing; a missing tool or locale fails and says what to install.
set -euo pipefail

screen_size=1024x768
if [ "${1:-}" = --screen ]; then
  screen_size=${2:?usage: in_xvfb.sh --screen WIDTHxHEIGHT SCRIPT PROGRAM [ARGS...]}
  shift 2
fi
wm=()
if [ "${1:-}" = --wm ]; then
  command -v openbox >/dev/null || { echo "missing: openbox (bash scripts/install-deps.sh installs it)"; exit 1; }
  wm=(bash "$(cd "$(dirname "$0")" && pwd)/with_openbox.sh")
  shift
fi
script=${1:?usage: in_xvfb.sh SCRIPT PROGRAM [ARGS...]}
program=${2:?usage: in_xvfb.sh SCRIPT PROGRAM [ARGS...]}
shift 2
here=$(cd "$(dirname "$0")" && pwd)

if ! command -v xvfb-run >/dev/null; then
  echo "xvfb-run not found: skipped"
  exit 77
fi
# Debian's own Python: python3-xlib is installed for it.
python=/usr/bin/python3
command -v xdotool >/dev/null || { echo "missing: xdotool (bash scripts/install-deps.sh installs it)"; exit 1; }
"$python" -c 'import Xlib' 2>/dev/null || { echo "missing: python3-xlib (bash scripts/install-deps.sh installs it)"; exit 1; }
# A locale that is not there would silently fall back to "C": refuse.
# The whole list first: grep -q stops reading at the first match, which
# pipefail would take for a failure of the writer.
have=$(locale -a | LC_ALL=C tr '[:upper:]' '[:lower:]')
grep -qx 'de_de.utf8' <<<"$have" ||
  { echo "locale de_DE.UTF-8 is not generated (bash scripts/install-deps.sh generates it)"; exit 1; }
[ -x "$program" ] || { echo "not a program: $program"; exit 1; }
program=$(cd "$(dirname "$program")" && pwd)/$(basename "$program")

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# The program's settings (its zoom) go to the scratch folder, never to the
# user's own: every test starts as on a first start.
export XDG_CONFIG_HOME=$work/config
# A home of its own too: the save dialog starts there, and a picture saved
# by a test never lands among the user's files.
export HOME=$work/home
mkdir -p "$HOME"

# A display number of its own, so parallel tests do not race for one;
# -noreset keeps the server when the last client but ours leaves.
xvfb-run -a -n $((100 + RANDOM % 800)) -s "-screen 0 ${screen_size}x24 -noreset" \
  "${wm[@]}" "$python" -B "$here/$script" "$program" "$work" "$@"
