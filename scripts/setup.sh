#!/usr/bin/env bash
# Installs, once, every Debian package the build, the tests and the game need, with GTK's platform
# theme, through which the game takes GNOME's colours; with the argument wayland-check, also those
# of scripts/wayland_check.sh, with look-check those of scripts/look_check.sh and
# scripts/screenshot.sh, with screen-reader-check those of scripts/screen_reader_check.sh, with
# orca-check those of scripts/orca_check.sh and its ja_JP.UTF-8 locale. Does nothing when all are
# there already.
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
[ "${1:-}" = orca-check ] && packages+=(xdotool at-spi2-core dbus orca speech-dispatcher locales)

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -q
  $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

if [ "${1:-}" = orca-check ] && ! locale -a | grep -qx 'ja_JP.utf8'; then
  $sudo sed -i 's/^# *\(ja_JP.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  $sudo locale-gen
fi
