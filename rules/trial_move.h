// Trial moves of the search and their exact take-back.
#pragma once

#include "placement.h"

// A trial move of side at the candidate cell as move ply, when it is legal; false, with nothing
// changed, when it is not. A cell whose upper layer it fills leaves the linked candidate list,
// keeping its own links for the take-back; Candidates itself is not touched.
template <Side side>
inline bool trialMove(std::int32_t ply, std::int32_t cell)
{
    const std::int32_t kind = placeAndTurn<side>(ply, cell);
    if (kind == NotLegal) return false;
    // A cell that stays listed is linked to again from both sides, which changes nothing.
    const bool full = kind != OnEmptyCell;
    const std::int32_t prev = State.PrevCand[cell], next = State.NextCand[cell];
    State.NextCand[prev] = full ? next : cell;
    State.PrevCand[next] = full ? prev : cell;
    return true;
}

// The computer's and the person's trial moves. The move must be legal and Score[ply - 1]
// must hold the score before it; trial moves and take-backs nest strictly.
inline void Sokoutu_Com(std::int32_t ply, std::int32_t cell) { trialMove<Side::Com>(ply, cell); }
inline void Sokoutu_Man(std::int32_t ply, std::int32_t cell) { trialMove<Side::Man>(ply, cell); }

// Takes back the trial move of ply: pops its journal entries, turned cells first, and puts a
// cell it had filled back between its old neighbours. The state is as before the trial move.
inline void Modosu(std::int32_t ply)
{
    GameState& s = State;
    const std::int32_t bottom = s.JournalTop - s.ChangedCount[ply];
    for (std::int32_t top = s.JournalTop; top-- > bottom;)
        s.Board[s.JournalCell[top]] = {s.JournalLower[top], s.JournalUpper[top]};
    s.JournalTop = bottom;
    // The placed cell, restored last, goes back between its old neighbours; when the move had
    // left it listed, they are its neighbours still and linking it again changes nothing.
    const std::int32_t cell = s.JournalCell[bottom];
    s.NextCand[s.PrevCand[cell]] = cell;
    s.PrevCand[s.NextCand[cell]] = cell;
}
