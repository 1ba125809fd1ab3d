// Checks of the game state that tests and the soak run make between handlers.
#pragma once

#include "board.h"

#include <cstdint>
#include <string>

// Top discs of the computer minus those of the person over the 16 playing cells.
std::int32_t topDiscLead();

// The first invariant of the game state that does not hold, in words, or "" when all hold:
// the border and the layers, the candidate list against the board, the journal leading back to
// the starting layout, and the last score against the board. Not for use inside a search.
std::string stateFault();
