// The game's words as the windows write and speak them: a colour's name and a cell read aloud.
#pragma once

#include "game_state.h"

#include <QString>

#include <cstdint>
#include <span>

// "黒" or "白".
QString colourName(Colour colour);

// "a2": the cell's coordinate.
QString cellLabel(std::int32_t cell);

// The cell's coordinate and what it holds on board, top disc first, in words that read well
// aloud: "a2 黒", "b3 白、下は黒", "c1 空き".
QString accessibleCellName(std::span<const Cell, CellCount> board, std::int32_t cell);
