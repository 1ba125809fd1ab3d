#!/usr/bin/env bash
# Plays the person's first move, a2, in a headless Wayland desktop (sway) and tells whether each
# step of its animation reached the screen: the red marker, the edge-on flip picture and the
# status text "コンピュータのばんです". The game runs twice in the same compositor: natively on
# Wayland (QT_QPA_PLATFORM=wayland), and with no platform chosen while an X display is there, as
# on a usual Wayland desktop, where it should run on X11 under XWayland. grim takes a frame about
# every 30 ms; the frames are judged by their pixel colours.
#
#   scripts/wayland_check.sh [PROGRAM]     PROGRAM defaults to build/app/nordamo
#   KEEP_FRAMES=DIR scripts/wayland_check.sh   also leaves the frames in DIR, as PPM files
#
# sway refuses to run as root: run as root, the script creates the unprivileged user
# nordamo-desk and runs sway, the game, grim and the pointer as it. The pointer, a virtual one
# driven from its standard input, is built from scripts/wayland-pointer/. Installs what it needs
# with scripts/setup.sh. Exit code 0 when every step showed in both runs.
set -euo pipefail

repo=$(cd "$(dirname "$0")/.." && pwd)
program=$(realpath "${1:-$repo/build/app/nordamo}")
user=nordamo-desk
bash "$repo/scripts/setup.sh" wayland-check

work=$(mktemp -d /tmp/nordamo-wayland.XXXXXX)
chmod 755 "$work"
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  # XWayland is no child of the script: it is waited for here.
  for pid in "${pids[@]}"; do
    for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
  done
  if [ -n "${KEEP_FRAMES:-}" ]; then mkdir -p "$KEEP_FRAMES" && cp -r "$work"/frames-* "$KEEP_FRAMES"/; fi
  rm -rf "$work"
}
trap cleanup EXIT

# A command prefix that runs as the desktop's user under the same process id (setpriv execs).
if [ "$(id -u)" -eq 0 ]; then
  id "$user" >/dev/null 2>&1 || useradd --system --user-group --no-create-home --shell /usr/sbin/nologin "$user"
  as_user=(setpriv --reuid="$user" --regid="$user" --init-groups --)
  owner=$user
else
  as_user=()
  owner=$(id -un)
fi

bash "$repo/scripts/wayland-pointer/build.sh" "$work/pointer" >/dev/null
runtime=$work/runtime
mkdir -m 700 "$runtime"
chown "$owner": "$runtime"
cat > "$work/sway.conf" <<'EOF'
output HEADLESS-1 resolution 1280x800 position 0 0
xwayland force
default_floating_border none
for_window [app_id=".*"] floating enable
for_window [class=".*"] floating enable
EOF

desktop=(env -i PATH=/usr/bin:/bin XDG_RUNTIME_DIR="$runtime" HOME="$work")
x_sockets_before=$(ls /tmp/.X11-unix 2>/dev/null || true)
"${as_user[@]}" "${desktop[@]}" WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman WLR_HEADLESS_OUTPUTS=1 \
  sway -c "$work/sway.conf" >"$work/sway.log" 2>&1 &
pids+=($!)
for _ in $(seq 100); do
  [ -S "$runtime/wayland-1" ] && compgen -G "$runtime/sway-ipc.*" >/dev/null && break
  sleep 0.1
