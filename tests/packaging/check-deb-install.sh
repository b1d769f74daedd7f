#!/usr/bin/env bash
# Installs every package that check-deb.sh made into this system with dpkg,
# builds the shipped examples against the installed -dev package (CMake's
# find_package and pkg-config), runs them, has the Designer plugin found
# where Designer looks for plugins, and removes the packages again.
# Needs root (or sudo without a password), as CI has; otherwise it skips.
# Packages of these names that are already installed are left alone: the
# test then skips rather than replace them.
# Usage: check-deb-install.sh DEB_DIR WORK_DIR PLUGIN_PROBE GENERATOR CXX [LAUNCHER]
set -euo pipefail
deb_dir=$1 work_dir=$2 probe=$3 generator=$4 cxx=$5 launcher=${6:-}
here=$(cd "$(dirname "$0")" && pwd)
. "$here/common.sh"

packages=(keplerprobleme libkeplercontrols1 libkeplercontrols-dev keplercontrols-designer-plugin libkeplercontrols-doc)

sudo=""
if [ "$(id -u)" -ne 0 ]; then
  if sudo -n true 2>/dev/null; then
    sudo="sudo -n"
  else
    echo "SKIPPED: installing packages needs root or sudo without a password"
    exit 77
  fi
fi
for p in "${packages[@]}"; do
  if dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    echo "SKIPPED: $p is installed on this system already; the test leaves it alone"
    exit 77
  fi
done

debs=()
for p in "${packages[@]}"; do
  found=("$deb_dir/${p}_"*.deb)
  [ -f "${found[0]}" ] || { echo "FAIL: no ${p}_*.deb in $deb_dir (run packaging.deb first)"; exit 1; }
  debs+=("${found[0]}")
done

rm -rf "$work_dir"
mkdir -p "$work_dir"

# One installing test at a time on this machine, whichever build runs it.
exec 9>/tmp/keplercontrols-package-install.lock
flock 9

remove_all() {
  $sudo dpkg --purge "${packages[@]}" >"$work_dir/purge.log" 2>&1 || { cat "$work_dir/purge.log"; return 1; }
}
trap 'remove_all || true' EXIT

if ! $sudo env DEBIAN_FRONTEND=noninteractive dpkg -i "${debs[@]}" >"$work_dir/install.log" 2>&1; then
  cat "$work_dir/install.log"
  echo "FAIL: dpkg could not install the packages (are their dependencies installed?)"
  exit 1
fi
echo "ok: installed ${packages[*]}"

# The runtime library is known to the loader.
/sbin/ldconfig -p | grep -q 'libKeplerControls\.so\.1 ' || fail "the loader does not know libKeplerControls.so.1"

# The Designer plugin, found and loaded from Designer's own plugin folder.
if out=$("$probe" 2>&1); then
  echo "ok: $out"
else
  echo "$out"
  fail "Designer's plugin folder holds no loadable plugin with the controls"
fi

# The shipped examples, copied out of the documentation package and built
# against the installed -dev package.
examples=/usr/share/doc/libkeplercontrols-doc/examples
cp -r "$examples" "$work_dir/examples"
cmake_args=(-G "$generator" -DCMAKE_CXX_COMPILER="$cxx" -DCMAKE_BUILD_TYPE=Release)
[ -z "$launcher" ] || cmake_args+=(-DCMAKE_CXX_COMPILER_LAUNCHER="$launcher")
for example in minimal gallery; do
  src=$work_dir/examples/$example
  if cmake -S "$src" -B "$src/build" "${cmake_args[@]}" >"$work_dir/$example-cmake.log" 2>&1 &&
     cmake --build "$src/build" --parallel 2 >>"$work_dir/$example-cmake.log" 2>&1; then
    echo "ok: $example builds with find_package(KeplerControls)"
  else
    cat "$work_dir/$example-cmake.log"
    fail "$example does not build with CMake against the installed package"
  fi
done
"$work_dir/examples/minimal/build/minimal" --check || fail "the minimal example built with CMake does not run"
"$work_dir/examples/gallery/build/controls_gallery" --grab "$work_dir/gallery.png" ||
  fail "the gallery built with CMake does not run"

if make -C "$work_dir/examples/minimal" CXX="$cxx" >"$work_dir/minimal-make.log" 2>&1; then
  echo "ok: minimal builds with pkg-config ($(pkg-config --libs keplercontrols))"
  "$work_dir/examples/minimal/minimal" --check || fail "the minimal example built with pkg-config does not run"
else
  cat "$work_dir/minimal-make.log"
  fail "minimal does not build with pkg-config against the installed package"
fi

trap - EXIT
if remove_all; then
  echo "ok: removed ${packages[*]}"
else
  fail "dpkg could not remove the packages"
fi
for p in "${packages[@]}"; do
  [ ! -e "/usr/share/doc/$p" ] || fail "/usr/share/doc/$p is left after removal"
done
/sbin/ldconfig -p | grep -q 'libKeplerControls\.so\.1 ' && fail "libKeplerControls.so.1 is left after removal"

finish
