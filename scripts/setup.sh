#!/usr/bin/env bash
# Installs, once, every Debian package the build, the tests and the game need, with GTK's platform
# theme, through which the game takes GNOME's colours; with the argument wayland-check, also those
# of scripts/wayland_check.sh, with look-check those of scripts/look_check.sh and
# scripts/screenshot.sh, with screen-reader-check those of scripts/screen_reader_check.sh. Does
# nothing when all are there already.
set -euo pipefail

packages=(
  g++ cmake make pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-base-private-dev libgl-dev qt6-wayland libwayland-dev qt6-gtk-platformtheme
  libjpeg62-turbo-dev
  libgtest-dev libbenchmark-dev
  fonts-ipafont-gothic
  xvfb xauth desktop-file-utils
  dpkg-dev appstream lintian
)
[ "${1:-}" = wayland-check ] && packages+=(sway grim xwayland python3 iproute2)
[ "${1:-}" = look-check ] && packages+=(xdotool imagemagick python3)
[ "${1:-}" = screen-reader-check ] && packages+=(xdotool at-spi2-core python3-pyatspi dbus)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -q
$sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
