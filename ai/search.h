// The strong computer's exhaustive game-tree search to the end of the game, and its choice.
// Values are the computer's top discs minus the person's when neither side can move any more.
#pragma once

#include <cstdint>

// The position after move ply (the last move made, real or trial; Score[ply] is its score)
// with the person to move (Hyouka_Com, minimising) or the computer to move (Hyouka_Man,
// maximising), valued fail-hard in the window alpha < beta. The value at the end of the game and
// after move 27 is exact even outside the window. The game state is read, from the board, the
// linked candidate list and Score[ply], and the search goes on in a copy of the position: the
// state is left as it was found.
std::int32_t Hyouka_Com(std::int32_t ply, std::int32_t alpha, std::int32_t beta);
std::int32_t Hyouka_Man(std::int32_t ply, std::int32_t alpha, std::int32_t beta);

// The same from move 20 on; after move 27 they hand over to the last-place evaluators.
std::int32_t Hyouka_Com2(std::int32_t ply, std::int32_t alpha, std::int32_t beta);
std::int32_t Hyouka_Man2(std::int32_t ply, std::int32_t alpha, std::int32_t beta);

// After move 27, with one free place left: the final score when the person (M) or the computer
// (C) is to fill it, valued without playing it. passed is 1 when the other side has already been
// found unable to fill it, else 0. Reads Score[27]; changes nothing.
std::int32_t Saigo_M_utazuhyouka(std::int32_t passed);
std::int32_t Saigo_C_utazuhyouka(std::int32_t passed);

// Calls of the four Hyouka_* functions since the program started: the size of a search.
std::uint64_t hyoukaCalls();

struct StrongChoice {
    std::int32_t cell;    // 0 when the computer has no legal move
    std::int32_t value;   // the exact final score after that move
    std::uint64_t nodes;  // calls of the four Hyouka_* functions the choice made
};

// The strong computer's move at move Ply: the first cell of the candidate list with the highest
// value; no cell when the computer has no legal move. The candidate list must be current. The
// game state is left as it was found.
StrongChoice strongChoice();

// The two ways the search reads the discs along a line: by shifts and multiplications on any
// processor, or with BMI2's pext on x86-64. Both visit the same tree. The search starts with pext
// where the processor runs it fast, else with the portable way.
enum class LineReading { Portable, Pext };

// Whether this processor can run that way at all (Pext: it has BMI2 and popcnt), fast or not.
bool canUse(LineReading reading);

LineReading lineReading();

// Chooses the way of the searches that follow, for the tests and the benchmark; a way the
// processor cannot run is not taken.
void useLineReading(LineReading reading);
