// The strong computer's exhaustive game-tree search to the end of the game, and its choice.
// Values are the computer's top discs minus the person's when neither side can move any more.
#pragma once

#include <cstdint>

// The position after move ply (the last move made, real or trial; Score[ply] is its score)
// with the person to move (Hyouka_Com, minimising) or the computer to move (Hyouka_Man,
// maximising), valued fail-hard in the window alpha < beta. The value at the end of the game and
// after move 27 is exact even outside the window. The board, the journal and the candidate list
// are left as they were found; Score and ChangedCount above ply are overwritten.
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
// value. The computer must have a legal move and the candidate list must be current. The board,
// the journal and the candidate list are left as they were found.
StrongChoice strongChoice();
