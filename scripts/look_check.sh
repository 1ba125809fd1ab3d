#!/usr/bin/env bash
# Looks at the real window as three desktops show it, under Xvfb: the light default look, GTK's
# dark Adwaita, and that dark look at 200 % on a 1920 x 1200 screen (a 960 x 600 desktop). For
# each it keeps a screenshot, tells where the window landed and whether it lies wholly on the
# screen, the ground of the status line, which the desktop paints, and the contrast of every
# text on the yellow against its ground: that of its best pixel, the core of its strokes. Exits
# with 1 when a text reads below 4.5 : 1 or the window does not fit. Installs what it needs with
# scripts/setup.sh look-check.
#   scripts/look_check.sh [PROGRAM [FOLDER]]     (defaults: build/app/nordamo build/look)
set -euo pipefail
program=$(realpath "${1:-build/app/nordamo}")
folder=$(realpath -m "${2:-build/look}")

if [ -z "${LOOK_NAME:-}" ]; then
  bash "$(dirname "$0")/setup.sh" look-check
  mkdir -p "$folder"
  status=0
  look() {
    local name=$1 screen=$2
    shift 2
    LOOK_NAME=$name xvfb-run -a -s "-screen 0 ${screen}x24" "$0" "$program" "$folder" "$@" || status=1
  }
  dark=(QT_QPA_PLATFORMTHEME=gtk3 GTK_THEME=Adwaita:dark)
  look light 1280x800
  look dark 1280x800 "${dark[@]}"
  look dark-200% 1920x1200 "${dark[@]}" QT_SCALE_FACTOR=2
  exit $status
fi

shift 2
env "$@" "$program" 2>/dev/null &
game=$!
trap 'kill $game' EXIT
source "$(dirname "$0")/game_window.sh"
wait_for_window
picture="$folder/$LOOK_NAME.png"
import -window root -strip "$picture"
eval "$(xdotool getwindowgeometry --shell "$window")"
read -r SCREEN_WIDTH SCREEN_HEIGHT < <(xdotool getdisplaygeometry)

convert "$picture" ppm:- | python3 -c '
import sys
name, x, y, width, height, screen_width, screen_height = sys.argv[1], *map(int, sys.argv[2:])
data = sys.stdin.buffer.read()
fields = data.split(maxsplit=4)
columns = int(fields[1])
pixels = fields[4]
scale = width / 773

# A pixel of the client area; None where it lies off the screen.
def pixel(cx, cy):
    if not (0 <= x + cx < screen_width and 0 <= y + cy < screen_height): return None
    at = 3 * ((y + cy) * columns + x + cx)
    return tuple(pixels[at:at + 3])

def luminance(rgb):
    linear = [c / 255 / 12.92 if c / 255 <= 0.04045 else ((c / 255 + 0.055) / 1.055) ** 2.4 for c in rgb]
    return 0.2126 * linear[0] + 0.7152 * linear[1] + 0.0722 * linear[2]

# A text off the screen does not read at all.
def contrast(a, b):
    if a is None: return 1.0
    la, lb = luminance(a), luminance(b)
    return (max(la, lb) + 0.05) / (min(la, lb) + 0.05)

yellow, white = (255, 255, 0), (255, 255, 255)
# Each text in client coordinates at 100 %: left, top, width, height, and its ground. The radio
# items begin right of their round indicators; a caption is the line above its frame.
texts = [("abcd"[k], 78 + 95 * k, 4, 14, 20, yellow) for k in range(4)]
texts += [(str(k + 1), 14, 76 + 95 * k, 14, 20, yellow) for k in range(4)]
texts += [("人 対 コンピュータ", 480, 64, 133, 16, yellow), ("棋譜です⇒", 0, 424, 78, 15, white),
          ("先手？後手？", 488, 97, 100, 14, yellow), ("コンピュータのつよさ", 592, 97, 137, 14, yellow),
          ("先手（黒）", 517, 129, 73, 18, yellow), ("後手（白）", 517, 164, 73, 18, yellow),
          ("よわい", 621, 129, 105, 18, yellow), ("つよい", 621, 164, 105, 18, yellow)]

inside = x >= 0 and y >= 0 and x + width <= screen_width and y + height <= screen_height
print(f"{name}: the window at {x},{y}, {width} x {height} on a {screen_width} x {screen_height} screen:",
      "wholly on it" if inside else "partly off it")
ground = pixel(round(460 * scale), round(380 * scale))
print(f"{name}: the status line painted on", "#%02x%02x%02x" % ground if ground else "nothing: it is off the screen")
lowest = None
for text, left, top, w, h, under in texts:
    best = max(contrast(pixel(round(cx * scale), round(cy * scale)), under)
               for cy in range(top, top + h) for cx in range(left, left + w))
    print(f"{name}:   {best:5.2f} : 1  {text}")
    if lowest is None or best < lowest[0]: lowest = (best, text)
print(f"{name}: lowest text contrast {lowest[0]:.2f} : 1 ({lowest[1]})")
sys.exit(0 if inside and lowest[0] >= 4.5 else 1)
' "$LOOK_NAME" "$X" "$Y" "$WIDTH" "$HEIGHT" "$SCREEN_WIDTH" "$SCREEN_HEIGHT"
