#!/usr/bin/env bash
# Runs a command as on a machine without the Tahoma of fonts-wine: in a
# mount namespace of its own, the font folder is empty and fontconfig knows
# no Tahoma. Skipped (77) only where no mount namespace can be made.
set -euo pipefail
[ $# -ge 1 ] || { echo "usage: without_tahoma.sh COMMAND [ARGS...]"; exit 2; }
if [ "$(id -u)" -ne 0 ] || ! unshare -m true 2>/dev/null; then
  echo "no mount namespace here (needs root): skipped"
  exit 77
fi
empty=$(mktemp -d)
trap 'rm -rf "$empty"' EXIT
fonts=/usr/share/wine/fonts
# Fontconfig's view without any Tahoma.
cat >"$empty/fonts.conf" <<CONF
<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "fonts.dtd">
<fontconfig>
  <include ignore_missing="yes">/etc/fonts/fonts.conf</include>
  <selectfont><rejectfont><pattern><patelt name="family"><string>Tahoma</string></patelt></pattern></rejectfont></selectfont>
  <cachedir>$empty/cache</cachedir>
</fontconfig>
CONF
mkdir -p "$empty/none"
export FONTCONFIG_FILE="$empty/fonts.conf"
exec unshare -m bash -c '
  if [ -d "$1" ]; then mount --bind "$2" "$1"; fi
  shift 2
  exec "$@"' bash "$fonts" "$empty/none" "$@"
