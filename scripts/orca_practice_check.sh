#!/usr/bin/env bash
# Practises by keys with the real screen reader listening (scripts/orca_session.sh), as a blind
# Japanese player does: opens nordamo-review on a recorded game, starts the drill on its mistakes
# (M), asks a hint (H), answers from the board's cursor (↓ Return), sees the answer (A) and goes on
# (Return), skips a question (S) and leaves (Esc); then plays on from the shown position (P), takes
# the move back (←), leaves the game (Esc) and resumes it (R). Prints what Orca said, line by
# line, with the seconds since the window opened and the key pressed before. ORCA_KEEP=1 keeps
# the work folder, ORCA_DEBUG=1 adds Orca's debug log to it.
#   scripts/orca_practice_check.sh [PROGRAM [RECORD]]
#   (defaults: build/review/nordamo-review, the game of the review window's test)
set -euo pipefail
source "$(dirname "$0")/orca_session.sh"
open_review "$0" "$@"
# The whole game solved, which the drill waits for.
sleep 6
step "M: the drill" m
step "H: a hint" h
step "Down" Down
step "Return: an answer" Return
sleep 2
step "A: the answer" a
step "Return: the next question" Return
step "S: skip" s
step "Escape: the drill left" Escape
step "P: play on from here" p
step "Down" Down
step "Return: a move" Return
step "Left: taken back" Left
step "Escape: the game left" Escape
step "R: resumed" r
sleep 1

print_spoken
