// The exact values of every position of a game's first moves, derived once by
// tools/opening_values_builder and built in: there the solver would need seconds, here it looks
// them up.
#pragma once

#include "bit_board.h"

#include <cstdint>
#include <optional>
#include <span>

// Every position after at most this many moves is held: the first moves a review shows then
// need no search, and the next ones little.
inline constexpr std::int32_t OpeningValueMoves = 8;

// An entry: the position's key (position_key.h) shifted up by ValueBits, and below it the
// position's value plus PlayingCellCount; sorted, so sorted by key.
inline constexpr std::int32_t ValueBits = 6;

constexpr std::uint64_t openingValueEntry(std::uint64_t key, std::int32_t value)
{
    return key << ValueBits | static_cast<std::uint64_t>(value + PlayingCellCount);
}

extern const std::span<const std::uint64_t> OpeningValueEntries;

// The final lead of mover under perfect play in the position board with mover to move, passing
// when it has no move; nullopt for a position the table does not hold.
std::optional<std::int32_t> openingValue(BitBoard board, Side mover);
