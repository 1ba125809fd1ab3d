#!/usr/bin/env bash
# Plays by keys with the real screen reader listening, as a blind Japanese player does: Orca in
# the ja_JP.UTF-8 locale under Xvfb, on its own accessibility bus, speaking through a
# speech-dispatcher whose output module writes each text to a file instead of a sound card.
# Chooses the strong computer, presses OK, plays a2, moves the cursor across a change of row,
# presses Return on a cell that may not take a disc, plays a second move (the best after the
# computer's answer), presses the restart picture, and prints what Orca said, line by line, with
# the seconds since the window opened. Needs xvfb, xdotool, at-spi2-core, dbus, orca,
# speech-dispatcher and the ja_JP.UTF-8 locale, which scripts/setup.sh orca-check installs.
# ORCA_KEEP=1 keeps the work folder, ORCA_DEBUG=1 adds Orca's debug log to it.
#   scripts/orca_check.sh [PROGRAM]     (default: build/app/nordamo; nordamo-analyse beside it)
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
program=$(realpath "${1:-$repo/build/app/nordamo}")
analyse="$(dirname "$program")/../analyse/nordamo-analyse"
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

# The arrow keys that take the cursor from one cell to another.
keys_from() {
  local columns=$(($(printf %d "'${2:0:1}") - $(printf %d "'${1:0:1}"))) rows=$((${2:1:1} - ${1:1:1}))
  for ((; columns > 0; columns--)); do echo Right; done
  for ((; columns < 0; columns++)); do echo Left; done
  for ((; rows > 0; rows--)); do echo Down; done
  for ((; rows < 0; rows++)); do echo Up; done
}

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
# The second move: the best after the computer's answer as Orca told it, by the project's solver.
answer=$(sed -n 's/.*白が \([a-d][1-4]\) に.*/\1/p' "$spoken" | tail -n 1)
second=$("$analyse" "a2$answer" | sed -n '2s/ .*//p')
step "to $second" $(keys_from b3 "$second")
step "Return: $second" Return
sleep 2
step "Tab" Tab
step "Space: the restart picture" space
sleep 1

awk -v opened="$opened" '{ t = $1; $1 = ""; printf "%6.2f %s\n", t - opened, substr($0, 2) }' "$spoken"
