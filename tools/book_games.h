// Games as the tools replay them: a record with the computer playing one colour.
#pragma once

#include "board.h"

#include <cstdint>
#include <vector>

// Replays moves from the start with the computer playing com. Throws std::logic_error when a
// move is not legal for the side to make it.
void replay(const std::vector<std::int32_t>& moves, Colour com);
