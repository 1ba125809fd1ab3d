// The vocabulary of the game: colours, cell indexes, the board's geometry and the score range.
#pragma once

#include <cstdint>

using Colour = std::int32_t;

inline constexpr Colour EMPTY = 0;
inline constexpr Colour BLACK = 1;  // black always makes the first move
inline constexpr Colour WHITE = 2;
inline constexpr Colour WALL = 3;   // lower layer of a border cell only

// Cells are indexed 5 * row + column on a grid five wide; rows and columns 1..4 are the
// playing cells, and column 0 is the border on both sides.
inline constexpr std::int32_t CellCount = 31;
inline constexpr std::int32_t FirstPlayingCell = 6;
inline constexpr std::int32_t LastPlayingCell = 24;
inline constexpr std::int32_t PlayingCellCount = 16;

// 32 disc places, 4 of them filled at the start: a game has at most 28 moves.
inline constexpr std::int32_t MaxMoves = 28;

// Every corner and edge cell can take two discs and each centre cell one; a corner move pushes
// at most 7 entries, an edge move 5, a centre move 4, so a game holds at most 152 at once.
// The capacity is far above that and no push checks it.
inline constexpr std::int32_t JournalCapacity = 1142;

// Sixteen top discs at most: every score lies in -16..16, so -33 and 33 lie outside them all.
inline constexpr std::int32_t ScoreBelowAll = -33;
inline constexpr std::int32_t ScoreAboveAll = 33;

// Pixel geometry of the drawn board, shared by the drawing, the animation and the click mapping.
inline constexpr std::int32_t CellSize = 95;
inline constexpr std::int32_t BoardMargin = 34;

// A cell from its row and column, and back.
inline constexpr std::int32_t cellOf(std::int32_t row, std::int32_t column) { return 5 * row + column; }
inline constexpr std::int32_t rowOf(std::int32_t cell) { return cell / 5; }
inline constexpr std::int32_t columnOf(std::int32_t cell) { return cell % 5; }

inline constexpr bool isPlayingCell(std::int32_t cell)
{
    return cell >= FirstPlayingCell && cell <= LastPlayingCell && columnOf(cell) != 0;
}

inline constexpr Colour opponentOf(Colour colour) { return colour == BLACK ? WHITE : BLACK; }
