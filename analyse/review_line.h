// A game and its positions as a review shows them: each position taken from the game state,
// with what the window draws and what a solver on another thread needs, and how much a move gave
// away, graded.
#pragma once

#include "exact_solver.h"
#include "game_state.h"

#include <array>
#include <cstdint>
#include <span>
#include <vector>

struct LinePosition {
    std::array<Cell, CellCount> board;  // both layers
    Position position;                  // what the solver takes, and what values are found by
    std::int32_t ply;                   // the number of the next move
    Colour mover;                       // the side to move, EMPTY when the game is over
    Colour due;                         // whose turn it was: not the mover after a pass
    std::vector<std::int32_t> legal;    // the mover's cells, in candidate order
    TopDiscs discs;
};

// The position before each of moves and the one after the last, replayed from the start; the game
// state is left as it was found. The moves must be legal there, as in a record that readRecord
// takes whole.
std::vector<LinePosition> linePositions(std::span<const std::int32_t> moves);

// The position after moves, replayed as linePositions does.
LinePosition positionAfter(std::span<const std::int32_t> moves);

// The value of cell among a position's solved values; ScoreBelowAll when it is not there.
std::int32_t valueOf(std::span<const MoveValue> values, std::int32_t cell);

// How bad a move was by what it gave away of the best value: nothing; 1 or 2 top discs; 3 to 5;
// 6 or more.
enum class Grade { Best, Inaccuracy, Mistake, Blunder };
Grade gradeOf(std::int32_t givenAway);
