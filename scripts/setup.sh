#!/usr/bin/env bash
# Installs, once, every Debian package the build and the game need, with GTK's platform theme,
# through which the game takes GNOME's colours; with the argument test, also those of the tests,
# with bench those of the benchmarks, with fuzz clang and its libFuzzer, with wayland-check those
# of scripts/wayland_check.sh, with look-check those of scripts/look_check.sh and
# scripts/screenshot.sh, with screen-reader-check those of scripts/screen_reader_check.sh, with
# orca-check those of scripts/orca_check.sh and scripts/orca_review_check.sh and their ja_JP.UTF-8
# locale, with distro-check those of
# scripts/distro_check.sh and with arm64 those of scripts/arm64_check.sh. Does nothing when all
# are there already. The names are those of Debian 12, 13 and unstable, and of Ubuntu 24.04 LTS.
set -euo pipefail

packages=(
  g++ cmake make pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-base-private-dev libgl-dev qt6-wayland libwayland-dev qt6-gtk-platformtheme
  libjpeg-dev
  fonts-ipafont-gothic
  dpkg-dev
)
case "${1:-}" in
  test) packages+=(libgtest-dev libgmock-dev xvfb xauth desktop-file-utils appstream lintian) ;;
  bench) packages+=(libbenchmark-dev) ;;
  # libclang-rt-dev is the default clang's compiler-rt, which holds libFuzzer (libclang-rt-14-dev on Debian 12).
  fuzz) packages+=(clang libclang-rt-dev) ;;
  wayland-check) packages+=(sway grim xwayland python3 iproute2) ;;
  look-check) packages+=(xvfb xauth xdotool imagemagick python3) ;;
  screen-reader-check) packages+=(xvfb xauth xdotool at-spi2-core python3-pyatspi dbus) ;;
  orca-check) packages+=(xvfb xauth xdotool at-spi2-core dbus orca speech-dispatcher locales) ;;
  distro-check) packages+=(debootstrap debian-archive-keyring git) ;;
  arm64) packages+=(g++-aarch64-linux-gnu qemu-user libgtest-dev libgmock-dev) ;;
esac

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
