// One line of the opening book as the builder derives it: a game, and the strong computer's answer.
#pragma once

#include "board.h"

#include <cstdint>
#include <vector>

struct BookLine {
    std::vector<std::int32_t> moves;  // the cells of moves 1..NN - 1
    Colour com = EMPTY;               // the computer's colour: the side to make move NN
    std::int32_t answer = 0;          // the strong computer's choice at move NN
    std::int32_t value = 0;           // its exact value, computer minus person
    std::uint64_t nodes = 0;          // the size of the search that chose it

    std::int32_t moveNumber() const { return static_cast<std::int32_t>(moves.size()) + 1; }
};
