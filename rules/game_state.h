// The one process-wide game state, its constant tables, and what start-up, a game start and
// the reset after a game do to it.
#pragma once

#include "board.h"

#include <array>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>

struct Cell {
    Colour Lower;
    Colour Upper;  // never set while Lower is EMPTY
};

// The top disc is the only one that captures, turns and counts.
inline Colour topDisc(const Cell& cell)
{
    const Colour upper = cell.Upper, lower = cell.Lower;
    return upper != EMPTY ? upper : lower;
}

// Every playing cell has exactly three directions along which two more playing cells lie, the
// least a capture needs; its list in CellDirections holds them, then 0.
inline constexpr std::int32_t DirectionsPerCell = 3;

inline constexpr std::int32_t BookLines = 1001;   // entries 0..1000
inline constexpr std::int32_t BookRows = 31;      // NN and the cells of moves 1..NN

struct GameState {
    std::int32_t Ply;                               // number of the move about to be made
    std::int32_t Score[MaxMoves + 1];               // computer minus person top discs after move n
    std::int32_t JournalTop;
    Colour HumanColour;
    Colour ComColour;
    Cell Board[CellCount];
    std::int32_t Candidates[PlayingCellCount + 1];  // candidate cells in priority order, then 0
    std::int32_t JournalCell[JournalCapacity];
    Colour JournalLower[JournalCapacity];
    Colour JournalUpper[JournalCapacity];
    std::int32_t CellDirections[CellCount][9];      // directions worth walking, ended by 0
    std::int32_t ChangedCount[MaxMoves + 1];        // journal entries pushed by the move of ply n
    std::int32_t MoveRecord[MaxMoves + 1];          // cell played at move n
    std::int32_t CandidateCount;
    std::string BookText;
    std::int32_t BookTable[BookRows][BookLines];
    std::int32_t NextCand[LastPlayingCell + 1];     // 0 is the head sentinel
    std::int32_t PrevCand[LastPlayingCell + 1];     // 1 is the tail sentinel
};

extern GameState State;

// Keeps a copy of the game state and puts it back when it goes: a replay in its scope leaves the
// state as it found it.
class KeptGameState {
public:
    KeptGameState();
    ~KeptGameState();
    KeptGameState(const KeptGameState&) = delete;
    KeptGameState& operator=(const KeptGameState&) = delete;

private:
    std::unique_ptr<const GameState> kept;
};

// The top discs of each colour on a board; only they count at the end of a game.
struct TopDiscs {
    std::int32_t black = 0;
    std::int32_t white = 0;
    std::int32_t blackLead() const { return black - white; }
    // The colour ahead, EMPTY when they are level.
    Colour leader() const { return black > white ? BLACK : white > black ? WHITE : EMPTY; }
};
TopDiscs topDiscsOf(std::span<const Cell, CellCount> board);

inline constexpr std::int32_t HeadSentinel = 0;
inline constexpr std::int32_t TailSentinel = 1;

// clang-format off
inline constexpr std::array<Colour, CellCount> InitialBoard = {
    WALL, WALL,  WALL,  WALL,  WALL,
    WALL, EMPTY, EMPTY, EMPTY, EMPTY,
    WALL, EMPTY, WHITE, BLACK, EMPTY,
    WALL, EMPTY, BLACK, WHITE, EMPTY,
    WALL, EMPTY, EMPTY, EMPTY, EMPTY,
    WALL, WALL,  WALL,  WALL,  WALL,
    WALL,
};

// Corners, then edges, then the centre: the order in which moves are listed and tried.
inline constexpr std::array<std::int32_t, PlayingCellCount> PriorityOrder = {
     6,  9, 21, 24,
     7,  8, 22, 23,
    11, 16, 14, 19,
    12, 13, 17, 18,
};
// clang-format on

inline constexpr std::array<std::int32_t, 8> DirectionOffsets = {-6, -5, -4, -1, 1, 4, 5, 6};

// A direction is worth walking from (row, column), and enters CellDirections, when at least two
// more playing cells lie along it: one opposing disc and one own disc behind it, the least a
// capture needs.
inline constexpr bool directionIsWorthWalking(std::int32_t offset, std::int32_t row, std::int32_t column)
{
    switch (offset) {
    case -6: return column > 2 && row > 2;
    case -5: return row > 2;
    case -4: return column < 3 && row > 2;
    case -1: return column > 2;
    case 1: return column < 3;
    case 4: return column > 2 && row < 3;
    case 5: return row < 3;
    case 6: return column < 3 && row < 3;
    }
    return false;
}

// Start-up: Score[0] and the journal top are 0, the direction lists are filled, and the board
// holds the starting layout. The candidate list stays empty until the first game starts.
void startUpSetUp();

// Game start: every cell, border included, is copied from InitialBoard with an empty upper layer.
void copyInitialBoard();

// After a result or on restart: the playing cells go back to the starting layout, Ply is 1, the
// candidate list holds all 16 cells and the journal is empty. Scores and records are kept.
void resetToStart();

// "a1" is cell 6, "d4" cell 24.
std::string cellName(std::int32_t cell);

// The cell a two-character move names, or 0 when it names no playing cell.
std::int32_t cellIndex(std::string_view name);
