#include "game_state.h"
#include "legality.h"

#include <algorithm>

GameState State;

namespace {

constexpr bool priorityOrderIsAPermutation()
{
    std::array<bool, CellCount> seen{};
    for (std::int32_t cell : PriorityOrder) {
        if (!isPlayingCell(cell) || seen[cell]) return false;
        seen[cell] = true;
    }
    return true;
}
static_assert(priorityOrderIsAPermutation());

constexpr bool everyPlayingCellHasThreeDirections()
{
    for (std::int32_t cell : PriorityOrder) {
        auto count = std::count_if(DirectionOffsets.begin(), DirectionOffsets.end(), [&](std::int32_t d) {
            return directionIsWorthWalking(d, rowOf(cell), columnOf(cell));
        });
        if (count != DirectionsPerCell) return false;
    }
    return true;
}
static_assert(everyPlayingCellHasThreeDirections());

// The run test reads three cells along each listed direction; the third is at worst a border
// cell and always lies inside the board array.
constexpr bool thirdCellsLieInsideTheBoard()
{
    for (std::int32_t cell : PriorityOrder)
        for (std::int32_t offset : DirectionOffsets)
            if (directionIsWorthWalking(offset, rowOf(cell), columnOf(cell)) &&
                (cell + 3 * offset < 0 || cell + 3 * offset >= CellCount))
                return false;
    return true;
}
static_assert(thirdCellsLieInsideTheBoard());

}  // namespace

void startUpSetUp()
{
    // 1. The score before the first move, and an empty journal.
    State.Score[0] = 0;
    State.JournalTop = 0;

    // 2. The direction lists of indexes 6..24; the slots after the last direction stay 0.
    for (std::int32_t cell = FirstPlayingCell; cell <= LastPlayingCell; ++cell) {
        std::int32_t slot = 0;
        for (std::int32_t offset : DirectionOffsets)
            if (directionIsWorthWalking(offset, rowOf(cell), columnOf(cell)))
                State.CellDirections[cell][slot++] = offset;
    }

    // 3. The starting layout.
    copyInitialBoard();
}

void copyInitialBoard()
{
    for (std::int32_t i = 0; i < CellCount; ++i) State.Board[i] = {InitialBoard[i], EMPTY};
}

void resetToStart()
{
    // 1. Every playing cell empty in both layers; the border is never touched.
    for (std::int32_t cell : PriorityOrder) State.Board[cell] = {EMPTY, EMPTY};

    // 2. The four start discs.
    State.Board[12].Lower = WHITE;
    State.Board[13].Lower = BLACK;
    State.Board[17].Lower = BLACK;
    State.Board[18].Lower = WHITE;

    // 3.-5. First move next, all 16 cells listed, an empty journal.
    State.Ply = 1;
    Mazu_Yusen();
    State.JournalTop = 0;
}

std::string cellName(std::int32_t cell)
{
    return {static_cast<char>('a' - 1 + columnOf(cell)), static_cast<char>('0' + rowOf(cell))};
}

std::int32_t cellIndex(std::string_view name)
{
    if (name.size() != 2 || name[0] < 'a' || name[0] > 'd' || name[1] < '1' || name[1] > '4') return 0;
    return cellOf(name[1] - '0', name[0] - 'a' + 1);
}

KeptGameState::KeptGameState() : kept(std::make_unique<const GameState>(State)) {}

KeptGameState::~KeptGameState() { State = *kept; }

TopDiscs topDiscsOf(std::span<const Cell, CellCount> board)
{
    TopDiscs discs;
    for (const std::int32_t cell : PriorityOrder) {
        const Colour top = topDisc(board[cell]);
        discs.black += top == BLACK;
        discs.white += top == WHITE;
    }
    return discs;
}
