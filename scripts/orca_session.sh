# Sourced by the scripts that drive a window with the real screen reader listening, as a blind
# Japanese player does: Orca in the ja_JP.UTF-8 locale under Xvfb, on its own accessibility bus,
# speaking through a speech-dispatcher whose output module writes each text to a file instead of
# a sound card. Needs xvfb, xdotool, at-spi2-core, dbus, orca, speech-dispatcher and the
# ja_JP.UTF-8 locale, which scripts/setup.sh orca-check installs. ORCA_KEEP=1 keeps the work
# folder, ORCA_DEBUG=1 adds Orca's debug log to it.

# Called first with the script's path and arguments: installs what is missing and runs the script
# again inside its own X display and D-Bus session; returns there.
orca_session() {
  [ -n "${ORCA_SESSION:-}" ] && return
  bash "$(dirname "${BASH_SOURCE[0]}")/setup.sh" orca-check
  exec env ORCA_SESSION=1 LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8 \
    xvfb-run -a -s '-screen 0 1280x800x24' dbus-run-session -- "$@"
}

# Starts the accessibility bus, speech-dispatcher and Orca in a work folder, all stopped when the
# script ends; sets work, spoken (the file of what Orca says) and pids.
start_orca() {
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
  cat >"$work/speechd/speechd.conf" <<CONF
AddModule "file" "sd_generic" "file.conf"
DefaultModule file
DefaultLanguage "ja"
AudioOutputMethod "libao"
LogDir "$work"
CONF
  cat >"$work/speechd/modules/file.conf" <<CONF
GenericExecuteSynth "echo \$(date +%s.%N) \'\$DATA\' >> $spoken"
AddVoice "ja" "MALE1" "file"
GenericLanguage "ja" "ja" "utf-8"
DefaultVoice "file"
CONF
  speech-dispatcher -s -t 0 -C "$work/speechd" 2>/dev/null &
  pids+=($!)
  /usr/libexec/at-spi-bus-launcher --launch-immediately &
  pids+=($!)
  sleep 1
  orca ${ORCA_DEBUG:+--debug-file "$work/orca-debug.txt"} 2>"$work/orca.log" &
  pids+=($!)
  # Orca says that it is on once it listens; on a busy machine that takes a while.
  for _ in $(seq 120); do
    [ -s "$spoken" ] && break
    sleep 0.5
  done
  sleep 1
  : >"$spoken"
}

# open_window TITLE PROGRAM [ARGUMENT...]: starts the program on X11 and waits for its window,
# whose title matches TITLE; sets window to its X id and opened to the time it opened.
open_window() {
  local title=$1
  shift
  QT_QPA_PLATFORM=xcb "$@" 2>/dev/null &
  pids+=($!)
  source "$(dirname "${BASH_SOURCE[0]}")/game_window.sh"
  wait_for_window "$title"
  opened=$(date +%s.%N)
  # No window manager hands out the focus here.
  xdotool windowfocus --sync "$window"
  sleep 2
}

# step LABEL KEY...: notes LABEL among what is said, presses the keys in $window and lets Orca
# speak.
step() {
  printf '%s [%s]\n' "$(date +%s.%N)" "$1" >>"$spoken"
  shift
  xdotool key --window "$window" "$@"
  sleep 2
}

# Prints what Orca said, line by line, with the seconds since $opened.
print_spoken() {
  awk -v opened="$opened" '{ t = $1; $1 = ""; printf "%6.2f %s\n", t - opened, substr($0, 2) }' "$spoken"
}

# For the scripts that listen to the review window, called with the script's path and arguments
# [PROGRAM [RECORD]] (defaults: the build's nordamo-review, the game of the review window's test):
# the session, Orca, and the window opened on the record.
open_review() {
  local script=$1 repo
  repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
  local program record
  program=$(realpath "${2:-$repo/build/review/nordamo-review}")
  record=${3:-d3d4b3b2c4d2a1a2a1a3d4c4d2c2a4c1b1b1c1c3a3a2b4d1}
  orca_session "$script" "$program" "$record"
  start_orca
  open_window '^ノルダモ 検討$' "$program" "$record"
}
