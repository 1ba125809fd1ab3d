#!/usr/bin/env bash
# Plays by keys with the real screen reader listening, as a blind Japanese player does: Orca in
# the ja_JP.UTF-8 locale under Xvfb, on its own accessibility bus, speaking through a
# speech-dispatcher whose output module writes each text to a file instead of a sound card.
# Chooses the strong computer, presses OK, plays a2, moves the cursor across a change of row,
# presses Return on a cell that may not take a disc, plays c4, presses the restart picture, and
# prints what Orca said, line by line, with the seconds since the window opened. Needs xvfb,
# xdotool, at-spi2-core, dbus, orca, speech-dispatcher and the ja_JP.UTF-8 locale, which
# scripts/setup.sh orca-check installs. ORCA_KEEP=1 keeps the work folder, ORCA_DEBUG=1 adds
# Orca's debug log to it.
#   scripts/orca_check.sh [PROGRAM]     (default: build/app/nordamo)
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
program=$(realpath "${1:-$repo/build/app/nordamo}")
if [ -z "${ORCA_SESSION:-}" ]; then
  bash "$repo/scripts/setup.sh" orca-check
  exec env ORCA_SESSION=1 LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8 \
    xvfb-run -a -s '-screen 0 1280x800x24' dbus-run-session -- "$0" "$program"
fi

work=$(mktemp -d /tmp/nordamo-orca.XXXXXX)
pids=()
trap 'for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done; [ -n "${ORCA_KEEP:-}" ] || rm -rf "$work"' EXIT
export XDG_RUNTIME_DIR="$work/run" XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" HOME="$work"
mkdir -p "$XDG_RUNTIME_DIR" "$XDG_CONFIG_HOME" "$XDG_DATA_HOME/orca" "$work/speechd/modules"
chmod 700 "$XDG_RUNTIME_DIR"
spoken="$work/spoken"
: >"$spoken"

# The module opens a sound device though it plays nothing: libao's null device.
echo "default_driver=null" >"$HOME/.libao"
# Every text Orca sends becomes a line of the file, stamped with the time it reached the module.
cat >"$work/speechd/speechd.conf" <<EOF
AddModule "file" "sd_generic" "file.conf"
DefaultModule file
DefaultLanguage "ja"
AudioOutputMethod "libao"
LogDir "$work"
EOF
cat >"$work/speechd/modules/file.conf" <<EOF
GenericExecuteSynth "echo \$(date +%s.%N) \'\$DATA\' >> $spoken"
AddVoice "ja" "MALE1" "file"
GenericLanguage "ja" "ja" "utf-8"
DefaultVoice "file"
EOF
speech-dispatcher -s -t 0 -C "$work/speechd" 2>/dev/null &
pids+=($!)
/usr/libexec/at-spi-bus-launcher --launch-immediately &
pids+=($!)
sleep 1
orca ${ORCA_DEBUG:+--debug-file "$work/orca-debug.txt"} 2>"$work/orca.log" &
pids+=($!)
sleep 4
: >"$spoken"

QT_QPA_PLATFORM=xcb "$program" 2>/dev/null &
pids+=($!)
source "$repo/scripts/game_window.sh"
wait_for_window
opened=$(date +%s.%N)
# No window manager hands out the focus here.
xdotool windowfocus --sync "$window"
sleep 2

step() {
  printf '%s [%s]\n' "$(date +%s.%N)" "$1" >>"$spoken"
  shift
  xdotool key --window "$window" "$@"
  sleep 2
}
step "Shift+Tab: the strength" shift+Tab
step "Space: the strong computer" space
step "Tab: OK" Tab
step "Return: OK" Return
step "Down" Down
step "Return: a2" Return
sleep 2
step "Right" Right
step "Down: a row lower" Down
step "Return: a cell that may not take a disc" Return
step "Down, Right" Down Right
step "Return: c4" Return
sleep 2
step "Tab" Tab
step "Space: the restart picture" space
sleep 1

awk -v opened="$opened" '{ t = $1; $1 = ""; printf "%6.2f %s\n", t - opened, substr($0, 2) }' "$spoken"
