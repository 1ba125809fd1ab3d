#include "invariants.h"
#include "state_fixture.h"
#include "trial_move.h"

#include <cstring>
#include <random>
#include <string>

using ::testing::ElementsAre;

namespace {

struct Journal {
    std::int32_t cell, lower, upper;
    bool operator==(const Journal&) const = default;
};

std::vector<Journal> journal()
{
    std::vector<Journal> j;
    for (std::int32_t i = 0; i < State.JournalTop; ++i)
        j.push_back({State.JournalCell[i], State.JournalLower[i], State.JournalUpper[i]});
    return j;
}

void PrintTo(const Journal& j, std::ostream* os) { *os << "(" << cellName(j.cell) << "," << j.lower << "," << j.upper << ")"; }

}  // namespace

TEST_F(FreshState, TrialMovesAndTakeBackOfTheOpening)
{
    startGame(WHITE);  // the computer plays black
    const std::int32_t b1 = 7, b2 = 12, a1 = 6;

    Sokoutu_Com(1, b1);
    EXPECT_EQ(State.Board[b2].Lower, BLACK);
    EXPECT_THAT(journal(), ElementsAre(Journal{b1, EMPTY, EMPTY}, Journal{b2, WHITE, EMPTY}));
    EXPECT_EQ(State.ChangedCount[1], 2);
    EXPECT_EQ(State.Score[1], 3);
    EXPECT_THAT(linkedCandidates(), ::testing::Contains(b1));

    Sokoutu_Man(2, a1);
    EXPECT_EQ(State.Board[b2].Lower, WHITE);
    EXPECT_EQ(State.ChangedCount[2], 2);
    EXPECT_EQ(State.Score[2], 0);

    Sokoutu_Com(3, b1);  // on top of its own disc
    EXPECT_EQ(State.Board[b1].Upper, BLACK);
    EXPECT_EQ(State.Board[b2].Lower, BLACK);
    EXPECT_EQ(State.ChangedCount[3], 2);
    EXPECT_EQ(State.Score[3], 2);
    auto list = linkedCandidates();
    EXPECT_THAT(std::vector<std::int32_t>(list.begin(), list.begin() + 5), ElementsAre(6, 9, 21, 24, 8));

    Modosu(3);
    EXPECT_EQ(State.Board[b2].Lower, WHITE);
    EXPECT_EQ(State.Board[b1].Lower, BLACK);
    EXPECT_EQ(State.Board[b1].Upper, EMPTY);
    EXPECT_EQ(State.JournalTop, 4);
    list = linkedCandidates();
    EXPECT_THAT(std::vector<std::int32_t>(list.begin(), list.begin() + 6), ElementsAre(6, 9, 21, 24, 7, 8));
    EXPECT_EQ(State.PrevCand[b1], 24);
    EXPECT_EQ(State.NextCand[b1], 8);
}

TEST_F(FreshState, ScoreChangeByPlacementKind)
{
    // Black, the computer, covers a white a1 and turns b1: +2 for the covered disc, +2 for b1.
    setBoard({"w.  w.  b.  ..",
              "..  ..  ..  ..",
              "..  ..  ..  ..",
              "..  ..  ..  .."});
    State.Score[0] = topDiscLead();
    Sokoutu_Com(1, 6);
    EXPECT_EQ(State.Score[1] - State.Score[0], 4);
    EXPECT_EQ(State.Score[1], topDiscLead());

    // White, the person, covers its own a1 and turns b1 back: the person's lead grows by 2.
    setBoard({"w.  b.  w.  ..",
              "..  ..  ..  ..",
              "..  ..  ..  ..",
              "..  ..  ..  .."});
    State.Score[0] = topDiscLead();
    Sokoutu_Man(1, 6);
    EXPECT_EQ(State.Score[1] - State.Score[0], -2);
    EXPECT_EQ(State.Score[1], topDiscLead());
}

TEST_F(FreshState, OnlyTheUpperDiscOfACoveredCellTurns)
{
    setBoard({"..  ww  b.  ..",
              "..  ..  ..  ..",
              "..  ..  ..  ..",
              "..  ..  ..  .."});
    State.Score[0] = topDiscLead();
    Sokoutu_Com(1, 6);
    EXPECT_EQ(State.Board[7].Upper, BLACK);
    EXPECT_EQ(State.Board[7].Lower, WHITE);
    EXPECT_EQ(State.ChangedCount[1], 2);
    Modosu(1);
    EXPECT_EQ(State.Board[7].Upper, WHITE);
    EXPECT_EQ(State.Board[7].Lower, WHITE);
    EXPECT_EQ(State.Board[6].Lower, EMPTY);
    EXPECT_EQ(State.JournalTop, 0);
}

TEST_F(FreshState, DirectionsThatMeetAGapOrTheBorderPushNothing)
{
    // From a1: right runs into the border, down meets an empty a3, only the diagonal captures.
    setBoard({"..  w.  w.  w.",
              "w.  w.  ..  ..",
              "..  ..  b.  ..",
              "..  ..  ..  .."});
    State.Score[0] = topDiscLead();
    Sokoutu_Com(1, 6);
    EXPECT_EQ(State.ChangedCount[1], 2);
    EXPECT_THAT(journal(), ElementsAre(Journal{6, EMPTY, EMPTY}, Journal{12, WHITE, EMPTY}));
    EXPECT_EQ(State.Board[7].Lower, WHITE);
    EXPECT_EQ(State.Board[11].Lower, WHITE);
}

