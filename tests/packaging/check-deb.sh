#!/usr/bin/env bash
# Builds the Debian package with CPack from the build directory and checks its
# contents (dpkg-deb -c) and its control fields (dpkg-deb -f).
# Usage: check-deb.sh BUILD_DIR WORK_DIR APP_ID "ICON_SIZES"
set -euo pipefail
build_dir=$1 work_dir=$2 app_id=$3 icon_sizes=$4
here=$(cd "$(dirname "$0")" && pwd)
. "$here/common.sh"

for tool in cpack dpkg-deb dpkg-shlibdeps objdump; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "SKIPPED: $tool not found (packages cmake and dpkg-dev)"
    exit 77
  fi
done

rm -rf "$work_dir"
mkdir -p "$work_dir"
if ! cpack --config "$build_dir/CPackConfig.cmake" -G DEB -B "$work_dir" >"$work_dir/cpack.log" 2>&1; then
  cat "$work_dir/cpack.log"
  echo "FAIL: cpack did not make the package"
  exit 1
fi

debs=("$work_dir"/keplerprobleme_*.deb)
if [ ${#debs[@]} -ne 1 ] || [ ! -f "${debs[0]}" ]; then
  cat "$work_dir/cpack.log"
  echo "FAIL: expected one keplerprobleme_*.deb in $work_dir"
  exit 1
fi
deb=${debs[0]}
echo "package: $(basename "$deb")"

contents=$(dpkg-deb -c "$deb" | awk '{print $NF}' | sed 's|^\./||')
while read -r f; do
  expect_in_list "$contents" "usr/$f"
done < <(expected_files)

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = keplerprobleme ] || fail "Package is '$(field Package)'"
case "$(field Section)" in
  science|education) echo "ok: Section $(field Section)" ;;
  *) fail "Section is '$(field Section)'" ;;
esac
[ -n "$(field Maintainer)" ] || fail "no Maintainer"
[ -n "$(field Version)" ] || fail "no Version"

# Depends is a comma-separated list; each entry may carry a version.
depends=$(field Depends | tr ',' '\n' | sed 's/([^)]*)//g; s/^ *//; s/ *$//; s/  */ /g')
echo "Depends: $(field Depends)"
for dep in libqt6core6 libqt6gui6 libqt6widgets6 "fonts-wine | fonts-dejavu-core"; do
  expect_in_list "$depends" "$dep"
  n=$(grep -cxF "$dep" <<<"$depends" || true)
  [ "$n" -le 1 ] || fail "Depends lists $dep $n times"
done
# No web address that nobody runs.
[ -z "$(field Homepage)" ] || fail "Homepage '$(field Homepage)' is named"

# The changelog's latest entry is this version.
unpacked=$work_dir/unpacked
dpkg-deb -x "$deb" "$unpacked"
# Whole outputs first: under pipefail a reader that stops early (head) would
# fail the writer with SIGPIPE now and then.
changelog=$(gzip -dc "$unpacked/usr/share/doc/keplerprobleme/changelog.gz")
latest=${changelog%%$'\n'*}
grep -qF "keplerprobleme ($(field Version))" <<<"$latest" ||
  fail "changelog begins with '$latest', not version $(field Version)"

