// The move that stays on the board, and replaying a game record from the start.
#pragma once

#include "placement.h"

#include <span>
#include <string_view>
#include <vector>

// Plays colour's move at cell as move Ply, exactly as that side's trial move would, and records
// it in MoveRecord. Ply and the candidate list are left alone: the caller raises Ply and
// rebuilds the list. The cell's upper layer must be free; a move that would turn nothing is not
// legal, and is neither played nor recorded: the result is false.
template <class Show = NoShow>
inline bool playMove(Colour colour, std::int32_t cell, Show&& show = {})
{
    const std::int32_t kind = colour == State.HumanColour ? placeAndTurn<Side::Man>(State.Ply, cell, show)
                                                          : placeAndTurn<Side::Com>(State.Ply, cell, show);
    if (kind == NotLegal) return false;
    State.MoveRecord[State.Ply] = cell;
    return true;
}

// Plays colour's move at cell as playMove does and goes on to the next move: Ply raised and the
// candidate list rebuilt. An illegal move changes nothing: the result is false.
bool playMoveAndGoOn(Colour colour, std::int32_t cell);

// Starts a game with the person playing humanColour: the board copied from InitialBoard, an
// empty journal, Ply 1 and all 16 cells listed.
void startGame(Colour humanColour);

// Why a move of a record cannot be read or played.
enum class RecordFault {
    None,
    HalfMove,          // the text ends, or a separator comes, in the middle of a move
    NotACell,          // the two characters name no playing cell
    UnknownCharacter,  // a character that no record holds
    NeedlessPass,      // a pass written where the side to move has a move
    GameOver,          // neither side has a move left
    NotPlayable,       // the side to move may not play there
};

// Plays cell for the side to move and goes on to the next move, a side that has no move passing.
// A move that cannot be played changes nothing.
RecordFault playRecordedMove(std::int32_t cell);

// Starts a game and plays moves in order, black first, a side that has no move passing. Returns
// false, and stops before it, at the first move that is not legal for the side to move.
bool replayRecord(std::span<const std::int32_t> moves, Colour humanColour);

// The colour whose turn move Ply is, as the moves so far have come: black at move 1, else the
// other colour than that of the last move, whether it can move or not.
Colour colourDue();

// The colour to make move Ply after the moves played so far: the side whose turn it is, or the
// other one when that side has no move. EMPTY when neither side can move.
Colour sideToMove();

// The cells where colour may play, in candidate order.
std::vector<std::int32_t> legalCells(Colour colour);

// "a2a1c4" as the cells 11, 6, 23; an empty vector when the text is not such a list.
std::vector<std::int32_t> parseRecord(std::string_view text);
