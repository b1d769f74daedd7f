#!/usr/bin/env bash
# Starts the program in a virtual X server, takes screenshots of the screen
# until the window's picture appears, and checks that it shows the diagram.
# Exit 77 (skipped) only when xvfb-run is missing.
set -euo pipefail

program=${1:?usage: window_shows_diagram.sh PROGRAM}
if ! command -v xvfb-run >/dev/null; then
  echo "xvfb-run not found: skipped"
  exit 77
fi
for tool in import python3; do
  command -v "$tool" >/dev/null || { echo "missing: $tool"; exit 1; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# The program's settings (its zoom) in the scratch folder, never the user's.
export XDG_CONFIG_HOME=$work/config
here=$(cd "$(dirname "$0")" && pwd)

# Inside the X server: start the program, then screenshot until the picture
# is found (or give up after about 30 s).
cat >"$work/inside.sh" <<INSIDE
set -u
"$program" &
pid=\$!
status=1
for i in \$(seq 1 60); do
  sleep 0.5
  if import -window root "$work/screen.png" 2>/dev/null &&
     python3 "$here/find_diagram.py" "$work/screen.png" >"$work/result.txt" 2>&1; then
    status=0
    break
  fi
done
kill \$pid 2>/dev/null
wait \$pid 2>/dev/null
exit \$status
INSIDE

if xvfb-run -a -n $((100 + RANDOM % 800)) -s "-screen 0 1024x768x24" bash "$work/inside.sh"; then
  cat "$work/result.txt"
  [ -n "${KEPLER_KEEP_SCREENSHOT:-}" ] && cp "$work/screen.png" "$KEPLER_KEEP_SCREENSHOT"
  exit 0
fi
echo "the window's picture did not show the diagram"
cat "$work/result.txt" 2>/dev/null || true
exit 1
