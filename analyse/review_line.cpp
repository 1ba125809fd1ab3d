#include "review_line.h"

#include "bit_board.h"
#include "played_move.h"

#include <algorithm>
#include <ranges>

namespace {

LinePosition currentPosition()
{
    LinePosition position{};
    std::ranges::copy(State.Board, position.board.begin());
    position.ply = State.Ply;
    position.mover = sideToMove();
    position.position = readPosition(position.mover == EMPTY ? colourDue() : position.mover);
    position.due = colourDue();
    if (position.mover != EMPTY) position.legal = legalCells(position.mover);
    position.discs = topDiscsOf(State.Board);
    return position;
}

}  // namespace

std::vector<LinePosition> linePositions(std::span<const std::int32_t> moves)
{
    const KeptGameState kept;
    startGame(WHITE);
    std::vector<LinePosition> positions{currentPosition()};
    for (const std::int32_t cell : moves) {
        if (playRecordedMove(cell) != RecordFault::None) break;
        positions.push_back(currentPosition());
    }
    return positions;
}

LinePosition positionAfter(std::span<const std::int32_t> moves)
{
    const KeptGameState kept;
    startGame(WHITE);
    for (const std::int32_t cell : moves)
        if (playRecordedMove(cell) != RecordFault::None) break;
    return currentPosition();
}

std::int32_t valueOf(std::span<const MoveValue> values, std::int32_t cell)
{
    const auto found = std::ranges::find(values, cell, &MoveValue::cell);
    return found == values.end() ? ScoreBelowAll : found->value;
}

Grade gradeOf(std::int32_t givenAway)
{
    if (givenAway <= 0) return Grade::Best;
    if (givenAway <= 2) return Grade::Inaccuracy;
    if (givenAway <= 5) return Grade::Mistake;
    return Grade::Blunder;
}
