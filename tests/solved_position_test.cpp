#include "exact_solver.h"
#include "search.h"
#include "search_fixture.h"

TEST_P(SolvedPositions, StrongChoiceLeavesTheStateAsItFoundIt)
{
    const SolvedPosition& p = GetParam();
    ASSERT_TRUE(replayRecord(cells(p.record), opponentOf(p.computer)));
    ASSERT_EQ(sideToMove(), p.computer);
    const Snapshot before = snapshot(State.Ply - 1);
    const StrongChoice choice = strongChoice();
    EXPECT_EQ(cellName(choice.cell), p.cell);
    EXPECT_EQ(choice.value, p.value);
    EXPECT_EQ(choice.nodes, p.nodes);
    EXPECT_TRUE(before == snapshot(State.Ply - 1));
}

TEST_P(SolvedPositions, TheExactSolversFirstBestMoveIsTheStrongChoice)
{
    const SolvedPosition& p = GetParam();
    ASSERT_TRUE(replayRecord(cells(p.record), opponentOf(p.computer)));
    ExactSolver solver;
    const std::vector<MoveValue> values = solver.moveValues(p.computer);
    ASSERT_FALSE(values.empty());
    EXPECT_EQ(cellName(values.front().cell), p.cell);
    EXPECT_EQ(values.front().value, p.value);
}
