#include "invariants.h"
#include "state_fixture.h"

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

TEST(Notation, ConvertsBothWays)
{
    EXPECT_EQ(cellIndex("a1"), 6);
    EXPECT_EQ(cellIndex("d4"), 24);
    EXPECT_EQ(cellIndex("c2"), 13);
    EXPECT_EQ(cellName(6), "a1");
    EXPECT_EQ(cellName(24), "d4");
    for (std::int32_t cell : PriorityOrder) EXPECT_EQ(cellIndex(cellName(cell)), cell);
    for (auto bad : {"", "a", "e1", "a0", "a5", "A1", "a1b"}) EXPECT_EQ(cellIndex(bad), 0) << bad;
}

TEST_F(FreshState, DirectionListsByQuadrant)
{
    auto list = [](std::int32_t cell) {
        const auto* d = State.CellDirections[cell];
        return std::vector<std::int32_t>(d, d + 9);
    };
    EXPECT_THAT(list(6), ElementsAre(1, 5, 6, 0, 0, 0, 0, 0, 0));
    EXPECT_THAT(list(12), ElementsAre(1, 5, 6, 0, 0, 0, 0, 0, 0));
    EXPECT_THAT(list(9), ElementsAre(-1, 4, 5, 0, 0, 0, 0, 0, 0));
    EXPECT_THAT(list(21), ElementsAre(-5, -4, 1, 0, 0, 0, 0, 0, 0));
    EXPECT_THAT(list(24), ElementsAre(-6, -5, -1, 0, 0, 0, 0, 0, 0));
    EXPECT_THAT(list(10), ElementsAre(1, 5, 6, 0, 0, 0, 0, 0, 0));
    EXPECT_THAT(list(20), ElementsAre(-5, -4, 1, 0, 0, 0, 0, 0, 0));
    for (std::int32_t i : {0, 5, 25, 30}) EXPECT_THAT(list(i), ElementsAreArray(std::vector<std::int32_t>(9, 0)));
}

TEST_F(FreshState, EveryListedWalkEndsOnTheBorderInsideTheArray)
{
    for (std::int32_t cell : PriorityOrder) {
        for (const std::int32_t* d = State.CellDirections[cell]; *d != 0; ++d) {
            std::int32_t n = cell + *d;
            std::int32_t playing = 0;
            while (n >= 0 && n < CellCount && isPlayingCell(n)) n += *d, ++playing;
            ASSERT_TRUE(n >= 0 && n < CellCount) << cellName(cell) << " along " << *d;
            EXPECT_EQ(State.Board[n].Lower, WALL);
            EXPECT_GE(playing, 2) << "a listed direction can always capture";
        }
    }
}

TEST(TopDisc, UpperCoversLower)
{
    EXPECT_EQ(topDisc({BLACK, WHITE}), WHITE);
    EXPECT_EQ(topDisc({BLACK, EMPTY}), BLACK);
    EXPECT_EQ(topDisc({EMPTY, EMPTY}), EMPTY);
    EXPECT_EQ(topDisc({WALL, EMPTY}), WALL);
}

TEST_F(FreshState, StartUpLeavesTheStartingLayoutAndNoList)
{
    for (std::int32_t i = 0; i < CellCount; ++i) {
        EXPECT_EQ(State.Board[i].Lower, InitialBoard[i]);
        EXPECT_EQ(State.Board[i].Upper, EMPTY);
    }
    EXPECT_EQ(State.Board[12].Lower, WHITE);
    EXPECT_EQ(State.Board[13].Lower, BLACK);
    EXPECT_EQ(State.Score[0], 0);
    EXPECT_EQ(State.CandidateCount, 0);
    EXPECT_FALSE(Uteruka(BLACK));
    EXPECT_EQ(stateFault(), "");
}

TEST_F(FreshState, ResetRestoresTheStartAndKeepsTheRecords)
{
    ASSERT_TRUE(replayRecord(cells("a2a1a2a1"), BLACK));
    const std::int32_t score2 = State.Score[2];
    resetToStart();

    EXPECT_EQ(State.Ply, 1);
    EXPECT_EQ(State.JournalTop, 0);
    for (std::int32_t i = 0; i < CellCount; ++i) EXPECT_EQ(topDisc(State.Board[i]), InitialBoard[i]) << i;
    EXPECT_THAT(linkedCandidates(), ElementsAreArray(PriorityOrder));
    EXPECT_THAT(std::vector<std::int32_t>(State.Candidates, State.Candidates + 17),
                ElementsAre(6, 9, 21, 24, 7, 8, 22, 23, 11, 16, 14, 19, 12, 13, 17, 18, 0));
    EXPECT_EQ(State.MoveRecord[4], 6);
    EXPECT_EQ(State.Score[2], score2);
    for (Colour human : {BLACK, WHITE}) {
        State.HumanColour = human;
        State.ComColour = opponentOf(human);
        EXPECT_EQ(topDiscLead(), State.Score[0]);
    }
    EXPECT_EQ(stateFault(), "");
}

TEST_F(FreshState, ReplayStopsAtAnIllegalMove)
{
    EXPECT_FALSE(replayRecord(cells("a2b2"), BLACK));
    EXPECT_EQ(State.Ply, 2);
    EXPECT_FALSE(replayRecord(cells("a1"), BLACK));
    EXPECT_TRUE(replayRecord(cells("a2a1a2"), WHITE));
    EXPECT_EQ(State.Ply, 4);
    EXPECT_EQ(stateFault(), "");
}

TEST_F(FreshState, InvariantCheckerSeesBrokenStates)
{
    ASSERT_TRUE(replayRecord(cells("a2a1"), BLACK));
    ASSERT_EQ(stateFault(), "");

    State.NextCand[6] = 21;  // d1 skipped
    EXPECT_NE(stateFault(), "");
    Mazu_Yusen();

    State.Board[11].Upper = BLACK;  // a disc that no move put there
    EXPECT_NE(stateFault(), "");
    State.Board[11].Upper = EMPTY;

    ++State.Score[State.Ply - 1];
    EXPECT_NE(stateFault(), "");
    --State.Score[State.Ply - 1];

    State.Board[5].Lower = EMPTY;
    EXPECT_NE(stateFault(), "");
}
