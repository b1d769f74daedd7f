#!/usr/bin/env bash
# Installs what is missing, builds in release mode and starts the program.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh

cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DKEPLER_BUILD_TESTS=OFF -DKEPLER_BUILD_BENCH=OFF
cmake --build build-release -j"$(nproc)" --target keplerprobleme

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display found (neither DISPLAY nor WAYLAND_DISPLAY is set)."
  echo "To try the program without a desktop, run it in a virtual X server:"
  echo "  xvfb-run -a build-release/app/keplerprobleme"
  exit 1
fi
exec build-release/app/keplerprobleme
