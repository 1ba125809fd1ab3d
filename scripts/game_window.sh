# Sourced by the scripts that drive the real window under Xvfb.

# Waits until the game's window (or the one whose title matches $1) is on the screen, and a moment
# more for its first paint; sets window to its X id.
wait_for_window() {
  window=""
  until [ -n "$window" ]; do
    sleep 0.5
    window=$(xdotool search --name "${1:-^ノルダモ\$}" | head -n 1 || true)
  done
  sleep 1
}
