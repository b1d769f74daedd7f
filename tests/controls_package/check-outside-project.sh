#!/usr/bin/env bash
# Installs the controls' runtime and -dev components into a scratch prefix, checks that
# exactly the public headers are installed, builds the small outside project
# against it at the given C++ standard and runs it.
# Usage: check-outside-project.sh BUILD_DIR WORK_DIR PROJECT_DIR PUBLIC_HEADERS CXX_STANDARD GENERATOR CXX [LAUNCHER]
set -euo pipefail
build_dir=$1 work_dir=$2 project_dir=$3 public_headers=$4 standard=$5 generator=$6 cxx=$7 launcher=${8:-}

prefix=$work_dir/prefix
rm -rf "$work_dir"
mkdir -p "$work_dir"
{ cmake --install "$build_dir" --prefix "$prefix" --component runtime &&
  cmake --install "$build_dir" --prefix "$prefix" --component devel; } >"$work_dir/install.log"

# The -dev component carries no part of the teaching program.
if [ -e "$prefix/bin/keplerprobleme" ] || [ -d "$prefix/share/applications" ]; then
  echo "FAIL: the devel component installs files of the program"
  exit 1
fi

# The headers installed are the public ones, all in the library's own
# folder, and nothing else: no internal header reaches other programs.
installed=$(cd "$prefix/include" && find . -type f | sed 's|^\./||' | sort)
expected=$(sed 's|^|KeplerControls/|' "$public_headers" | sort)
if [ "$installed" != "$expected" ]; then
  diff <(echo "$expected") <(echo "$installed") || true
  echo "FAIL: the installed headers are not the public set (< expected, > installed)"
  exit 1
fi

args=(-S "$project_dir" -B "$work_dir/build" -G "$generator"
      -DCMAKE_CXX_COMPILER="$cxx" -DCMAKE_PREFIX_PATH="$prefix" -DCMAKE_BUILD_TYPE=Release
      -DOUTSIDE_CXX_STANDARD="$standard")
if [ -n "$launcher" ]; then
  args+=(-DCMAKE_CXX_COMPILER_LAUNCHER="$launcher")
fi
if ! cmake "${args[@]}" >"$work_dir/configure.log" 2>&1; then
  cat "$work_dir/configure.log"
  echo "FAIL: the outside project does not configure against the installed package"
  exit 1
fi
if ! cmake --build "$work_dir/build" --parallel 2 >"$work_dir/build.log" 2>&1; then
  cat "$work_dir/build.log"
  echo "FAIL: the outside project does not build against the installed package"
  exit 1
fi
"$work_dir/build/outside_app"
echo "outside project built as C++$standard and ran against $prefix"
