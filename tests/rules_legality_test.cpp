#include "state_fixture.h"
#include "trial_move.h"

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::IsEmpty;

TEST_F(FreshState, LegalCellsFromTheStart)
{
    startGame(BLACK);
    EXPECT_THAT(legalCells(BLACK), ElementsAre(cellIndex("b1"), cellIndex("c4"), cellIndex("a2"), cellIndex("d3")));
    EXPECT_THAT(legalCells(WHITE), ElementsAre(cellIndex("c1"), cellIndex("b4"), cellIndex("a3"), cellIndex("d2")));
    EXPECT_TRUE(UterukaM());
    EXPECT_TRUE(UterukaC());
}

TEST_F(FreshState, SecondDiscOnTopOfAnOwnDisc)
{
    ASSERT_TRUE(replayRecord(cells("b1a1"), BLACK));
    EXPECT_EQ(State.Board[7].Lower, BLACK);
    EXPECT_TRUE(Sokouteruka(BLACK, 7));  // b2 white, closed by b3 black
}

TEST_F(FreshState, AFullCellIsIllegalWhateverSurroundsIt)
{
    setBoard({"b.  w.  bw  ..",
              "..  w.  ..  ..",
              "..  b.  ..  ..",
              "..  ..  ..  .."});
    EXPECT_FALSE(Sokouteruka(BLACK, cellIndex("c1")));
    EXPECT_FALSE(Sokouteruka(WHITE, cellIndex("c1")));
    EXPECT_TRUE(Sokouteruka(BLACK, cellIndex("b1")));  // on a white disc: b2 white, b3 black
}

TEST_F(FreshState, RunsClosedByTheBorderOrAGapCaptureNothing)
{
    setBoard({"..  w.  w.  w.",
              "..  w.  ..  ..",
              "..  ..  ..  ..",
              "..  b.  ..  .."});
    EXPECT_FALSE(Sokouteruka(BLACK, cellIndex("a1")));  // b1 c1 d1 run into the border
    setBoard({"..  ..  ..  ..",
              "..  w.  ..  ..",
              "..  ..  ..  ..",
              "..  b.  ..  .."});
    EXPECT_FALSE(Sokouteruka(BLACK, cellIndex("b1")));  // b2 white, then the empty b3
}

TEST_F(FreshState, OnlyTopDiscsCountInARun)
{
    // b2 holds black under white: white on top, so the run goes on over it to b3.
    setBoard({"..  ..  ..  ..",
              "..  bw  ..  ..",
              "..  b.  ..  ..",
              "..  ..  ..  .."});
    EXPECT_TRUE(Sokouteruka(BLACK, cellIndex("b1")));
    EXPECT_FALSE(Sokouteruka(WHITE, cellIndex("b1")));

    // b3 holds white under black: black on top closes the run of b2.
    setBoard({"..  ..  ..  ..",
              "..  w.  ..  ..",
              "..  wb  ..  ..",
              "..  ..  ..  .."});
    EXPECT_TRUE(Sokouteruka(BLACK, cellIndex("b1")));
    EXPECT_TRUE(Sokouteruka(WHITE, cellIndex("b4")));  // the white lower disc of b3 is covered
}

TEST_F(FreshState, RebuildListsTheFreeUpperLayersInPriorityOrder)
{
    setBoard({"bw  w.  bb  ..",
              "..  w.  ..  wb",
              "..  b.  ..  ..",
              "bw  ..  ..  .."});
    const std::vector<std::int32_t> expected = {9, 24, 7, 22, 23, 11, 16, 19, 12, 13, 17, 18};
    EXPECT_EQ(State.CandidateCount, 12);
    EXPECT_THAT(std::vector<std::int32_t>(State.Candidates, State.Candidates + 12), ElementsAreArray(expected));
    EXPECT_EQ(State.Candidates[12], 0);
    EXPECT_THAT(linkedCandidates(), ElementsAreArray(expected));
    EXPECT_EQ(State.PrevCand[TailSentinel], 18);
    EXPECT_EQ(State.PrevCand[9], HeadSentinel);
}

TEST_F(FreshState, NoMoveWithAnEmptyListOrWithEveryCellTakenOut)
{
    // Count 0: the links are not read, whatever they hold.
    State.HumanColour = BLACK;
    State.ComColour = WHITE;
    State.NextCand[HeadSentinel] = 11;
    State.NextCand[11] = TailSentinel;
    EXPECT_FALSE(Uteruka(BLACK));
    EXPECT_FALSE(UterukaM());

    // Count above 0 but the head links straight to the tail.
    startGame(BLACK);
    State.NextCand[HeadSentinel] = TailSentinel;
    EXPECT_FALSE(Uteruka(BLACK));
    EXPECT_FALSE(UterukaC());
    EXPECT_THAT(linkedCandidates(), IsEmpty());
}

TEST_F(FreshState, AFullBoardEndsTheList)
{
    setBoard({"bw  bw  bw  bw",
              "bw  bw  bw  bw",
              "bw  bw  bw  bw",
              "bw  bw  bw  bw"});
    EXPECT_EQ(State.CandidateCount, 0);
    EXPECT_EQ(State.Candidates[0], 0);
    EXPECT_FALSE(Uteruka(BLACK));
    EXPECT_FALSE(Uteruka(WHITE));
}