# The controls' packages beside the program's: each one made, each with
# its licence and changelog (lintian looks at them in tests of their own).
libdir=$(cmake -LA -N "$build_dir" 2>/dev/null | sed -n 's/^CMAKE_INSTALL_LIBDIR:PATH=//p')
[ -n "$libdir" ] || libdir=lib
packages=(keplerprobleme libkeplercontrols1 libkeplercontrols-dev keplercontrols-designer-plugin libkeplercontrols-doc)
declare -A deb_of
for p in "${packages[@]}"; do
  found=("$work_dir/${p}_"*.deb)
  if [ ${#found[@]} -ne 1 ] || [ ! -f "${found[0]}" ]; then
    fail "expected one ${p}_*.deb in $work_dir"
    continue
  fi
  deb_of[$p]=${found[0]}
done
contents_of() { dpkg-deb -c "${deb_of[$1]}" | awk '{print $NF}' | sed 's|^\./||'; }
# Symbolic links are listed as "name -> target".
links_of() { dpkg-deb -c "${deb_of[$1]}" | awk '$1 ~ /^l/ {print $(NF-2)}' | sed 's|^\./||'; }

for p in "${!deb_of[@]}"; do
  c=$(contents_of "$p")
  expect_in_list "$c" "usr/share/doc/$p/copyright"
  expect_in_list "$c" "usr/share/doc/$p/changelog.gz"
done

if [ -n "${deb_of[libkeplercontrols1]:-}" ]; then
  c=$(contents_of libkeplercontrols1)
  expect_in_list "$c" "usr/$libdir/libKeplerControls.so.1.0.0"
  expect_in_list "$(links_of libkeplercontrols1)" "usr/$libdir/libKeplerControls.so.1"
  ! grep -q '^usr/include/' <<<"$c" || fail "the runtime package holds headers"
  [ "$(dpkg-deb -f "${deb_of[libkeplercontrols1]}" Section)" = libs ] || fail "the runtime package's section is not libs"
  dpkg-deb --ctrl-tarfile "${deb_of[libkeplercontrols1]}" | tar -t | grep -q 'shlibs$' ||
    fail "the runtime package has no shlibs file"
  lib_unpacked=$work_dir/runtime
  dpkg-deb -x "${deb_of[libkeplercontrols1]}" "$lib_unpacked"
  soname=$(objdump -p "$lib_unpacked/usr/$libdir/libKeplerControls.so.1.0.0" | awk '$1 == "SONAME" {print $2}')
  [ "$soname" = libKeplerControls.so.1 ] || fail "the library's soname is '$soname'"
fi

if [ -n "${deb_of[libkeplercontrols-dev]:-}" ]; then
  dev=${deb_of[libkeplercontrols-dev]}
  c=$(contents_of libkeplercontrols-dev)
  for f in usr/include/KeplerControls/meter.h usr/include/KeplerControls/spin_edit.h \
           usr/include/KeplerControls/keplercontrols_export.h \
           usr/$libdir/cmake/KeplerControls/KeplerControlsConfig.cmake \
           usr/$libdir/pkgconfig/keplercontrols.pc; do
    expect_in_list "$c" "$f"
  done
  expect_in_list "$(links_of libkeplercontrols-dev)" "usr/$libdir/libKeplerControls.so"
  ! grep -q '\.a$' <<<"$c" || fail "the -dev package holds static libraries"
  [ "$(dpkg-deb -f "$dev" Section)" = libdevel ] || fail "the -dev package's section is not libdevel"
  grep -q 'libkeplercontrols1 (= ' <<<"$(dpkg-deb -f "$dev" Depends)" ||
    fail "the -dev package does not depend on its runtime package's version"
  dev_description=$(dpkg-deb -f "$dev" Description)
  [[ ${dev_description%%$'\n'*} == *'development files'* ]] ||
    fail "the -dev package's summary does not name development files"
fi

if [ -n "${deb_of[keplercontrols-designer-plugin]:-}" ]; then
  c=$(contents_of keplercontrols-designer-plugin)
  grep -q '^usr/lib/.*qt6/plugins/designer/libkeplercontrols_designer\.so$' <<<"$c" ||
    fail "the Designer package holds no plugin in Qt's plugin folder"
  grep -q 'libkeplercontrols1' <<<"$(dpkg-deb -f "${deb_of[keplercontrols-designer-plugin]}" Depends)" ||
    fail "the Designer plugin does not depend on the runtime package"
fi

if [ -n "${deb_of[libkeplercontrols-doc]:-}" ]; then
  c=$(contents_of libkeplercontrols-doc)
  doc=usr/share/doc/libkeplercontrols-doc
  for f in $doc/html/index.html $doc/html/classKepler_1_1TMeter.html \
           $doc/examples/minimal/main.cpp $doc/examples/minimal/CMakeLists.txt \
           $doc/examples/minimal/Makefile $doc/examples/gallery/CMakeLists.txt; do
    expect_in_list "$c" "$f"
  done
  if command -v qhelpgenerator >/dev/null 2>&1 || [ -x /usr/lib/qt6/libexec/qhelpgenerator ]; then
    expect_in_list "$c" "usr/share/qt6/doc/keplercontrols.qch"
  fi
  [ "$(dpkg-deb -f "${deb_of[libkeplercontrols-doc]}" Architecture)" = all ] ||
    fail "the documentation package is not Architecture: all"
fi

# lintian looks at each package in a test of its own (check-lintian.sh).

# What each package holds: files, size.
echo "--- packages"
for p in "${packages[@]}"; do
  [ -n "${deb_of[$p]:-}" ] || continue
  printf '%-32s %4d entries %9d bytes\n' "$p" "$(dpkg-deb -c "${deb_of[$p]}" | wc -l)" "$(stat -c %s "${deb_of[$p]}")"
done

# The program's package holds no part of the library.
if grep -q '^usr/include/' <<<"$contents"; then
  fail "the program's package holds headers"
fi
description=$(field Description)
summary=${description%%$'\n'*}
[ "$summary" = "Teaching program animating the Kepler problem for one planet" ] ||
  fail "the program's summary is '$summary'"

finish
