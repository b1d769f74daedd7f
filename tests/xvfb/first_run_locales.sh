#!/usr/bin/env bash
# The real program's first run on 8 December 2026 at delay 0, in a virtual X
# server, under a German, an English and a Turkish desktop locale: each run
# must end by itself with both readouts showing the same text ("-0,1 °" or
# "-0.1 °"). The readouts are read the way a screen reader reads them, over
# the accessibility bus, and printed, so the log shows all three runs.
# Usage: first_run_locales.sh DRIVER
# What it saw also goes to first_run_locales.log in the working directory,
# for logs that show only failing tests.
# Exit 77 (skipped) only when xvfb-run is missing.
set -euo pipefail

driver=${1:?usage: first_run_locales.sh DRIVER}
if ! command -v xvfb-run >/dev/null; then
  echo "xvfb-run not found: skipped"
  exit 77
fi
# Debian's own Python: the accessibility bindings are installed for it.
python=/usr/bin/python3
for tool in dbus-run-session faketime "$python"; do
  command -v "$tool" >/dev/null || { echo "missing: $tool (bash scripts/install-deps.sh installs it)"; exit 1; }
done
"$python" -c 'import pyatspi' 2>/dev/null || { echo "missing: python3-pyatspi (bash scripts/install-deps.sh installs it)"; exit 1; }
here=$(cd "$(dirname "$0")" && pwd)

# A locale that is not there would silently fall back to "C": refuse.
have=$(locale -a | LC_ALL=C tr '[:upper:]' '[:lower:]')
for l in de_de.utf8 en_us.utf8 tr_tr.utf8; do
  grep -qx "$l" <<<"$have" || { echo "locale $l is not generated (bash scripts/install-deps.sh generates it)"; exit 1; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# The program's settings (its zoom) in the scratch folder, never the user's.
export XDG_CONFIG_HOME=$work/config

# Inside the X server and a D-Bus session of its own: start the program with
# the locale, read its window until the run is over, then end it. Only the
# calendar is faked; the program's millisecond clock runs as usual.
cat >"$work/inside.sh" <<'INSIDE'
set -u
driver=$1 lang=$2 expected=$3 here=$4 python=$5 log=$6
set -m
# faketime preloads its library ahead of a sanitizer build's runtime, which
# that runtime accepts when told to.
LANG=$lang LC_ALL= DONT_FAKE_MONOTONIC=1 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 \
  ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}verify_asan_link_order=0 \
  faketime -f '@2026-12-08 10:00:00' "$driver" --start 0 2>>"$log" &
pid=$!
"$python" "$here/read_first_run.py" "$expected" 60 "$pid" 2>>"$log"
status=$?
kill -- "-$pid" 2>/dev/null
wait "$pid" 2>/dev/null
exit $status
INSIDE

exec > >(tee first_run_locales.log)
failed=0
run() { # locale expected
  echo "LANG=$1:"
  : >"$work/log"
  # A display number of its own, so parallel tests do not race for one;
  # -noreset keeps the server up when the accessibility bus connects and
  # leaves again before the program starts.
  if ! QT_QPA_PLATFORM=xcb xvfb-run -a -n $((100 + RANDOM % 800)) -s "-screen 0 1024x768x24 -noreset" \
      dbus-run-session -- bash "$work/inside.sh" "$driver" "$1" "$2" "$here" "$python" "$work/log" 2>>"$work/log"; then
    echo "  FAILED under $1; what the program and the buses said:"
    sed 's/^/    /' "$work/log"
    failed=1
  fi
}
run de_DE.UTF-8 "-0,1 °"
run en_US.UTF-8 "-0.1 °"
run tr_TR.UTF-8 "-0,1 °"
exit $failed
