#include "exact_solver.h"
#include "opening_positions.h"
#include "opening_values.h"
#include "position_key.h"
#include "search_fixture.h"

#include <algorithm>
#include <utility>

namespace {

std::int32_t builtInValue(std::uint64_t key) { return openingValue(boardOfKey(key), moverOfKey(key)).value_or(ScoreBelowAll); }

std::vector<std::pair<std::int32_t, std::int32_t>> cellsAndValues(const std::vector<MoveValue>& values)
{
    std::vector<std::pair<std::int32_t, std::int32_t>> pairs;
    for (const MoveValue& move : values) pairs.emplace_back(move.cell, move.value);
    return pairs;
}

}  // namespace

// The table holds every position of the first moves, from the start on, and no other; the value
// of each one before the last move follows from the values of those a move later.
TEST_F(FreshState, TheOpeningValuesHoldEveryPositionOfTheFirstMovesAndFollowFromOneAnother)
{
    const auto byMove = openingPositions(OpeningValueMoves);
    std::vector<std::uint64_t> keys;
    for (const auto& positions : byMove) keys.insert(keys.end(), positions.begin(), positions.end());
    std::sort(keys.begin(), keys.end());
    std::vector<std::uint64_t> held;
    for (const std::uint64_t entry : OpeningValueEntries) held.push_back(entry >> ValueBits);
    ASSERT_EQ(held.size(), keys.size());
    ASSERT_TRUE(held == keys);
    for (std::int32_t k = 0; k < OpeningValueMoves; ++k)
        for (const std::uint64_t key : byMove[k])
            ASSERT_EQ(builtInValue(key), valueFromNext(key, builtInValue)) << "after " << k << " moves, key " << key;
}

// At a sample of the positions a move before the last ones held, every move's value taken from the
// table is the one the search finds; after that the table's own values follow from these.
TEST_F(FreshState, TheOpeningValuesAreTheSearchsOnASample)
{
    const std::vector<std::uint64_t> parents = openingPositions(OpeningValueMoves - 1).back();
    ExactSolver builtIn, searched(OpeningValues::Searched);
    for (std::size_t p = 0; p < parents.size(); p += OPENING_SAMPLE_STRIDE) {
        const Side mover = sideToMoveOf(parents[p]);
        const BitBoard board = boardOfKey(parents[p]);
        EXPECT_EQ(cellsAndValues(builtIn.moveValues({board, mover})), cellsAndValues(searched.moveValues({board, mover})))
            << "key " << parents[p];
    }
    EXPECT_EQ(builtIn.nodes(), 0u);
}
