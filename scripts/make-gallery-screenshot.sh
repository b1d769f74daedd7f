#!/usr/bin/env bash
# Takes the README's picture of the controls' gallery in a virtual X server:
#   screenshots/gallery.png
# Usage: bash scripts/make-gallery-screenshot.sh [GALLERY]
# GALLERY is the built example (controls_gallery); without it
# build-release/examples/gallery/controls_gallery is built first.
# Needs xvfb-run (xvfb).
set -euo pipefail
cd "$(dirname "$0")/.."

command -v xvfb-run >/dev/null || { echo "make-gallery-screenshot.sh: missing xvfb-run" >&2; exit 1; }

gallery=${1:-}
if [ -z "$gallery" ]; then
  cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DKEPLER_BUILD_TESTS=OFF -DKEPLER_BUILD_BENCH=OFF
  cmake --build build-release --target controls_gallery
  gallery=build-release/examples/gallery/controls_gallery
fi

mkdir -p screenshots
# The gallery saves its own window once it is shown and quits.
QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=1 xvfb-run -a -s "-screen 0 1280x1024x24" \
  "$gallery" --grab screenshots/gallery.png
echo "screenshots/gallery.png"
