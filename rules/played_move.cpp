#include "played_move.h"

#include "legality.h"

#include <algorithm>

void startGame(Colour humanColour)
{
    copyInitialBoard();
    State.HumanColour = humanColour;
    State.ComColour = opponentOf(humanColour);
    State.Ply = 1;
    State.JournalTop = 0;
    Mazu_Yusen();
}

bool playMoveAndGoOn(Colour colour, std::int32_t cell)
{
    if (!playMove(colour, cell)) return false;
    ++State.Ply;
    Mazu_Yusen();
    return true;
}

Colour colourDue()
{
    // Without passes black makes the odd moves; a pass swaps that, so look at who moved last.
    return State.Ply == 1 ? BLACK : opponentOf(topDisc(State.Board[State.MoveRecord[State.Ply - 1]]));
}

Colour sideToMove()
{
    const Colour due = colourDue();
    if (Uteruka(due)) return due;
    if (Uteruka(opponentOf(due))) return opponentOf(due);
    return EMPTY;
}

RecordFault playRecordedMove(std::int32_t cell)
{
    if (!isPlayingCell(cell)) return RecordFault::NotACell;
    const Colour mover = sideToMove();
    if (mover == EMPTY) return RecordFault::GameOver;
    if (!Sokouteruka(mover, cell)) return RecordFault::NotPlayable;
    playMoveAndGoOn(mover, cell);
    return RecordFault::None;
}

bool replayRecord(std::span<const std::int32_t> moves, Colour humanColour)
{
    startGame(humanColour);
    return std::ranges::all_of(moves, [](std::int32_t cell) { return playRecordedMove(cell) == RecordFault::None; });
}

std::vector<std::int32_t> legalCells(Colour colour)
{
    std::vector<std::int32_t> cells;
    for (std::int32_t cell = firstCandidate(); cell != TailSentinel; cell = State.NextCand[cell])
        if (Sokouteruka(colour, cell)) cells.push_back(cell);
    return cells;
}

std::vector<std::int32_t> parseRecord(std::string_view text)
{
    std::vector<std::int32_t> cells;
    if (text.size() % 2 != 0) return {};
    for (std::size_t i = 0; i < text.size(); i += 2) {
        const std::int32_t cell = cellIndex(text.substr(i, 2));
        if (cell == 0) return {};
        cells.push_back(cell);
    }
    return cells;
}
