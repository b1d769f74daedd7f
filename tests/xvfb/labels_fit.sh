#!/usr/bin/env bash
# The real program on a desktop without Tahoma: every label's text must fit
# whole inside the client area (labels_fit.py reads them over the
# accessibility bus). Tahoma is hidden twice: fonts-wine's folder, which the
# program loads its Tahoma from, is covered by an empty one in a mount
# namespace of its own, and fontconfig is told to reject the family.
# Usage: labels_fit.sh PROGRAM
# Exit 77 (skipped) when xvfb-run is missing or a mount namespace cannot be
# made (it needs root).
set -euo pipefail

program=${1:?usage: labels_fit.sh PROGRAM}
here=$(cd "$(dirname "$0")" && pwd)
program=$(cd "$(dirname "$program")" && pwd)/$(basename "$program")
python=/usr/bin/python3

command -v xvfb-run >/dev/null || { echo "xvfb-run not found: skipped"; exit 77; }
for tool in dbus-run-session unshare; do
  command -v "$tool" >/dev/null || { echo "missing: $tool"; exit 1; }
done
"$python" -c 'import pyatspi' 2>/dev/null || { echo "missing: python3-pyatspi (bash scripts/install-deps.sh installs it)"; exit 1; }
locale -a | LC_ALL=C tr '[:upper:]' '[:lower:]' | grep -qx 'de_de.utf8' ||
  { echo "locale de_DE.UTF-8 is not generated (bash scripts/install-deps.sh generates it)"; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/empty"
cat >"$work/fonts.conf" <<'CONF'
<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "urn:fontconfig:fonts.dtd">
<fontconfig>
  <include ignore_missing="yes">/etc/fonts/fonts.conf</include>
  <selectfont>
    <rejectfont>
      <pattern><patelt name="family"><string>Tahoma</string></patelt></pattern>
    </rejectfont>
  </selectfont>
</fontconfig>
CONF

fonts=/usr/share/wine/fonts
if ! unshare --mount --propagation private true 2>/dev/null; then
  echo "no mount namespace can be made here (needs root): skipped"
  exit 77
fi
# shellcheck disable=SC2016
FONTCONFIG_FILE=$work/fonts.conf unshare --mount --propagation private -- bash -c '
  set -e
  if [ -d "$1" ]; then mount --bind "$2" "$1"; fi
  shift 2
  exec "$@"' hide "$fonts" "$work/empty" \
  xvfb-run -a -n $((100 + RANDOM % 800)) -s "-screen 0 1024x768x24 -noreset" \
    dbus-run-session -- "$python" -B "$here/labels_fit.py" "$program"
