// The positions of a game's first moves, each by its key (position_key.h), and how the value of
// one follows from those of the positions a move later: what the built-in values of the opening
// are derived from, and checked against.
#pragma once

#include "bit_board.h"

#include <cstdint>
#include <functional>
#include <vector>

// The positions a move after that of key: after a move of its side to move, or, when that side has
// no move, after one of the other side (passed). None when neither side can move.
struct NextPositions {
    std::vector<std::uint64_t> keys;
    std::vector<std::int32_t> cells;  // cells[k]: the move that leads to keys[k]
    bool passed = false;
};
NextPositions nextPositions(std::uint64_t key);

// The side that makes the next move in the position of key: its side to move, or the other side
// when that one has no move.
Side sideToMoveOf(std::uint64_t key);

// byMove[k]: the keys of every position after k moves, from the start position on, sorted; k runs
// from 0 to moves.
std::vector<std::vector<std::uint64_t>> openingPositions(std::int32_t moves);

// The value of the position of key, its side's final lead under perfect play, from the values of
// the positions a move later.
std::int32_t valueFromNext(std::uint64_t key, const std::function<std::int32_t(std::uint64_t)>& valueOf);

// The key of the start position, black to move; the game state is left there, the computer black.
std::uint64_t startKey();
