#!/usr/bin/env bash
# Builds the program as one web page, build-web/keplerprobleme.html, with
# Debian's emscripten: the Qt-free core and the page's face, nothing else.
# Installs nothing: scripts/install-deps.sh brings emscripten.
set -euo pipefail
cd "$(dirname "$0")/.."
# Debian's emscripten wants Debian's node modules, whatever node comes first.
export NODE_PATH=/usr/share/nodejs
start=$SECONDS
emcmake cmake -S . -B build-web -G Ninja -DCMAKE_BUILD_TYPE=Release -DKEPLER_QT=OFF \
  -DKEPLER_BUILD_TESTS=OFF -DKEPLER_BUILD_BENCH=OFF -DCMAKE_COMPILE_WARNING_AS_ERROR=ON "$@"
cmake --build build-web --target keplerprobleme -j"$(nproc)"
echo "build-web/keplerprobleme.html: $(stat -c %s build-web/keplerprobleme.html) bytes," \
  "$(gzip -9c build-web/keplerprobleme.html | wc -c) gzipped, built in $((SECONDS - start)) s"
