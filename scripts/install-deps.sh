#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the screenshots need.
# Idempotent: does nothing when everything is already there.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-charts-dev qt6-pdf-dev libqt6opengl6-dev
  qt6-translations-l10n libgl-dev libarchive-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth openbox xdotool fonts-dejavu-core fonts-liberation
  desktop-file-utils appstream lintian bash-completion man-db
  dbus-daemon systemd
  at-spi2-core python3-pyatspi
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
