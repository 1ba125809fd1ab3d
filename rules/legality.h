// May a side play at a cell, has it any move at all, and the list of cells that can still take
// a disc. These run at every node of the search: they only read the board, and a cell's test
// reads its three lines without a branch on what it finds.
#pragma once

#include "game_state.h"

#include <cstddef>

// How many top discs of opp a disc of own at cell would turn along direction d: the run of opp
// discs next to it, when an own top disc closes it; 0 when it ends on an empty cell or the
// border. A line has four cells, so a run holds one or two discs, and the third cell along d is
// at worst a border cell.
inline std::int32_t runLength(Colour own, Colour opp, std::int32_t cell, std::int32_t d)
{
    const Cell* from = State.Board + cell;
    const std::ptrdiff_t step = d;
    const bool first = topDisc(from[step]) == opp;
    const Colour second = topDisc(from[2 * step]);
    const bool closedAtSecond = first & (second == own);
    const bool closedAtThird = first & (second == opp) & (topDisc(from[3 * step]) == own);
    return closedAtSecond + 2 * closedAtThird;
}

// True when own may place a disc at cell: its upper layer is free and along one of its
// directions a run of opp top discs is closed by an own top disc. cell is a playing cell.
inline bool mayPlay(Colour own, Colour opp, std::int32_t cell)
{
    if (State.Board[cell].Upper != EMPTY) return false;
    const std::int32_t* direction = State.CellDirections[cell];
    std::int32_t turned = 0;
    for (std::int32_t i = 0; i < DirectionsPerCell; ++i) turned |= runLength(own, opp, cell, direction[i]);
    return turned != 0;
}

inline bool Sokouteruka(Colour colour, std::int32_t cell) { return mayPlay(colour, opponentOf(colour), cell); }
inline bool SokouterukaM(std::int32_t cell) { return mayPlay(State.HumanColour, State.ComColour, cell); }
inline bool SokouterukaC(std::int32_t cell) { return mayPlay(State.ComColour, State.HumanColour, cell); }

// The head of the linked candidate list, or the tail sentinel when the last rebuild found no
// cell: then the links are not read.
inline std::int32_t firstCandidate() { return State.CandidateCount > 0 ? State.NextCand[HeadSentinel] : TailSentinel; }

// The first cell of the linked candidate list at which own may play, or the tail sentinel when
// there is none.
inline std::int32_t firstPlayable(Colour own, Colour opp)
{
    std::int32_t cell = firstCandidate();
    while (cell != TailSentinel && !mayPlay(own, opp, cell)) cell = State.NextCand[cell];
    return cell;
}

inline bool Uteruka(Colour colour) { return firstPlayable(colour, opponentOf(colour)) != TailSentinel; }
inline bool UterukaM() { return firstPlayable(State.HumanColour, State.ComColour) != TailSentinel; }
inline bool UterukaC() { return firstPlayable(State.ComColour, State.HumanColour) != TailSentinel; }

// Rebuilds Candidates and the links from the board: every playing cell whose upper layer is
// free, in PriorityOrder. With no such cell the links keep their old values.
void Mazu_Yusen();
