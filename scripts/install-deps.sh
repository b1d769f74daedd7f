#!/usr/bin/env bash
# Installs the Debian packages the project needs to build, test and run.
# Does nothing when everything is present. Needs root or sudo.
set -euo pipefail
# Plain C rules for the text handling below, whatever the caller's locale.
export LC_ALL=C

packages=(
  g++ cmake ninja-build pkg-config ccache
  qt6-base-dev qt6-base-dev-tools libgl-dev qt6-translations-l10n
  qt6-tools-dev doxygen qt6-documentation-tools libqt6opengl6-dev
  libgtest-dev libbenchmark-dev
  fonts-wine fonts-dejavu-core
  xvfb xauth x11-utils imagemagick python3 librsvg2-bin
  desktop-file-utils appstream dpkg-dev faketime lintian
  locales dbus at-spi2-core python3-pyatspi xdotool python3-xlib
  qt6-base-private-dev xclip openbox
  emscripten python3-fonttools chromium chromium-driver python3-selenium python3-pil
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

sudo=""
if [ "$(id -u)" -ne 0 ]; then
  sudo="sudo"
fi

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -qq
  $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# The locales the tests run under, as on the users' desktops.
locales=(de_DE.UTF-8 en_US.UTF-8 tr_TR.UTF-8)
have=$(locale -a 2>/dev/null | tr '[:upper:]' '[:lower:]' | sed 's/utf-8/utf8/')
absent=()
for l in "${locales[@]}"; do
  norm=$(printf '%s' "$l" | tr '[:upper:]' '[:lower:]' | sed 's/utf-8/utf8/')
  grep -qxF "$norm" <<<"$have" || absent+=("$l")
done
if [ ${#absent[@]} -gt 0 ]; then
  echo "Generating locales: ${absent[*]}"
  for l in "${absent[@]}"; do
    # Enable the line "# de_DE.UTF-8 UTF-8" (or add it when it is missing).
    if grep -qE "^#? *${l//./\\.} UTF-8\$" /etc/locale.gen; then
      $sudo sed -i -E "s/^# *(${l//./\\.} UTF-8)\$/\1/" /etc/locale.gen
    else
      echo "$l UTF-8" | $sudo tee -a /etc/locale.gen >/dev/null
    fi
  done
  $sudo locale-gen
fi
