// Practice against perfect play, as plain functions over solved values: which moves of a game a
// drill asks again, how an answer to one is judged, and how the program answers a player.
#pragma once

#include "review_line.h"

#include <cstdint>
#include <random>
#include <span>
#include <vector>

// A move of a game with the solved values of the position it was played in, best first.
struct SolvedMove {
    Colour mover;
    std::int32_t cell;
    std::span<const MoveValue> values;
};

// What the move of cell gave away of the best value among values.
std::int32_t givenAwayBy(std::span<const MoveValue> values, std::int32_t cell);

// The numbers (from 1) of the moves of side that a drill asks again: each that gave away 3 top
// discs or more, or that changed the result under perfect play from a win, a draw or a loss to a
// worse one.
std::vector<std::int32_t> drillQuestions(std::span<const SolvedMove> game, Colour side);

// The side that gave away more top discs over the game; black when both gave away as much.
Colour drillSide(std::span<const SolvedMove> game);

// An answer to the position of the move played: as good as the best, better than the move played
// but not the best, or no better.
enum class Answer { Best, Better, NoBetter };
Answer judgeAnswer(std::span<const MoveValue> values, std::int32_t played, std::int32_t answer);

// One of the best moves among values, chosen by random among the equally best, so that games
// against perfect play vary. Values must not be empty.
std::int32_t bestAnswer(std::span<const MoveValue> values, std::mt19937& random);
