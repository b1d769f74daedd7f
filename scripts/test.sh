#!/usr/bin/env bash
# Installs what is missing, builds and runs the whole test suite twice: a
# Release build (the configuration the package is made in), which also makes
# the API reference and checks the packages, then a build under
# AddressSanitizer and UndefinedBehaviorSanitizer that fails on any report.
# Both treat every warning as an error. Each stage prints its time; the
# sanitizer build runs while the Release tests do.
set -euo pipefail
cd "$(dirname "$0")/.."

jobs=$(nproc)
# Any warning fails the build here.
werror=-DCMAKE_COMPILE_WARNING_AS_ERROR=ON
# Each ctest run's output, to repeat its summary line at the end.
logs=$(mktemp -d)
trap 'rm -rf "$logs"' EXIT

# stage NAME COMMAND...: runs the command and prints how long it took;
# returns the command's status.
stage() {
  local name=$1
  shift
  local start=$SECONDS status=0
  echo "== $name"
  "$@" || status=$?
  echo "== $name: $((SECONDS - start)) s"
  return "$status"
}

# run_tests DIR: the build's whole suite, its output kept for the end.
run_tests() {
  ctest --test-dir "$1" --output-on-failure -j"$jobs" 2>&1 | tee "$logs/$(basename "$1").log"
}

stage "Installing what is missing" bash scripts/install-deps.sh

# The compiler cache on this machine is shared by every clone: paths inside
# the project are hashed relative to it, so a clean clone elsewhere hits the
# objects an earlier run or a developer's build made from the same sources.
cache=()
if command -v ccache >/dev/null; then
  export CCACHE_BASEDIR=$PWD CCACHE_NOHASHDIR=true
  cache=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi

# The package is built in Release; its optimiser warns about things a
# lower level does not see, so this is the build with warnings as errors
# that everything, packages and API reference included, must pass.
build_release() {
  cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release "$werror" "${cache[@]}"
  cmake --build build -j"$jobs"
}
stage "Release build" build_release

# Debug keeps the assertions; the packages and the API reference were
# checked in the Release build and are not made again. Line tables alone
# (-g1) keep file and line in every sanitizer report and compile a fifth
# faster than full debug information.
build_sanitized() {
  cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKEPLER_SANITIZE=ON \
    -DKEPLER_BUILD_BENCH=OFF -DKEPLER_PACKAGING_CHECKS=OFF "$werror" "${cache[@]}" \
    -DCMAKE_CXX_FLAGS_DEBUG=-g1
  cmake --build build-asan -j"$jobs"
}
# The Release tests mostly wait (on X servers, timers, dpkg and lintian),
# so the sanitizer build compiles beside them; its output follows theirs.
echo "== Sanitizer build, beside the Release tests"
(stage "Sanitizer build" build_sanitized) >"$logs/build-asan-output.log" 2>&1 &
sanitizer_build=$!

# A failure here still lets the sanitizer build finish, so that nothing of
# it is left running and its result shows too.
release_tests=0
stage "Release tests" run_tests build || release_tests=$?
# What lintian says about each package, also when it passes.
for log in build/tests/packaging/deb-check/lintian-*.log; do
  [ -f "$log" ] || continue
  name=${log##*/lintian-}
  echo "== lintian on the Debian package ${name%.log}"
  cat "$log"
done
echo "== The real program's first run under three locales, as read over the accessibility bus"
cat build/tests/xvfb/first_run_locales.log 2>/dev/null || echo "(the test did not run)"

waiting=$SECONDS
sanitizer_status=0
wait "$sanitizer_build" || sanitizer_status=$?
cat "$logs/build-asan-output.log"
echo "== Waited for the sanitizer build after the Release tests: $((SECONDS - waiting)) s"
[ "$release_tests" -eq 0 ] || exit "$release_tests"
[ "$sanitizer_status" -eq 0 ] || exit "$sanitizer_status"

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS=suppressions="$PWD/scripts/lsan.supp"
stage "Sanitizer tests" run_tests build-asan
unset ASAN_OPTIONS UBSAN_OPTIONS LSAN_OPTIONS

echo "== All stages: $SECONDS s"
# Both builds' summaries; the sanitizer build's comes last.
grep -h "tests passed" "$logs/build.log" "$logs/build-asan.log"
