#!/usr/bin/env bash
# Plays by keys with the real screen reader listening (scripts/orca_session.sh), as a blind
# Japanese player does. Chooses the strong computer, presses OK, plays a2, moves the cursor across
# a change of row, presses Return on a cell that may not take a disc, plays a second move (the
# best after the computer's answer), presses the restart picture, and prints what Orca said, line
# by line, with the seconds since the window opened. ORCA_KEEP=1 keeps the work folder,
# ORCA_DEBUG=1 adds Orca's debug log to it.
#   scripts/orca_check.sh [PROGRAM]     (default: build/app/nordamo; nordamo-analyse beside it)
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
program=$(realpath "${1:-$repo/build/app/nordamo}")
analyse="$(dirname "$program")/../analyse/nordamo-analyse"
source "$repo/scripts/orca_session.sh"
orca_session "$0" "$program"
start_orca

open_window '^ノルダモ$' "$program"

# The arrow keys that take the cursor from one cell to another.
keys_from() {
  local columns=$(($(printf %d "'${2:0:1}") - $(printf %d "'${1:0:1}"))) rows=$((${2:1:1} - ${1:1:1}))
  for ((; columns > 0; columns--)); do echo Right; done
  for ((; columns < 0; columns++)); do echo Left; done
  for ((; rows > 0; rows--)); do echo Down; done
  for ((; rows < 0; rows++)); do echo Up; done
}

step "Shift+Tab: the strength" shift+Tab
step "Space: the strong computer" space
step "Tab: OK" Tab
step "Return: OK" Return
step "Down" Down
step "Return: a2" Return
sleep 2
step "Right" Right
step "Down: a row lower" Down
step "Return: a cell that may not take a disc" Return
# The second move: the best after the computer's answer as Orca told it, by the project's solver.
answer=$(sed -n 's/.*白が \([a-d][1-4]\) に.*/\1/p' "$spoken" | tail -n 1)
second=$("$analyse" "a2$answer" | sed -n '2s/ .*//p')
step "to $second" $(keys_from b3 "$second")
step "Return: $second" Return
sleep 2
step "Tab" Tab
step "Space: the restart picture" space
sleep 1

print_spoken
