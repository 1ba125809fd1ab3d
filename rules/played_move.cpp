#include "played_move.h"

#include "legality.h"

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

bool replayRecord(std::span<const std::int32_t> moves, Colour humanColour)
{
    startGame(humanColour);
    for (std::int32_t cell : moves) {
        const Colour mover = sideToMove();
        if (mover == EMPTY || !isPlayingCell(cell) || !Sokouteruka(mover, cell)) return false;
        playMoveAndGoOn(mover, cell);
    }
    return true;
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
