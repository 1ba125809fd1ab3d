#!/usr/bin/env bash
# Reviews a game by keys with the real screen reader listening (scripts/orca_session.sh), as a
# blind Japanese player does: opens nordamo-review on a recorded game, steps three moves on,
# reaches the board by Tab from the record field, moves its cursor and plays a variation there,
# takes it back, presses Esc on the game's line, plays the best move by B and returns by Esc,
# goes to the game's end and one move back in the move list, and types a record that is refused. Prints what Orca said, line by
# line, with the seconds since the window opened and the key pressed before. ORCA_KEEP=1 keeps
# the work folder, ORCA_DEBUG=1 adds Orca's debug log to it.
#   scripts/orca_review_check.sh [PROGRAM [RECORD]]
#   (defaults: build/review/nordamo-review, the game of the review window's test)
set -euo pipefail
source "$(dirname "$0")/orca_session.sh"
open_review "$0" "$@"
sleep 2
step "Right" Right
step "Right" Right
step "Right" Right
# The board, whatever has the focus: the record field (Alt+K), then Tab.
step "Alt+K: the record field" alt+k
step "Tab: the board" Tab
step "Down" Down
step "Return: a variation" Return
step "Left" Left
step "Escape" Escape
step "B: the best move" b
step "Escape" Escape
step "End" End
step "Tab: the move list" Tab
step "Up" Up
step "Alt+K, a2b2: a record with a move white may not play" alt+k a 2 b 2
sleep 1

print_spoken
