#!/usr/bin/env bash
# Installs what is missing, builds and runs the whole test suite three
# times: a normal build, a Release build (the configuration the package is
# made in), then a build under AddressSanitizer and
# UndefinedBehaviorSanitizer that fails on any report.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh

jobs=$(nproc)

# Any warning fails the build here.
werror=-DCMAKE_COMPILE_WARNING_AS_ERROR=ON

echo "== Normal build"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$werror"
cmake --build build -j"$jobs"
ctest --test-dir build --output-on-failure -j"$jobs"
# What lintian says about each package, also when it passes.
for log in build/tests/packaging/deb-check/lintian-*.log; do
  [ -f "$log" ] || continue
  name=${log##*/lintian-}
  echo "== lintian on the Debian package ${name%.log}"
  cat "$log"
done
echo "== The real program's first run under three locales, as read over the accessibility bus"
cat build/tests/xvfb/first_run_locales.log 2>/dev/null || echo "(the test did not run)"

# The package is built in Release; its optimiser warns about other things,
# so that configuration must build with warnings as errors too, and its
# tests must pass as the normal build's do.
echo "== Release build"
cmake -S . -B build-release-check -G Ninja -DCMAKE_BUILD_TYPE=Release "$werror"
cmake --build build-release-check -j"$jobs"
ctest --test-dir build-release-check --output-on-failure -j"$jobs"

echo "== Build under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKEPLER_SANITIZE=ON -DKEPLER_BUILD_BENCH=OFF "$werror"
cmake --build build-asan -j"$jobs"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
LSAN_OPTIONS=suppressions="$PWD/scripts/lsan.supp" \
  ctest --test-dir build-asan --output-on-failure -j"$jobs"
