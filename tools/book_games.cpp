#include "book_games.h"

#include "played_move.h"

#include <stdexcept>

void replay(const std::vector<std::int32_t>& moves, Colour com)
{
    if (!replayRecord(moves, opponentOf(com))) throw std::logic_error("a game of the book is not legal");
}
