// Placing a disc and turning what it captures: the one implementation shared by the search's
// trial moves and the move played on screen, which only adds its animation through a Show.
#pragma once

#include "game_state.h"

// Kind of placement, from the target cell's lower disc before the move.
inline constexpr std::int32_t OnOwnDisc = 0;       // covers an own top disc: lead unchanged
inline constexpr std::int32_t OnEmptyCell = 1;     // a new top disc: lead +1
inline constexpr std::int32_t OnOpponentDisc = 2;  // covers an opposing top disc: lead +2

enum class Side { Com, Man };

// A Show sees a move happen: placed() after the disc is set, turning() while a captured disc
// is off the board (its layer EMPTY, about to take the mover's colour).
struct NoShow {
    void placed(std::int32_t /*cell*/, std::int32_t /*kind*/) {}
    void turning(std::int32_t /*cell*/, bool /*upperLayer*/, Colour /*was*/) {}
};

inline void pushJournal(std::int32_t cell)
{
    GameState& s = State;
    s.JournalCell[s.JournalTop] = cell;
    s.JournalLower[s.JournalTop] = s.Board[cell].Lower;
    s.JournalUpper[s.JournalTop] = s.Board[cell].Upper;
    ++s.JournalTop;
}

// Plays side's move at cell as move number ply: places the disc, turns every captured top
// disc, pushes the placed cell and then each turned cell (direction by direction, outward) on
// the journal, and sets ChangedCount[ply] and Score[ply] from Score[ply - 1]. Returns the kind.
// The move must be legal; nothing is checked.
template <Side side, class Show = NoShow>
inline std::int32_t placeAndTurn(std::int32_t ply, std::int32_t cell, Show&& show = {})
{
    GameState& s = State;
    const Colour own = side == Side::Com ? s.ComColour : s.HumanColour;
    const Colour opp = side == Side::Com ? s.HumanColour : s.ComColour;
    Cell* board = s.Board;

    pushJournal(cell);
    std::int32_t kind;
    if (board[cell].Lower == EMPTY) {
        board[cell].Lower = own;
        kind = OnEmptyCell;
    } else {
        board[cell].Upper = own;
        kind = board[cell].Lower == opp ? OnOpponentDisc : OnOwnDisc;
    }
    show.placed(cell, kind);

    std::int32_t changed = 1;
    for (const std::int32_t* d = s.CellDirections[cell]; *d != 0; ++d) {
        if (topDisc(board[cell + *d]) != opp) continue;
        std::int32_t end = cell + 2 * *d;
        while (topDisc(board[end]) == opp) end += *d;
        if (topDisc(board[end]) != own) continue;
        for (std::int32_t n = cell + *d; n != end; n += *d) {
            pushJournal(n);
            const bool upperLayer = board[n].Upper != EMPTY;
            Colour& layer = upperLayer ? board[n].Upper : board[n].Lower;
            const Colour was = layer;
            layer = EMPTY;
            show.turning(n, upperLayer, was);
            layer = own;
            ++changed;
        }
    }

    s.ChangedCount[ply] = changed;
    const std::int32_t gain = 2 * changed - 2 + kind;
    s.Score[ply] = s.Score[ply - 1] + (side == Side::Com ? gain : -gain);
    return kind;
}
