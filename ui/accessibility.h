// What a screen reader finds of the game's window beyond Qt's own controls and its status
// announcements: the board as a list of its 16 cells with the cursor cell focused, the clickable
// pictures as buttons, and the texts of the moves played.
#pragma once

#include <QString>

#include <cstdint>
#include <span>

class BoardControl;

// Has Qt take the interfaces of the board and the clickable pictures from here (the status
// announcements' come with them). Installing it again changes nothing.
void installAccessibleInterfaces();

// The move of ply, the last one on the journal: who played it, where, and which cells turned,
// "黒が a2 にうちました。b2、c2 がかえりました".
QString playedMoveText(std::int32_t ply);

// After a move or a reset: the cells say their new names.
void reportNewNames(BoardControl& board, std::span<const std::int32_t> cells);
