#!/usr/bin/env bash
# Builds the program as one web page, build-web/keplerprobleme.html, with
# Debian's emscripten: the Qt-free core and the page's face, nothing else.
# Installs what is missing first (emscripten among it), as the other
# commands do.
#   bash scripts/web.sh [BUILD_DIR] [CMAKE_OPTIONS...]
# BUILD_DIR (default build-web) may lie anywhere; the tests build there.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh

out=build-web
if [ $# -gt 0 ] && [ "${1#-}" = "$1" ]; then
  out=$1
  shift
fi
# Debian's emscripten wants Debian's node modules, whatever node comes first.
export NODE_PATH=/usr/share/nodejs
start=$SECONDS
emcmake cmake -S . -B "$out" -G Ninja -DCMAKE_BUILD_TYPE=Release -DKEPLER_QT=OFF \
  -DKEPLER_BUILD_TESTS=OFF -DKEPLER_BUILD_BENCH=OFF -DCMAKE_COMPILE_WARNING_AS_ERROR=ON "$@"
cmake --build "$out" --target keplerprobleme -j"$(nproc)"
page=$out/keplerprobleme.html
echo "$page: $(stat -c %s "$page") bytes, $(gzip -9c "$page" | wc -c) gzipped, built in $((SECONDS - start)) s"
