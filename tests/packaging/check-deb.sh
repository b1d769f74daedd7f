#!/usr/bin/env bash
# Builds the Debian package with CPack from the build directory and checks its
# contents (dpkg-deb -c) and its control fields (dpkg-deb -f).
# Usage: check-deb.sh BUILD_DIR WORK_DIR APP_ID "ICON_SIZES"
set -euo pipefail
build_dir=$1 work_dir=$2 app_id=$3 icon_sizes=$4
here=$(cd "$(dirname "$0")" && pwd)
. "$here/common.sh"

for tool in cpack dpkg-deb dpkg-shlibdeps; do
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

# lintian, when present, must find neither errors nor warnings; its full
# report (informational notes too) goes into the log.
if command -v lintian >/dev/null 2>&1; then
  echo "--- lintian $(lintian --version | awk '{print $2}')"
  if lintian --no-cfg --display-info --fail-on error,warning "$deb" \
       >"$work_dir/lintian.log" 2>&1; then
    echo "ok: lintian finds no error or warning"
  else
    fail "lintian finds errors or warnings"
  fi
  grep -v '^running with root privileges' "$work_dir/lintian.log" || true
  echo "--- end of lintian"
else
  echo "note: lintian not found (package lintian), package not checked by it"
fi

# The controls' -dev package holds headers, libraries, the CMake package and
# the Designer plugin; the program's package holds none of them.
if grep -q '^usr/include/' <<<"$contents"; then
  fail "the program's package holds headers"
fi
devs=("$work_dir"/libkeplercontrols-dev_*.deb)
if [ ${#devs[@]} -ne 1 ] || [ ! -f "${devs[0]}" ]; then
  fail "expected one libkeplercontrols-dev_*.deb in $work_dir"
else
  dev_contents=$(dpkg-deb -c "${devs[0]}" | awk '{print $NF}' | sed 's|^\./||')
  for f in usr/include/KeplerControls/meter.h usr/include/KeplerControls/spin_edit.h \
           usr/lib/libKeplerGauge.a usr/lib/libKeplerSpinBox.a \
           usr/lib/cmake/KeplerControls/KeplerControlsConfig.cmake; do
    expect_in_list "$dev_contents" "$f"
  done
  grep -q '/qt6/plugins/designer/libkeplercontrols_designer\.so$' <<<"$dev_contents" ||
    fail "the -dev package holds no Designer plugin"
  [ "$(dpkg-deb -f "${devs[0]}" Section)" = libdevel ] || fail "the -dev package's section is not libdevel"
  dev_description=$(dpkg-deb -f "${devs[0]}" Description)
  [[ ${dev_description%%$'\n'*} == *'development files'* ]] ||
    fail "the -dev package's summary does not name development files"
fi
description=$(field Description)
summary=${description%%$'\n'*}
[ "$summary" = "Teaching program animating the Kepler problem for one planet" ] ||
  fail "the program's summary is '$summary'"

finish
