#!/usr/bin/env bash
# Installs the build into a scratch DESTDIR under /usr and checks that the
# program, the desktop entry, the metainfo and every icon land where the
# freedesktop conventions put them, and that they refer to each other.
# Usage: check-install.sh BUILD_DIR WORK_DIR APP_ID "ICON_SIZES"
set -euo pipefail
build_dir=$1 work_dir=$2 app_id=$3 icon_sizes=$4
here=$(cd "$(dirname "$0")" && pwd)
. "$here/common.sh"

root=$work_dir/root
rm -rf "$work_dir"
mkdir -p "$root"
DESTDIR=$root cmake --install "$build_dir" --prefix /usr >"$work_dir/install.log"

installed=$(cd "$root/usr" && find . -type f -o -type l | sed 's|^\./||' | sort)
while read -r f; do
  expect_in_list "$installed" "$f"
done < <(expected_files)

if [ ! -x "$root/usr/bin/keplerprobleme" ]; then
  fail "usr/bin/keplerprobleme is not executable"
fi

# Each PNG must really be N by N pixels (width and height sit in the IHDR
# chunk, big-endian, at bytes 16 to 23).
for n in $icon_sizes; do
  png=$root/usr/share/icons/hicolor/${n}x${n}/apps/${app_id}.png
  [ -f "$png" ] || continue
  read -r w h < <(od -An -tu1 -j16 -N8 "$png" |
    awk '{print $1*16777216+$2*65536+$3*256+$4, $5*16777216+$6*65536+$7*256+$8}')
  if [ "$(head -c 8 "$png" | od -An -tx1 | tr -d ' \n')" != 89504e470d0a1a0a ]; then
    fail "$png is not a PNG file"
  elif [ "$w" != "$n" ] || [ "$h" != "$n" ]; then
    fail "$png is ${w}x${h}, expected ${n}x${n}"
  fi
done

desktop=$root/usr/share/applications/${app_id}.desktop
metainfo=$root/usr/share/metainfo/${app_id}.metainfo.xml
if [ -f "$desktop" ]; then
  grep -qx "Exec=keplerprobleme" "$desktop" || fail "desktop entry does not start keplerprobleme"
  grep -qx "Icon=${app_id}" "$desktop" || fail "desktop entry does not use the icon ${app_id}"
fi
if [ -f "$metainfo" ]; then
  grep -q "<id>${app_id}</id>" "$metainfo" || fail "metainfo id is not ${app_id}"
  grep -q "<launchable type=\"desktop-id\">${app_id}.desktop</launchable>" "$metainfo" ||
    fail "metainfo does not launch ${app_id}.desktop"
fi

# appstreamcli can also check the installed tree as a whole: metainfo,
# desktop entry and icons together.
if command -v appstreamcli >/dev/null 2>&1; then
  if ! appstreamcli validate-tree --no-net "$root"; then
    fail "appstreamcli validate-tree found problems in the installed tree"
  fi
else
  echo "note: appstreamcli not found, installed tree not validated as a whole"
fi

finish
