#!/usr/bin/env bash
# Installs the Debian packages the project needs to build, test and run.
# Does nothing when everything is present. Needs root or sudo.
set -euo pipefail

packages=(
  g++ cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools libqt6svg6 qt6-svg-dev libgl-dev qt6-translations-l10n
  libgtest-dev libbenchmark-dev
  fonts-wine fonts-dejavu-core
  xvfb xauth x11-apps x11-utils imagemagick
  clang
  desktop-file-utils appstream dpkg-dev faketime lintian
  at-spi2-core python3-pyatspi dbus-daemon
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing: ${missing[*]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then
  sudo="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
