// The opening book: the table parsed from its text, and the lookup of the game so far in it,
// directly and under the three other symmetries of the starting position.
#pragma once

#include "board.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

inline constexpr std::size_t BuiltInLineCount = 895;

// The built-in lines of the book, in their order, each beginning with its "@". Written by
// tools/book_builder from the strong computer's own choices.
extern const std::array<std::string_view, BuiltInLineCount> BookTextLines;

// Start-up: BookText is assembled from the built-in lines and parsed into BookTable. Returns the
// fault of the parse as parseBook does; the built-in text has none.
std::optional<std::string> loadOpeningBook();

// Parses text into State.BookTable, one entry per line in the order of the lines; the entry after
// the last line keeps NN = 0. The value and the comment of a line are skipped unread. A line the
// table cannot hold (NN outside 2..30, a 1002nd line, a line that ends before its answer, a move
// that names no cell) stops the parse: the table is left empty and the fault is returned.
std::optional<std::string> parseBook(std::string_view text);

// The answer of the first line that holds the game so far (MoveRecord[1..Ply - 1]) at move Ply,
// tried directly, then mirrored in a1-d4, turned half round, mirrored in d1-a4; mapped back to the
// real board. 0 when no line holds it.
std::int32_t bookLookup();

// The four maps of the lookup, in the order they are tried: identity, the mirror in the diagonal
// a1-d4, the half turn, the mirror in the diagonal d1-a4. They are the symmetries of the starting
// position that keep the colours; each is its own inverse.
inline constexpr std::size_t MapCount = 4;

inline constexpr std::int32_t mappedCell(std::size_t map, std::int32_t cell)
{
    const std::int32_t row = rowOf(cell), column = columnOf(cell);
    switch (map) {
    case 1: return 5 * column + row;
    case 2: return 30 - 5 * row - column;
    case 3: return 30 - 5 * column - row;
    }
    return cell;
}
