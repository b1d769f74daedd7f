#!/usr/bin/env bash
# Compares the program's start-up time and memory with a bare Qt window of
# the same size: the time until the window is mapped on the X server, and
# the peak resident memory at that moment. Medians of several starts.
#
# Usage: bench/startup_memory.sh [BUILD_DIR] [RUNS]
#   BUILD_DIR defaults to build, RUNS to 7.
set -euo pipefail
cd "$(dirname "$0")/.."

build=${1:-build}
runs=${2:-7}
program="$build/app/keplerprobleme"
bare="$build/bench/startup/bare_window"
for p in "$program" "$bare"; do
  [ -x "$p" ] || { echo "not found: $p (build the project with benchmarks first)"; exit 1; }
done

if [ -z "${KEPLER_BENCH_INSIDE:-}" ]; then
  command -v xvfb-run >/dev/null || { echo "xvfb-run is needed"; exit 1; }
  KEPLER_BENCH_INSIDE=1 exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$build" "$runs"
fi
command -v xwininfo >/dev/null || { echo "xwininfo (x11-utils) is needed"; exit 1; }

# Starts a program, waits until its window is viewable, prints
# "<milliseconds> <peak RSS in KiB>" and ends it.
one_start() {
  local start end pid rss
  start=$(date +%s%N)
  "$1" >/dev/null 2>&1 &
  pid=$!
  until xwininfo -root -tree 2>/dev/null | grep -q '"Simulation Keplerprobleme"'; do
    sleep 0.005
  done
  end=$(date +%s%N)
  sleep 0.3 # let the first paint finish before reading memory
  rss=$(awk '/VmHWM/ {print $2}' "/proc/$pid/status")
  kill "$pid"; wait "$pid" 2>/dev/null || true
  echo "$(( (end - start) / 1000000 )) $rss"
}

median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }

measure() {
  local times=() mems=() line
  for _ in $(seq "$runs"); do
    line=$(one_start "$1")
    times+=("${line% *}")
    mems+=("${line#* }")
  done
  echo "$(printf '%s\n' "${times[@]}" | median) $(printf '%s\n' "${mems[@]}" | median)"
}

read -r bare_ms bare_kb < <(measure "$bare")
read -r prog_ms prog_kb < <(measure "$program")
awk -v bt="$bare_ms" -v bm="$bare_kb" -v pt="$prog_ms" -v pm="$prog_kb" 'BEGIN {
  printf "bare Qt window:  start %5d ms  memory %7d KiB\n", bt, bm
  printf "keplerprobleme:  start %5d ms  memory %7d KiB\n", pt, pm
  printf "ratios:          start %.2fx (target 1.25x)  memory %.2fx (target 1.3x)\n", pt / bt, pm / bm
}'
