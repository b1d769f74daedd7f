#!/usr/bin/env bash
# The real program on a desktop without Tahoma: every label's text must fit
# whole inside the client area (labels_fit.py reads them over the
# accessibility bus). tests/app/without_tahoma.sh hides the Tahoma.
# Usage: labels_fit.sh PROGRAM
# Exit 77 (skipped) when xvfb-run is missing or a mount namespace cannot be
# made (it needs root).
set -euo pipefail

program=${1:?usage: labels_fit.sh PROGRAM}
here=$(cd "$(dirname "$0")" && pwd)
program=$(cd "$(dirname "$program")" && pwd)/$(basename "$program")
python=/usr/bin/python3

command -v xvfb-run >/dev/null || { echo "xvfb-run not found: skipped"; exit 77; }
command -v dbus-run-session >/dev/null || { echo "missing: dbus-run-session"; exit 1; }
"$python" -c 'import pyatspi' 2>/dev/null || { echo "missing: python3-pyatspi (bash scripts/install-deps.sh installs it)"; exit 1; }
# The whole list first: grep -q stops reading at the first match, which
# pipefail would take for a failure of the writer.
have=$(locale -a | LC_ALL=C tr '[:upper:]' '[:lower:]')
grep -qx 'de_de.utf8' <<<"$have" ||
  { echo "locale de_DE.UTF-8 is not generated (bash scripts/install-deps.sh generates it)"; exit 1; }

# The program's settings (its zoom) in a scratch folder, never the user's.
XDG_CONFIG_HOME=$(mktemp -d)
export XDG_CONFIG_HOME
trap 'rm -rf "$XDG_CONFIG_HOME"' EXIT
bash "$here/../app/without_tahoma.sh" \
  xvfb-run -a -n $((100 + RANDOM % 800)) -s "-screen 0 1024x768x24 -noreset" \
    dbus-run-session -- "$python" -B "$here/labels_fit.py" "$program"
