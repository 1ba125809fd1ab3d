#!/usr/bin/env bash
# Takes the README's and the metadata's picture of the review window: the real window under Xvfb,
# a recorded game shown at move 7 once every value has come. With GTK_THEME=Adwaita:dark and
# QT_QPA_PLATFORMTHEME=gtk3 in the environment it shows the dark look. Needs xvfb, xdotool and
# imagemagick.
#   scripts/review_screenshot.sh [PROGRAM [PNG [RECORD]]]
#   (defaults: build/review/nordamo-review app/review_screenshot.png, the game of the window test)
set -euo pipefail
program=$(realpath "${1:-build/review/nordamo-review}")
picture=$(realpath -m "${2:-app/review_screenshot.png}")
record=${3:-d3d4b3b2c4d2a1a2a1a3d4c4d2c2a4c1b1b1c1c3a3a2b4d1}
if [ -z "${SCREENSHOT_DISPLAY:-}" ]; then
  exec env SCREENSHOT_DISPLAY=1 xvfb-run -a -s '-screen 0 1280x900x24' "$0" "$program" "$picture" "$record"
fi

"$program" "$record" &
trap 'kill $!' EXIT
source "$(dirname "$0")/game_window.sh"
wait_for_window '^ノルダモ 検討$'
# The whole game solved (the graph full), then six steps on.
sleep 12
xdotool windowfocus --sync "$window"
for _ in 1 2 3 4 5 6; do xdotool key Right; sleep 0.2; done
sleep 2
import -window "$window" -strip "$picture"
