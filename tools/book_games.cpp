#include "book_games.h"

#include "legality.h"
#include "played_move.h"

#include <stdexcept>

void replay(const std::vector<std::int32_t>& moves, Colour com)
{
    if (!replayRecord(moves, opponentOf(com))) throw std::logic_error("a game of the book is not legal");
}

std::vector<std::int32_t> movesOf(Colour colour)
{
    std::vector<std::int32_t> cells;
    for (std::int32_t cell = firstCandidate(); cell != TailSentinel; cell = State.NextCand[cell])
        if (Sokouteruka(colour, cell)) cells.push_back(cell);
    return cells;
}
