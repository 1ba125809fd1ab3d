#!/usr/bin/env bash
# Takes the README's and the metadata's picture of the review window: the real window under Xvfb,
# a recorded game shown at move 7 once every value has come. With GTK_THEME=Adwaita:dark and
# QT_QPA_PLATFORMTHEME=gtk3 in the environment it shows the dark look. SCREEN (default 1280x720)
# is the screen's size, and with WHOLE_SCREEN=1 the picture is of the whole screen, to show how
# the window fits; QT_SCALE_FACTOR scales it. KEYS are the keys pressed once the game is solved,
# as xdotool names them (default six steps on, to move 7; "m" opens the drill on the game's
# mistakes). Needs xvfb, xdotool and imagemagick.
#   scripts/review_screenshot.sh [PROGRAM [PNG [RECORD]]]
#   (defaults: build/review/nordamo-review app/review_screenshot.png, the game of the window test)
set -euo pipefail
program=$(realpath "${1:-build/review/nordamo-review}")
picture=$(realpath -m "${2:-app/review_screenshot.png}")
record=${3:-d3d4b3b2c4d2a1a2a1a3d4c4d2c2a4c1b1b1c1c3a3a2b4d1}
if [ -z "${SCREENSHOT_DISPLAY:-}" ]; then
  exec env SCREENSHOT_DISPLAY=1 xvfb-run -a -s "-screen 0 ${SCREEN:-1280x720}x24" "$0" "$program" "$picture" "$record"
fi

"$program" "$record" &
trap 'kill $!' EXIT
source "$(dirname "$0")/game_window.sh"
wait_for_window '^ノルダモ 検討$'
target=$([ "${WHOLE_SCREEN:-}" = 1 ] && echo root || echo "$window")

# Waits until the picture has stayed the same for half a second: every value has come.
settle() {
  local previous="" current
  for _ in $(seq 40); do
    current=$(import -window "$target" rgb:- | md5sum)
    [ "$current" = "$previous" ] && return
    previous=$current
    sleep 0.5
  done
}

# The whole game solved (the graph full), then the keys.
settle
xdotool windowfocus --sync "$window"
for key in ${KEYS:-Right Right Right Right Right Right}; do xdotool key "$key"; done
settle
import -window "$target" -strip "$picture"