TEST_F(FreshState, APlayedMoveShowsThePlacedDiscThenEachTurnedDiscOffTheBoard)
{
    // Black, the computer, at a1 turns b1 and the upper disc of c1 along the row, then a2.
    setBoard({"..  w.  bw  b.",
              "w.  ..  ..  ..",
              "b.  ..  ..  ..",
              "..  ..  ..  .."});
    State.Score[0] = topDiscLead();
    struct Recorder {
        std::vector<std::string> seen;
        void placed(std::int32_t cell, std::int32_t kind)
        {
            seen.push_back("placed " + cellName(cell) + " kind " + std::to_string(kind) + " top " +
                           std::to_string(topDisc(State.Board[cell])));
        }
        void turning(std::int32_t cell, bool upperLayer, Colour was)
        {
            const Cell& c = State.Board[cell];
            seen.push_back("turning " + cellName(cell) + (upperLayer ? " upper" : " lower") + " was " +
                           std::to_string(was) + " off " + std::to_string(upperLayer ? c.Upper : c.Lower));
        }
    } recorder;
    playMove(BLACK, cellIndex("a1"), recorder);
    EXPECT_THAT(recorder.seen, ElementsAre("placed a1 kind 1 top 1", "turning b1 lower was 2 off 0",
                                           "turning c1 upper was 2 off 0", "turning a2 lower was 2 off 0"));
    EXPECT_THAT(journal(), ElementsAre(Journal{6, EMPTY, EMPTY}, Journal{7, WHITE, EMPTY}, Journal{8, BLACK, WHITE},
                                       Journal{11, WHITE, EMPTY}));
    EXPECT_EQ(State.Board[8].Lower, BLACK);
    EXPECT_EQ(State.Board[8].Upper, BLACK);
    EXPECT_EQ(State.Score[1], topDiscLead());
    EXPECT_EQ(State.MoveRecord[1], cellIndex("a1"));

    // A move that would turn nothing is neither played nor recorded.
    ++State.Ply;
    EXPECT_FALSE(playMove(WHITE, cellIndex("d4")));
    EXPECT_EQ(State.JournalTop, 4);
    EXPECT_EQ(State.Board[cellIndex("d4")].Lower, EMPTY);
    EXPECT_EQ(State.MoveRecord[2], 0);
}

// Random play to random positions, then random nests of trial moves of the side to move: every
// trial move changes the score by the change of the top-disc lead, and every take-back restores
// the board, the journal and the linked list exactly.
class TrialMoveProperty : public FreshState {
protected:
    struct Snapshot {
        Cell board[CellCount];
        std::int32_t journalTop, next[LastPlayingCell + 1], prev[LastPlayingCell + 1];
    };

    static Snapshot snapshot()
    {
        Snapshot s;
        std::memcpy(s.board, State.Board, sizeof s.board);
        std::memcpy(s.next, State.NextCand, sizeof s.next);
        std::memcpy(s.prev, State.PrevCand, sizeof s.prev);
        s.journalTop = State.JournalTop;
        return s;
    }

    static bool same(const Snapshot& a, const Snapshot& b)
    {
        return std::memcmp(a.board, b.board, sizeof a.board) == 0 && std::memcmp(a.next, b.next, sizeof a.next) == 0 &&
               std::memcmp(a.prev, b.prev, sizeof a.prev) == 0 && a.journalTop == b.journalTop;
    }

    std::mt19937 rng{20261208};
    int trialMoves = 0;

    void explore(std::int32_t ply, Colour mover, int width)
    {
        if (legalCells(mover).empty()) mover = opponentOf(mover);
        auto legal = legalCells(mover);
        if (legal.empty()) return;
        std::shuffle(legal.begin(), legal.end(), rng);
        legal.resize(std::min<std::size_t>(legal.size(), width));
        for (std::int32_t cell : legal) {
            const Snapshot before = snapshot();
            const std::int32_t leadBefore = topDiscLead();
            if (mover == State.ComColour)
                Sokoutu_Com(ply + 1, cell);
            else
                Sokoutu_Man(ply + 1, cell);
            ++trialMoves;
            ASSERT_EQ(State.Score[ply + 1] - State.Score[ply], topDiscLead() - leadBefore);
            ASSERT_EQ(State.JournalTop - before.journalTop, State.ChangedCount[ply + 1]);
            explore(ply + 1, opponentOf(mover), rng() % 3 == 0 ? 2 : 1);
            Modosu(ply + 1);
            ASSERT_TRUE(same(before, snapshot())) << "after the take-back of " << cellName(cell) << " at move " << ply + 1;
        }
    }
};

TEST_F(TrialMoveProperty, TakeBackRestoresEverythingAndScoresFollowTheBoard)
{
    for (int game = 0; game < 300; ++game) {
        const Colour human = game % 2 ? BLACK : WHITE;
        startGame(human);
        const auto movesToPlay = static_cast<int>(rng() % 20);
        for (int m = 0; m < movesToPlay; ++m) {
            const Colour mover = sideToMove();
            if (mover == EMPTY) break;
            auto legal = legalCells(mover);
            playMove(mover, legal[rng() % legal.size()]);
            ++State.Ply;
            Mazu_Yusen();
        }
        ASSERT_EQ(stateFault(), "");
        const Colour mover = sideToMove();
        if (mover == EMPTY) continue;
        const Snapshot start = snapshot();
        explore(State.Ply - 1, mover, 3);
        ASSERT_TRUE(same(start, snapshot()));
        ASSERT_EQ(stateFault(), "");
    }
    EXPECT_GT(trialMoves, 3000);
}
