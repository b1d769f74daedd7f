#!/usr/bin/env bash
# Runs atspi_tree.py against the real program in a session of its own: a
# virtual X server, a private D-Bus session bus and the accessibility bus
# that at-spi2-core starts on demand. Exit 77 (skipped) when a piece is
# missing (packages xvfb, dbus-daemon, at-spi2-core, python3-pyatspi).
set -euo pipefail
program=${1:?usage: run-atspi-test.sh PROGRAM}
here=$(cd "$(dirname "$0")" && pwd)

for tool in xvfb-run dbus-run-session; do
  command -v "$tool" >/dev/null || { echo "SKIPPED: $tool not found"; exit 77; }
done
# pyatspi belongs to the system's Python, which need not be the first on PATH.
python=""
for p in /usr/bin/python3 python3; do
  if command -v "$p" >/dev/null && "$p" -c 'import gi, pyatspi' 2>/dev/null; then
    python=$(command -v "$p")
    break
  fi
done
[ -n "$python" ] || { echo "SKIPPED: no Python with pyatspi (package python3-pyatspi)"; exit 77; }
# The keyboard's way to the picture's menu is pressed, and its copy read back.
for tool in xdotool xclip; do
  command -v "$tool" >/dev/null || { echo "missing: $tool (bash scripts/install-deps.sh installs it)"; exit 1; }
done

runtime=$(mktemp -d)
trap 'rm -rf "$runtime"' EXIT
export XDG_RUNTIME_DIR=$runtime
# The program's settings (its zoom) in the scratch folder, never the user's.
export XDG_CONFIG_HOME=$runtime/config
export QT_QPA_PLATFORM=xcb
# The screen reader switches accessibility on, not the environment.
unset QT_LINUX_ACCESSIBILITY_ALWAYS_ON QT_ACCESSIBILITY NO_AT_BRIDGE

# A display number of its own: xvfb-run -a alone races with other X servers
# started at the same moment (as by the other tests under ctest -j). The
# accessibility bus connects to the display and leaves again; without
# -noreset the server resets just then and turns the program away.
status=0
xvfb-run -a -n $((100 + RANDOM % 800)) -s "-screen 0 1024x768x24 -noreset" \
  dbus-run-session -- "$python" "$here/atspi_tree.py" "$program" >"$runtime/log" 2>&1 || status=$?
# A bus run without root's limits says so on every start; that is noise.
grep -v 'Failed to set fd limit' "$runtime/log" || true
exit "$status"
