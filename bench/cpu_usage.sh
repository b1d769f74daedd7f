#!/usr/bin/env bash
# Measures the processor time the real program uses: idle, and during a run
# at delay 500 ms (started by the program's driver). Reads the
# process's user and system time from /proc over a fixed window.
#
# Usage: bench/cpu_usage.sh [DRIVER] [SECONDS]
#   DRIVER defaults to build/driver/keplerprobleme-driver, SECONDS to 10.
# Runs under Xvfb when xvfb-run is there, otherwise on Qt's offscreen platform.
set -euo pipefail
cd "$(dirname "$0")/.."

program=${1:-build/driver/keplerprobleme-driver}
seconds=${2:-10}
[ -x "$program" ] || { echo "program not found: $program (build it first)"; exit 1; }

if [ -z "${KEPLER_BENCH_INSIDE:-}" ] && command -v xvfb-run >/dev/null; then
  KEPLER_BENCH_INSIDE=1 exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$program" "$seconds"
fi
[ -n "${DISPLAY:-}" ] || export QT_QPA_PLATFORM=offscreen

ticks_per_second=$(getconf CLK_TCK)

# utime + stime of a process, in clock ticks.
cpu_ticks() {
  local stat
  stat=$(cat "/proc/$1/stat")
  stat=${stat##*) } # fields after the command name
  read -r -a f <<<"$stat"
  echo $(( f[11] + f[12] ))
}

# Starts the program with the given driver options, lets it settle, then
# prints its share of one core over the window in percent.
measure() {
  "$program" "$@" &
  local pid=$!
  sleep 2
  local before after
  before=$(cpu_ticks "$pid")
  sleep "$seconds"
  after=$(cpu_ticks "$pid")
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  awk -v t=$(( after - before )) -v hz="$ticks_per_second" -v s="$seconds" \
    'BEGIN { printf "%.2f", 100 * t / hz / s }'
}

idle=$(measure)
running=$(measure --start 500)
echo "idle: ${idle} % of one core"
echo "run at delay 500: ${running} % of one core (over ${seconds} s)"
