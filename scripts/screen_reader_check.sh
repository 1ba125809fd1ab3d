#!/usr/bin/env bash
# Shows the game as a screen reader sees it through AT-SPI: the real window under Xvfb on its own
# accessibility bus, driven by keys alone (Return on OK, Down, Return: the person plays a2). Lists
# the board's cells before and after the move, and the events a reader is sent meanwhile: the
# focused cell, the cells' new names, and the moves and status texts as notifications. Needs xvfb,
# xdotool, at-spi2-core, python3-pyatspi and dbus, which scripts/setup.sh screen-reader-check
# installs.
#   scripts/screen_reader_check.sh [PROGRAM]     (default: build/app/nordamo)
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
program=$(realpath "${1:-$repo/build/app/nordamo}")
if [ -z "${SCREEN_READER_SESSION:-}" ]; then
  bash "$repo/scripts/setup.sh" screen-reader-check
  exec env SCREEN_READER_SESSION=1 xvfb-run -a -s '-screen 0 1280x800x24' dbus-run-session -- "$0" "$program"
fi

work=$(mktemp -d /tmp/nordamo-a11y.XXXXXX)
pids=()
trap 'for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done; rm -rf "$work"' EXIT
/usr/libexec/at-spi-bus-launcher --launch-immediately &
pids+=($!)
sleep 1
# Qt speaks AT-SPI only when asked to: a desktop does so when a screen reader runs.
QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$program" 2>/dev/null &
pids+=($!)
source "$repo/scripts/game_window.sh"
wait_for_window
# No window manager hands out the focus here.
xdotool windowfocus --sync "$window"

/usr/bin/python3 - "$work" <<'EOF' &
import sys, pyatspi
def report(event):
    source = event.source
    try:
        what = f"{source.getRoleName()} \"{source.name}\""
    except Exception:
        what = "(gone)"
    with open(f"{sys.argv[1]}/events", "a") as out:
        print(f"  {event.type:42} {what}", file=out, flush=True)
for kind in ("focus:", "object:state-changed:showing", "object:property-change:accessible-name"):
    pyatspi.Registry.registerEventListener(report, kind)
pyatspi.Registry.start()
EOF
pids+=($!)

cells() {
  /usr/bin/python3 - <<'EOF'
import pyatspi
desktop = pyatspi.Registry.getDesktop(0)
app = next(a for a in desktop if a is not None and a.name == "ノルダモ")
board = pyatspi.findDescendant(app, lambda o: o.getRole() == pyatspi.ROLE_LIST)
print(f"  {board.getRoleName()} \"{board.name}\", {board.childCount} items")
for row in range(4):
    print("   ", " | ".join(board[4 * row + column].name for column in range(4)))
focused = [c.name for c in board if c.getState().contains(pyatspi.STATE_FOCUSED)]
print(f"  focused cell: {focused}")
EOF
}

sleep 1
echo "The window opens; Return presses OK:"
xdotool key --window "$window" Return
sleep 1
cells
echo "Down, then Return: the person plays a2 and the computer answers:"
xdotool key --window "$window" Down
sleep 0.5
xdotool key --window "$window" Return
sleep 3
cells
echo "Events sent meanwhile:"
cat "$work/events"
