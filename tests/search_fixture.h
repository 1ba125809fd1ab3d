// Test helpers for the search: what it must leave as it found it, and positions of real games
// with the strong computer's known choice.
#pragma once

#include "state_fixture.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <ostream>
#include <string_view>

// The game state a search must leave unchanged: everything but the scores and counts of the
// plies above lastPly, which trial moves overwrite, and the free journal entries above the top.
struct Snapshot {
    Cell board[CellCount];
    std::int32_t journalTop, journal[3][JournalCapacity];
    std::int32_t next[LastPlayingCell + 1], prev[LastPlayingCell + 1], candidates[PlayingCellCount + 1];
    std::int32_t candidateCount, ply, scores[MaxMoves + 1], changed[MaxMoves + 1], moves[MaxMoves + 1];

    bool operator==(const Snapshot& other) const;
};

Snapshot snapshot(std::int32_t lastPly);

// A position reached from the start by a record (black first, passes left out) with the
// computer playing one colour, and its choice: the cell, the exact value and the nodes visited,
// the search's signature.
struct SolvedPosition {
    std::string_view record;
    Colour computer;
    std::string_view cell;
    std::int32_t value;
    std::uint64_t nodes;
};

void PrintTo(const SolvedPosition& p, std::ostream* os);

class SolvedPositions : public FreshState, public ::testing::WithParamInterface<SolvedPosition> {};

// The choices that tools/record_choices wrote with the search as first written
// (tests/data/strong_choices.txt): every game past the book, then random games at moves 10 to 28.
inline constexpr std::size_t RecordedChoiceCount = 3590;

// Searches every stride-th recorded choice from first on again and expects the same cell, value
// and node count, and the state as it was found.
void expectRecordedChoices(std::size_t first, std::size_t stride);

// Runs check once on each way of reading lines that this processor can run, with a trace naming
// it, and goes back to the one it ran before.
void onEveryLineReading(const std::function<void()>& check);

// Solves every stride-th recorded choice from first on exactly and expects the recorded value as
// the best, and the recorded cell as the first best move in candidate order, with the state as it
// was found. One solver serves them all, so its table carries what it learnt from one to the next.
void expectRecordedChoicesSolved(std::size_t first, std::size_t stride);
