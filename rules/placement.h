// Placing a disc and turning what it captures: the one implementation shared by the search's
// trial moves and the move played on screen, which only adds its animation through a Show.
#pragma once

#include "legality.h"

#include <type_traits>

// Kind of placement, from the target cell's lower disc before the move.
inline constexpr std::int32_t OnOwnDisc = 0;       // covers an own top disc: lead unchanged
inline constexpr std::int32_t OnEmptyCell = 1;     // a new top disc: lead +1
inline constexpr std::int32_t OnOpponentDisc = 2;  // covers an opposing top disc: lead +2
inline constexpr std::int32_t NotLegal = -1;       // nothing would turn: nothing was changed

enum class Side { Com, Man };

// A Show sees a move happen: placed() after the disc is set, turning() while a captured disc
// is off the board (its layer EMPTY, about to take the mover's colour).
struct NoShow {
    void placed(std::int32_t /*cell*/, std::int32_t /*kind*/) {}
    void turning(std::int32_t /*cell*/, bool /*upperLayer*/, Colour /*was*/) {}
};

// a when pick holds, else b, chosen without a branch: what a move turns is different at every
// node of the search, so a branch on it would be mispredicted half the time.
inline std::int32_t choose(bool pick, std::int32_t a, std::int32_t b)
{
    const std::int32_t mask = -std::int32_t{pick};
    return (a & mask) | (b & ~mask);
}

// Saves cell's two layers as journal entry top and returns the next free entry.
inline std::int32_t pushJournal(std::int32_t top, std::int32_t cell)
{
    GameState& s = State;
    s.JournalCell[top] = cell;
    s.JournalLower[top] = s.Board[cell].Lower;
    s.JournalUpper[top] = s.Board[cell].Upper;
    return top + 1;
}

// Plays side's move at cell as move number ply: places the disc, turns every captured top
// disc, pushes the placed cell and then each turned cell (direction by direction, outward) on
// the journal, and sets ChangedCount[ply] and Score[ply] from Score[ply - 1]. Returns the kind,
// or NotLegal, having changed nothing, when the move would turn no disc. The cell's upper layer
// must be free.
template <Side side, class Show = NoShow>
inline std::int32_t placeAndTurn(std::int32_t ply, std::int32_t cell, Show&& show = {})
{
    GameState& s = State;
    const Colour own = side == Side::Com ? s.ComColour : s.HumanColour;
    const Colour opp = side == Side::Com ? s.HumanColour : s.ComColour;
    Cell* board = s.Board;

    // 1. The runs the disc would close, found before anything changes: the walks never pass over
    // the placed cell, so placing it first would not alter them.
    const std::int32_t* direction = s.CellDirections[cell];
    std::int32_t run[DirectionsPerCell];
    std::int32_t turned = 0;
    for (std::int32_t i = 0; i < DirectionsPerCell; ++i) {
        run[i] = runLength(own, opp, cell, direction[i]);
        turned += run[i];
    }
    if (turned == 0) return NotLegal;

    // 2. The placed disc.
    std::int32_t top = pushJournal(s.JournalTop, cell);
    std::int32_t kind;
    if (board[cell].Lower == EMPTY) {
        board[cell].Lower = own;
        kind = OnEmptyCell;
    } else {
        board[cell].Upper = own;
        kind = board[cell].Lower == opp ? OnOpponentDisc : OnOwnDisc;
    }
    show.placed(cell, kind);

    // 3. Every run turned, from the cell next to the placed one outward; only top discs turn.
    // Both cells that a run can hold are visited, so that its length decides no branch: a cell
    // that does not turn is written back as it was, and its journal entry stays above the top.
    for (std::int32_t i = 0; i < DirectionsPerCell; ++i) {
        if (run[i] == 0) continue;
        for (std::int32_t k = 1; k <= 2; ++k) {
            const std::int32_t n = cell + k * direction[i];
            const Cell was = board[n];
            const bool turns = run[i] >= k;
            const bool upperLayer = was.Upper != EMPTY;
            pushJournal(top, n);
            top += turns;
            if constexpr (!std::is_same_v<std::remove_cvref_t<Show>, NoShow>) {
                if (turns) {
                    board[n] = {choose(upperLayer, was.Lower, EMPTY), EMPTY};
                    show.turning(n, upperLayer, choose(upperLayer, was.Upper, was.Lower));
                }
            }
            board[n] = {choose(turns & !upperLayer, own, was.Lower), choose(turns & upperLayer, own, was.Upper)};
        }
    }

    const std::int32_t changed = 1 + turned;
    s.JournalTop = top;
    s.ChangedCount[ply] = changed;
    const std::int32_t gain = 2 * changed - 2 + kind;
    s.Score[ply] = s.Score[ply - 1] + (side == Side::Com ? gain : -gain);
    return kind;
}
