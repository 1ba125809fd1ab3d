#include "opening_book.h"

#include "game_state.h"

#include <algorithm>

namespace {

constexpr bool everyMapIsItsOwnInverseAndKeepsTheStart()
{
    for (std::size_t map = 0; map < MapCount; ++map)
        for (std::int32_t cell : PriorityOrder) {
            const std::int32_t image = mappedCell(map, cell);
            if (!isPlayingCell(image) || mappedCell(map, image) != cell) return false;
            if (InitialBoard[image] != InitialBoard[cell]) return false;
        }
    return true;
}
static_assert(everyMapIsItsOwnInverseAndKeepsTheStart());

// Rows 1..NN of an entry hold the moves and the answer, so NN must leave room for them in the
// table's 31 rows; below 2 a line would answer before the first move.
constexpr std::int32_t LowestMoveNumber = 2;
constexpr std::int32_t HighestMoveNumber = BookRows - 1;

bool isDigit(char c) { return c >= '0' && c <= '9'; }

void clearTable()
{
    for (auto& row : State.BookTable) std::ranges::fill(row, 0);
}

std::string faultAt(std::int32_t entry, std::size_t at, const std::string& what)
{
    return "book line " + std::to_string(entry + 1) + " at byte " + std::to_string(at) + ": " + what;
}

// Reads the line whose "@" is at text[at] into entry: NN at offsets 1-2, move k at 2k + 2, the
// answer at 2 NN + 3. Returns the fault, writing nothing, when the table cannot hold the line.
std::optional<std::string> readLine(std::string_view text, std::size_t at, std::int32_t entry)
{
    if (entry >= BookLines) return faultAt(entry, at, "more lines than the table's " + std::to_string(BookLines));
    if (at + 3 > text.size() || !isDigit(text[at + 1]) || !isDigit(text[at + 2]))
        return faultAt(entry, at, "no two-digit move number after the \"@\"");
    const std::int32_t nn = 10 * (text[at + 1] - '0') + (text[at + 2] - '0');
    if (nn < LowestMoveNumber || nn > HighestMoveNumber)
        return faultAt(entry, at, "move number " + std::to_string(nn) + " outside 2..30");
    const auto length = static_cast<std::size_t>(2 * nn + 5);
    if (at + length > text.size()) return faultAt(entry, at, "the text ends before the line's answer");

    std::array<std::int32_t, BookRows> column{nn};
    for (std::int32_t k = 1; k <= nn; ++k) {
        const std::size_t offset = at + static_cast<std::size_t>(k < nn ? 2 * k + 2 : 2 * nn + 3);
        column[k] = cellIndex(text.substr(offset, 2));
        if (column[k] == 0) {
            std::string what(1, '"');
            what.append(text.substr(offset, 2)).append("\" at offset ").append(std::to_string(offset - at));
            return faultAt(entry, at, what.append(" names no cell a1..d4"));
        }
    }
    for (std::int32_t row = 0; row < BookRows; ++row) State.BookTable[row][entry] = column[row];
    return std::nullopt;
}

bool entryHolds(std::int32_t entry, const std::array<std::int32_t, MaxMoves + 1>& record, std::int32_t ply)
{
    for (std::int32_t k = 1; k < ply; ++k)
        if (State.BookTable[k][entry] != record[k]) return false;
    return true;
}

}  // namespace

std::optional<std::string> loadOpeningBook()
{
    State.BookText = BookTextLines[0];
    for (std::size_t line = 1; line < BuiltInLineCount; ++line) State.BookText += BookTextLines[line];
    return parseBook(State.BookText);
}

std::optional<std::string> parseBook(std::string_view text)
{
    clearTable();
    std::int32_t entry = 0;
    // The last byte never starts a line: it is the "&" of the last one.
    for (std::size_t at = 0; at + 1 < text.size();) {
        if (text[at] != '@') {
            ++at;
            continue;
        }
        if (auto fault = readLine(text, at, entry)) {
            clearTable();
            return fault;
        }
        at += static_cast<std::size_t>(2 * State.BookTable[0][entry] + 5);
        ++entry;
    }
    return std::nullopt;
}

std::int32_t bookLookup()
{
    const std::int32_t ply = State.Ply;
    for (std::size_t map = 0; map < MapCount; ++map) {
        // 1. The record as this map sees it.
        std::array<std::int32_t, MaxMoves + 1> record{};
        for (std::int32_t k = 1; k < ply; ++k) record[k] = mappedCell(map, State.MoveRecord[k]);

        // 2.-3. The first entry of this move number that holds it; NN = 0 ends the table.
        for (std::int32_t entry = 0; entry < BookLines && State.BookTable[0][entry] != 0; ++entry)
            if (State.BookTable[0][entry] == ply && entryHolds(entry, record, ply))
                return mappedCell(map, State.BookTable[ply][entry]);
    }
    return 0;
}
