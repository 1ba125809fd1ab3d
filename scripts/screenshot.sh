#!/usr/bin/env bash
# Takes the screenshot that the AppStream metadata shows: the real window under Xvfb, a few moves
# into a game against the strong computer. Its first answer is random, so the position differs
# from run to run. Needs xvfb, xdotool and imagemagick.
#   scripts/screenshot.sh [PROGRAM [PNG]]     (defaults: build/app/nordamo app/screenshot.png)
set -euo pipefail
program=$(realpath "${1:-build/app/nordamo}")
picture=$(realpath "${2:-app/screenshot.png}")
if [ -z "${SCREENSHOT_DISPLAY:-}" ]; then
  exec env SCREENSHOT_DISPLAY=1 xvfb-run -a -s '-screen 0 1280x800x24' "$0" "$program" "$picture"
fi

"$program" &
trap 'kill $!' EXIT
source "$(dirname "$0")/game_window.sh"
wait_for_window

# Client coordinates: "つよい", then OK; then a handful of cells (column, row), of which those
# that are illegal at the time are ignored by the game. Each move waits for the computer's answer.
xdotool mousemove --window "$window" 612 173 click 1 sleep 0.5 mousemove --window "$window" 677 220 click 1
for cell in 12 24 13 33 14 34 44 11 21 31 41; do
  sleep 3
  xdotool mousemove --window "$window" $((82 + 95 * (${cell:0:1} - 1))) $((82 + 95 * (${cell:1:1} - 1))) click 1
done
sleep 3
import -window "$window" -strip "$picture"