done
[ -S "$runtime/wayland-1" ] || { echo "sway did not start:"; cat "$work/sway.log"; exit 1; }
x_display=
for _ in $(seq 100); do
  for socket in $(ls /tmp/.X11-unix 2>/dev/null); do
    grep -qx "$socket" <<<"$x_sockets_before" || x_display=:${socket#X}
  done
  [ -n "$x_display" ] && break
  sleep 0.1
done
[ -n "$x_display" ] || { echo "XWayland did not start"; exit 1; }
# XWayland outlives sway for a while; it is the process that listens on the display's socket.
pids+=($(ss -xlpn | awk -v socket="/tmp/.X11-unix/X${x_display#:}" \
  '$5 == socket && match($0, /pid=[0-9]+/) { print substr($0, RSTART + 4, RLENGTH - 4); exit }'))
sway_socket=$(compgen -G "$runtime/sway-ipc.*" | head -n 1)
session=("${desktop[@]}" WAYLAND_DISPLAY=wayland-1 SWAYSOCK="$sway_socket")

# The game's window as sway has it: "shell x y" of its client area on the output.
window_of() {
  "${as_user[@]}" "${session[@]}" swaymsg -r -t get_tree | python3 -c '
import json, sys
def walk(node):
    if node.get("pid") == int(sys.argv[1]):
        r, w = node["rect"], node["window_rect"]
        print(node.get("shell"), r["x"] + w["x"], r["y"] + w["y"])
    for child in node.get("nodes", []) + node.get("floating_nodes", []):
        walk(child)
walk(json.load(sys.stdin))' "$1"
}

verdict=0
run() {
  local name=$1; shift
  local frames=$work/frames-$name
  mkdir "$frames"
  chown "$owner": "$frames"
  "${as_user[@]}" "${session[@]}" "$@" "$program" >"$work/game-$name.log" 2>&1 &
  local game=$!
  pids+=("$game")
  local shell= x= y=
  for _ in $(seq 100); do
    read -r shell x y < <(window_of "$game") || true
    [ -n "$shell" ] && break
    sleep 0.1
  done
  [ -n "$shell" ] || { echo "$name: no window"; cat "$work/game-$name.log"; verdict=1; return; }
  sleep 0.5

  # OK, with the person black against the weak computer; then a2, with the pointer left still
  # and alive until the last frame, since pointer events would wake the program and flush its
  # drawing on their own.
  printf 'move %d %d\nsleep 300\nclick\nsleep 300\nquit\n' $((x + 677)) $((y + 220)) | "${as_user[@]}" "${session[@]}" "$work/pointer/vptr" >/dev/null
  sleep 0.7
  (
    start=$(date +%s%N)
    i=0
    while [ $(( $(date +%s%N) - start )) -lt 3500000000 ]; do
      "${as_user[@]}" "${session[@]}" grim -t ppm -g "$x,$y 773x477" "$frames/$(printf %04d $i).ppm"
      echo "$i $(( ($(date +%s%N) - start) / 1000000 ))" >>"$frames/times"
      i=$((i + 1))
    done
  ) &
  local capture=$!
  sleep 0.2
  printf 'move %d %d\nsleep 300\nclick\nsleep 4000\nquit\n' $((x + 81)) $((y + 176)) | "${as_user[@]}" "${session[@]}" "$work/pointer/vptr" >/dev/null &
  pids+=($!)
  wait "$capture"
  kill "$game" 2>/dev/null || true

  python3 - "$frames" "$name" "$shell" <<'EOF' || verdict=1
import sys

frames, name, shell = sys.argv[1:4]

def read_ppm(path):
    with open(path, "rb") as f:
        data = f.read()
    fields, at = [], 0
    while len(fields) < 4:  # P6, width, height, maximum, each ended by white space
        while data[at:at + 1].isspace():
            at += 1
        end = at
        while not data[end:end + 1].isspace():
            end += 1
        fields.append(data[at:end])
        at = end
    width = int(fields[1])
    pixels = data[at + 1:]
    return lambda x, y: tuple(pixels[3 * (y * width + x):3 * (y * width + x) + 3])

RED, WHITE, BLACK = (255, 0, 0), (255, 255, 255), (0, 0, 0)

def marker(px):
    # The marker is an ellipse of about 3400 red pixels; nothing else on the board is red.
    return sum(px(x, y) == RED for x in range(34, 414, 3) for y in range(26, 414, 3)) > 150

def edge_on(px):
    # The flip picture's bar: one colour down one column and the other down the next but four,
    # over 80 rows; every disc's face is one colour across.
    for x0 in (34, 129, 224, 319):
        for y0 in (26, 34, 121, 129, 216, 224, 311, 319):
            left, right = px(x0 + 44, y0 + 6), px(x0 + 49, y0 + 6)
            if {left, right} == {WHITE, BLACK} and all(
                    px(x0 + 44, y) == left and px(x0 + 49, y) == right for y in range(y0 + 6, y0 + 86)):
                return True
    return False

def status_width(px):
    # How far the dark glyphs of the status line reach: "コンピュータのばんです" fills the field,
    # "あなたのばんです" two thirds of it.
    xs = [x for x in range(450, 616) for y in range(370, 391) if max(px(x, y)) < 100]
    return max(xs) - min(xs) + 1 if xs else 0

times = dict(line.split() for line in open(f"{frames}/times"))
seen = {"red marker": [], "edge-on picture": [], "status \"コンピュータのばんです\"": [], "status \"あなたのばんです\"": []}
for i in sorted(times, key=int):
    px = read_ppm(f"{frames}/{int(i):04d}.ppm")
    width = status_width(px)
    for key, shown in zip(seen, (marker(px), edge_on(px), width >= 150, 0 < width < 150)):
        if shown:
            seen[key].append(int(times[i]))
count = len(times)
print(f"{name} (sway shell {shell}): {count} frames in {int(max(times.values(), key=int))} ms")
for key, at in seen.items():
    when = f"from {at[0]} to {at[-1]} ms" if at else ""
    print(f"  {key:32} {'shown' if at else 'NOT SHOWN':9} in {len(at):3} frames {when}")
sys.exit(0 if all(seen.values()) else 1)
EOF
}

run wayland QT_QPA_PLATFORM=wayland
run xwayland DISPLAY="$x_display" XDG_SESSION_TYPE=wayland
exit "$verdict"
