#!/usr/bin/env bash
# Compares the program's start-up time and memory with a bare Qt window of
# the same size and title: each starts, paints its window once and quits
# (the program through its driver). Reports the median
# wall time from start to exit and the median peak resident memory over
# several starts, on a virtual X server.
#
# A second baseline, the bare window with one line of text, shows the share
# that loading the system's fonts takes in any window with text.
#
# Usage: bench/startup_memory.sh [BUILD_DIR] [RUNS]
#   BUILD_DIR defaults to build, RUNS to 9.
set -euo pipefail
cd "$(dirname "$0")/.."

build=${1:-build}
runs=${2:-9}
program="$build/driver/keplerprobleme-driver"
bare="$build/bench/startup/bare_window"
for p in "$program" "$bare"; do
  [ -x "$p" ] || { echo "not found: $p (build the project with benchmarks first)"; exit 1; }
done

if [ -z "${KEPLER_BENCH_INSIDE:-}" ]; then
  command -v xvfb-run >/dev/null || { echo "xvfb-run is needed"; exit 1; }
  KEPLER_BENCH_INSIDE=1 exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$build" "$runs"
fi

python3 - "$runs" "$bare" "$program" <<'PY'
import os, resource, statistics, subprocess, sys, time

runs = int(sys.argv[1])
bare, program = sys.argv[2], sys.argv[3]

def one_start(cmd):
    """Wall time in ms and peak resident memory in KiB of one start."""
    pid_start = time.perf_counter()
    pid = os.fork()
    if pid == 0:
        fd = os.open(os.devnull, os.O_WRONLY)
        os.dup2(fd, 1)
        os.dup2(fd, 2)
        os.execv(cmd[0], cmd)
    _, status, usage = os.wait4(pid, 0)
    elapsed = (time.perf_counter() - pid_start) * 1000
    if status != 0:
        sys.exit(f"{cmd[0]} failed with status {status}")
    return elapsed, usage.ru_maxrss

def measure(cmd):
    one_start(cmd)  # warm the file cache
    samples = [one_start(cmd) for _ in range(runs)]
    return statistics.median(s[0] for s in samples), statistics.median(s[1] for s in samples)

bt, bm = measure([bare])
tt, tm = measure([bare, "--text"])
pt, pm = measure([program, "--quit-after-first-paint"])
print(f"bare Qt window:            start {bt:6.1f} ms  memory {bm:7.0f} KiB")
print(f"bare Qt window with text:  start {tt:6.1f} ms  memory {tm:7.0f} KiB")
print(f"keplerprobleme:            start {pt:6.1f} ms  memory {pm:7.0f} KiB")
print(f"ratios to the bare window: start {pt / bt:.2f}x (goal at most 1.15x)  memory {pm / bm:.2f}x (goal at most 1.25x)")
print(f"ratios to the text window: start {pt / tt:.2f}x  memory {pm / tm:.2f}x")
PY
