#include "exact_solver.h"
#include "search.h"
#include "search_fixture.h"
#include "trial_move.h"

#include <algorithm>
#include <random>

TEST_F(FreshState, ASampleOfTheRecordedChoicesIsSolvedAlikeOnEveryWayOfReadingLines)
{
    onEveryLineReading([] { expectRecordedChoicesSolved(0, RECORDED_SAMPLE_STRIDE); });
}

// Random games to late positions, where every move of the side to move, and of the other side,
// is valued by the strong computer's search in a window wider than every score, which makes its
// value exact. One solver serves every position, both ways of reading lines.
TEST_F(FreshState, EveryMovesValueIsTheSearchsExactValue)
{
    std::mt19937 rng(20261208);
    ExactSolver solver;
    const LineReading fastest = lineReading();
    for (int positions = 0; positions < 120;) {
        startGame(rng() % 2 ? BLACK : WHITE);
        const auto target = static_cast<std::int32_t>(13 + rng() % 16);  // moves 13..28
        for (Colour mover = sideToMove(); State.Ply < target && mover != EMPTY; mover = sideToMove()) {
            const auto legal = legalCells(mover);
            playMove(mover, legal[rng() % legal.size()]);
            ++State.Ply;
            Mazu_Yusen();
        }
        if (State.Ply != target || sideToMove() == EMPTY) continue;
        ++positions;
        useLineReading(positions % 2 == 0 ? LineReading::Portable : fastest);
        for (Colour mover : {State.ComColour, State.HumanColour}) {
            std::vector<MoveValue> expected;
            for (std::int32_t cell : legalCells(mover)) {
                const bool com = mover == State.ComColour;
                com ? Sokoutu_Com(State.Ply, cell) : Sokoutu_Man(State.Ply, cell);
                const std::int32_t comLead = com ? Hyouka_Com(State.Ply, ScoreBelowAll, ScoreAboveAll)
                                                 : Hyouka_Man(State.Ply, ScoreBelowAll, ScoreAboveAll);
                Modosu(State.Ply);
                expected.push_back({cell, com ? comLead : -comLead});
            }
            std::stable_sort(expected.begin(), expected.end(),
                             [](const MoveValue& a, const MoveValue& b) { return a.value > b.value; });
            const Snapshot before = snapshot(State.Ply - 1);
            const std::vector<MoveValue> values = solver.moveValues(mover);
            ASSERT_EQ(values.size(), expected.size()) << "at move " << State.Ply;
            for (std::size_t k = 0; k < values.size(); ++k) {
                EXPECT_EQ(cellName(values[k].cell), cellName(expected[k].cell)) << "at move " << State.Ply << ", " << k;
                EXPECT_EQ(values[k].value, expected[k].value) << "at move " << State.Ply << ", " << k;
            }
            ASSERT_TRUE(before == snapshot(State.Ply - 1));
        }
    }
    useLineReading(fastest);
}
