// May a side play at a cell, has it any move at all, and the list of cells that can still take
// a disc. These run at every node of the search: they read only the board and stop early.
#pragma once

#include "game_state.h"

// True when own may place a disc at cell: its upper layer is free and along one of its
// directions a run of opp top discs is closed by an own top disc. cell is a playing cell.
inline bool mayPlay(Colour own, Colour opp, std::int32_t cell)
{
    const Cell* board = State.Board;
    if (board[cell].Upper != EMPTY) return false;
    for (const std::int32_t* d = State.CellDirections[cell]; *d != 0; ++d) {
        std::int32_t n = cell + *d;
        if (topDisc(board[n]) != opp) continue;
        do n += *d;
        while (topDisc(board[n]) == opp);
        if (topDisc(board[n]) == own) return true;
    }
    return false;
}

inline bool Sokouteruka(Colour colour, std::int32_t cell) { return mayPlay(colour, opponentOf(colour), cell); }
inline bool SokouterukaM(std::int32_t cell) { return mayPlay(State.HumanColour, State.ComColour, cell); }
inline bool SokouterukaC(std::int32_t cell) { return mayPlay(State.ComColour, State.HumanColour, cell); }

// The first cell of the linked candidate list, from head, at which own may play, or the tail
// sentinel when there is none. With CandidateCount 0 the links are not read.
inline std::int32_t firstPlayable(Colour own, Colour opp, std::int32_t from = State.NextCand[HeadSentinel])
{
    if (State.CandidateCount <= 0) return TailSentinel;
    std::int32_t cell = from;
    while (cell != TailSentinel && !mayPlay(own, opp, cell)) cell = State.NextCand[cell];
    return cell;
}

inline bool Uteruka(Colour colour) { return firstPlayable(colour, opponentOf(colour)) != TailSentinel; }
inline bool UterukaM() { return firstPlayable(State.HumanColour, State.ComColour) != TailSentinel; }
inline bool UterukaC() { return firstPlayable(State.ComColour, State.HumanColour) != TailSentinel; }

// Rebuilds Candidates and the links from the board: every playing cell whose upper layer is
// free, in PriorityOrder. With no such cell the links keep their old values.
void Mazu_Yusen();
