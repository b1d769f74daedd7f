#!/usr/bin/env bash
# Random use of the real program for a long while: seeded random clicks,
# keys, typing, menus, held spin buttons, regulator drags and Start storms in
# a virtual X server under the German locale, with the window's answers, the
# process and its memory checked every few seconds (tests/xvfb/random_use.py).
# The rounds take the seeds SEED, SEED+1, ..., five minutes each, every one
# in a program started anew. It prints each round's actions, memory and
# result, and the seed and last actions of every failure.
#
# Usage: bash scripts/random-use.sh MINUTES SEED [PROGRAM [OPTIONS...]]
# PROGRAM defaults to the program built under AddressSanitizer and
# UndefinedBehaviorSanitizer in build-asan/, which is built first. OPTIONS go
# to random_use.py: --spare-menu never opens the menu bar's list; --actions N
# replays one round, seed SEED, stopping after N actions (MINUTES is then
# not used).
# Needs xvfb-run, xdotool, python3-xlib and the locale de_DE.UTF-8
# (bash scripts/install-deps.sh installs them).
set -euo pipefail

usage="usage: bash scripts/random-use.sh MINUTES SEED [PROGRAM [OPTIONS...]]"
minutes=${1:?$usage}
seed=${2:?$usage}
program=${3:-}
shift $(($# < 3 ? $# : 3))
# The program as the caller named it, before the change of folder.
if [ -n "$program" ]; then
  program=$(cd "$(dirname "$program")" && pwd)/$(basename "$program")
fi
cd "$(dirname "$0")/.."

if [ -z "$program" ]; then
  cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKEPLER_SANITIZE=ON -DKEPLER_BUILD_BENCH=OFF
  cmake --build build-asan --target keplerprobleme
  program=build-asan/app/keplerprobleme
fi

# As the test suite runs a sanitizer build: any report ends the program.
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$PWD/scripts/lsan.supp}

for option in "$@"; do
  if [ "$option" = --actions ]; then
    exec bash tests/xvfb/in_xvfb.sh random_use.py "$program" --seeds "$seed" --round 100000 "$@"
  fi
done
exec bash tests/xvfb/in_xvfb.sh random_use.py "$program" \
  --seed "$seed" --total "$(awk -v m="$minutes" 'BEGIN { print m * 60 }')" --round 300 "$@"
