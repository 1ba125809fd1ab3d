// A position as the solver and a review see it: the bit-board and the side to move. Two positions
// are the same when both are, and they are found in a hash table by both.
#pragma once

#include "bit_board.h"

#include <cstddef>
#include <functional>

struct Position {
    BitBoard board;
    Side side;  // to move
    friend bool operator==(const Position&, const Position&) = default;
};

// The side to move in the position of the game state, which may be either colour.
inline Side sideOf(Colour mover) { return mover == State.ComColour ? Side::Com : Side::Man; }

// The position of the game state with mover to move.
inline Position readPosition(Colour mover) { return {readBitBoard(), sideOf(mover)}; }

template <>
struct std::hash<Position> {
    std::size_t operator()(const Position& position) const noexcept
    {
        const std::uint64_t open = std::uint64_t{position.board.open} << 1 | (position.side == Side::Com ? 1u : 0u);
        return std::hash<std::uint64_t>{}(position.board.discs ^ open * 0x9E3779B97F4A7C15u);
    }
};
