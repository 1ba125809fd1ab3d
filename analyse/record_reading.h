// A game record as people type it, read once for every program that takes one: the moves it
// names, or the one move that stops it and why.
//
// A record is UTF-8 text: the moves in order, black first, each a cell written as its column
// letter and row digit ("a2"), as the game writes its record ("a2a1c4"). Besides that form it takes
// - upper case, and the full-width forms an input method types: U+FF01..U+FF5E stand for ASCII
//   U+0021..U+007E ("Ａ２" is "a2") and the ideographic space U+3000 for a space;
// - separators between moves, as many as wished: white space, commas "," "，" "､", "、", "・" "･",
//   and one dash at a time: "-" "－", the Unicode dashes U+2010..U+2015, the minus sign U+2212 and
//   the prolonged sound mark "ー" "ｰ" (which a Japanese input method types for "-");
// - passes, written "pass", "ps" (in any case), "パス", "ぱす", "ﾊﾟｽ", or two dashes or more in a
//   row ("--"); a pass is taken only where the side to move has no move, and it may as well be
//   left out, as the game leaves it out.
#pragma once

#include "board.h"
#include "played_move.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// Why a record is refused, and what a message needs to say so.
struct RecordRefusal {
    RecordFault fault;
    std::int32_t ply;                 // the number of the move that stops the record
    std::string quote;                // its text as typed, in whole characters (see below)
    std::size_t at, size;             // the bytes of the record that quote shows
    Colour mover;                     // the side to move there, EMPTY when the game is over
    Colour due;                       // whose turn it was: not the mover when that side passes
    std::vector<std::int32_t> legal;  // the mover's cells, in candidate order
};

// A quote is the record's own characters, each byte that is no part of a well-formed UTF-8
// character and each control character shown as U+FFFD: valid UTF-8 on one line.

struct RecordReading {
    std::vector<std::int32_t> moves;  // the cells played, in order: all of them, or those before the refusal
    std::optional<RecordRefusal> refusal;
};

// Reads the record and replays it from the start on the game state, the person white. Leaves the
// game state after the last move read: after the whole record, or just before the refused move.
// The work is linear in the text, and no record holds more moves than a game.
RecordReading readRecord(std::string_view text);

// The cells by name, one after the other, as the game writes its record ("a2a1c4"); between,
// when given, between each two ("a2 a1 c4").
std::string writtenRecord(std::span<const std::int32_t> cells, std::string_view between = {});
