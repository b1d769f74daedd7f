#!/usr/bin/env bash
# Renders the main window's background picture from its source:
# resources/diagram.svg -> resources/diagram.png, 433 by 433, 24-bit RGB.
# Needs rsvg-convert (librsvg2-bin) and convert (imagemagick).
set -euo pipefail
cd "$(dirname "$0")/.."

src=resources/diagram.svg
out=resources/diagram.png
tmp=$(mktemp --suffix=.png)
trap 'rm -f "$tmp"' EXIT

rsvg-convert --width 433 --height 433 --background-color white -o "$tmp" "$src"
# Flatten onto white, drop the alpha channel and any metadata that would
# change between runs (time stamps), so the output is reproducible.
convert "$tmp" -background white -alpha remove -alpha off -flatten \
  -type TrueColor -strip -define png:exclude-chunks=date,time PNG24:"$out"
identify "$out"
