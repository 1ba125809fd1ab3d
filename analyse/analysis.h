// The analysis of a game under perfect play, as nordamo-analyse prints it: every move's exact
// value in a position, and a review of a game move by move.
#pragma once

#include "exact_solver.h"

#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// A record that names no game: its message says what is wrong and where, in one line.
class BadRecord : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// What the analysis is solving now, as "move 5: c1 (3 of 7)".
using Progress = std::function<void(const std::string& solving)>;

// Reads the record as readRecord does (record_reading.h) and leaves the game state after it, the
// computer black; returns its moves. Throws BadRecord, whose message names the move, quotes it
// and says what is wrong and what would do.
std::vector<std::int32_t> replayGameRecord(std::string_view record);

// The position after the record: who is to move (and who passes to get there), then each legal
// move with its value, "b1 -10", one a line, best first; or, for a game that is over, its result.
// Throws BadRecord.
std::string analysePosition(ExactSolver& solver, std::string_view record, const Progress& progress = {});

// The game of the record move by move: who played, the move, its value, the best value there and
// the best moves, and how much a move gave away; then the final lead, or the value of the position
// where the record ends, and what each side gave away in all. Throws BadRecord.
std::string reviewGame(ExactSolver& solver, std::string_view record, const Progress& progress = {});
