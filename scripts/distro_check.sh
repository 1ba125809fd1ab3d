#!/usr/bin/env bash
# Tries the README on a fresh Debian release: makes a minimal root of RELEASE (trixie, sid, ...)
# with debootstrap from the Debian archive this machine's apt uses, clones the checked-out commit
# into it for a new user, and runs there as that user, with sudo, what the README says: make test,
# with every warning an error (WERROR=ON); then make run under Xvfb, which must still be playing
# after 20 s; then builds the benchmarks. Prints the tests passed and the time taken.
#
#   scripts/distro_check.sh RELEASE      run as root; KEEP_LOG=FILE keeps the whole log
#
# Installs what it needs with scripts/setup.sh. Exit code 0 when all passed.
set -euo pipefail

release=${1:?usage: scripts/distro_check.sh RELEASE}
repo=$(cd "$(dirname "$0")/.." && pwd)
[ "$(id -u)" -eq 0 ] || { echo "scripts/distro_check.sh runs as root (debootstrap, chroot)"; exit 1; }
bash "$repo/scripts/setup.sh" distro-check
mirror=$(apt-get indextargets --format '$(REPO_URI)' | grep -m 1 '/debian/$' || echo http://deb.debian.org/debian/)
commit=$(git -C "$repo" rev-parse HEAD)

root=$(mktemp -d /var/tmp/nordamo-"$release".XXXXXX)
chmod 755 "$root"
log=$root.log
cleanup() {
  for mount in dev/pts dev proc sys; do
    mountpoint -q "$root/$mount" && umount -l "$root/$mount"
  done
  rm -rf --one-file-system "$root"
  if [ -n "${KEEP_LOG:-}" ]; then cp "$log" "$KEEP_LOG"; fi
  rm -f "$log"
}
trap cleanup EXIT
fail() {
  echo "$release: $1; the log's end:"
  tail -n 40 "$log"
  exit 1
}

start=$(date +%s)
debootstrap --variant=minbase --include=sudo,git,make,ca-certificates "$release" "$root" "$mirror" >"$log" 2>&1 ||
  fail "debootstrap failed"
mount -t proc proc "$root/proc"
mount -t sysfs sysfs "$root/sys"
mount --bind /dev "$root/dev"
mount --bind /dev/pts "$root/dev/pts"
cp /etc/resolv.conf "$root/etc/resolv.conf"
# Unstable's Release file may have passed its Valid-Until.
echo 'Acquire::Check-Valid-Until "false";' >"$root/etc/apt/apt.conf.d/90nordamo-check"
chroot "$root" useradd --create-home --shell /bin/bash player
echo 'player ALL=(ALL) NOPASSWD: ALL' >"$root/etc/sudoers.d/player"
git clone -q "$repo" "$root/home/player/nordamo"
git -C "$root/home/player/nordamo" checkout -q "$commit"
chroot "$root" chown -R player: /home/player/nordamo
prepared=$(date +%s)

as_player() { chroot "$root" runuser -l player -c "cd nordamo && $1" >>"$log" 2>&1; }
as_player "make test WERROR=ON" || fail "make test failed"
tested=$(date +%s)
summary=$(grep -E '^[0-9]+% tests passed' "$log" | tail -n 1)
status=0
as_player "timeout 20 xvfb-run -a make run" || status=$?
[ "$status" -eq 124 ] || fail "make run ended with $status before 20 s"
as_player "bash scripts/setup.sh bench && cmake --preset default && cmake --build build -j \$(nproc)" ||
  fail "the benchmarks did not build"

versions=$(chroot "$root" dpkg-query -W -f '${Package} ${Version}, ' g++ cmake qt6-base-dev libgtest-dev libbenchmark-dev)
echo "$release (${versions%, }): $summary; root and packages $((prepared - start)) s, make test $((tested - prepared)) s;" \
  "make run plays; total $(($(date +%s) - start)) s"
