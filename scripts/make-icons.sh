#!/usr/bin/env bash
# Renders the application icon's PNG sizes from its SVG source. The PNGs are
# committed, so this only needs to run after the SVG has changed. Uses
# rsvg-convert (librsvg2-bin) when present, else ImageMagick's convert; the
# output carries no time stamps, so the same SVG gives the same bytes. The
# 16-pixel size is drawn by hand on the pixel grid (make-icon-16.py): a
# rendering of the SVG smears at that size.
set -euo pipefail
cd "$(dirname "$0")/.."

# The application id and the icon sizes are set once, in CMakeLists.txt.
cmake_value() { sed -n "s/^set($1 \(.*\))$/\1/p" CMakeLists.txt; }
app_id=$(cmake_value KEPLER_APP_ID)
read -r -a sizes <<<"$(cmake_value KEPLER_ICON_SIZES)"
[ -n "$app_id" ] && [ ${#sizes[@]} -gt 0 ] || { echo "make-icons.sh: KEPLER_APP_ID or KEPLER_ICON_SIZES not found in CMakeLists.txt" >&2; exit 1; }
src=resources/desktop/${app_id}.svg
out=resources/desktop/icons

if command -v rsvg-convert >/dev/null 2>&1; then
  render() { rsvg-convert --width "$1" --height "$1" --format png --output "$2" "$src"; }
elif command -v convert >/dev/null 2>&1; then
  render() {
    convert -background none -density 1200 "$src" -resize "$1x$1" -strip \
      -define png:exclude-chunks=date,time "png32:$2"
  }
else
  echo "make-icons.sh: needs rsvg-convert (package librsvg2-bin) or convert (package imagemagick)" >&2
  exit 1
fi

for n in "${sizes[@]}"; do
  [ "$n" != 16 ] || continue
  mkdir -p "$out/${n}x${n}"
  render "$n" "$out/${n}x${n}/${app_id}.png"
  echo "$out/${n}x${n}/${app_id}.png"
done

mkdir -p "$out/16x16"
python3 scripts/make-icon-16.py "$out/16x16/${app_id}.png"
echo "$out/16x16/${app_id}.png"
