#include "invariants.h"
#include "search.h"
#include "search_fixture.h"
#include "trial_move.h"

#include <algorithm>
#include <random>

namespace {

// The side to move has a move at a1 and c1, each turning b1 and ending the game; the other side
// has none. With the person white those are the person's moves, with the person black the
// computer's.
const std::array<std::string_view, 4> TwoFinalMoves = {"w.  b.  w.  ww",
                                                       "..  ..  ..  ..",
                                                       "..  ..  ..  ..",
                                                       "..  ..  ..  .."};

// The board as a picture, then Score[ply] set to its top-disc lead.
void setPosition(const std::array<std::string_view, 4>& rows, Colour humanColour, std::int32_t ply)
{
    setBoard(rows, humanColour);
    State.Score[ply] = topDiscLead();
}

struct Searched {
    std::int32_t value;
    std::uint64_t nodes;
    bool operator==(const Searched&) const = default;
};

void PrintTo(const Searched& s, std::ostream* os) { *os << "value " << s.value << " in " << s.nodes << " nodes"; }

// One of the four evaluators at a ply, and the calls it makes before its first child: the first
// pair hands over to the second from move 20 on, which is one call more.
struct Evaluator {
    std::int32_t (*search)(std::int32_t, std::int32_t, std::int32_t);
    std::int32_t ply;
    std::uint64_t calls;

    Searched operator()(std::int32_t alpha, std::int32_t beta) const
    {
        const std::uint64_t before = hyoukaCalls();
        const std::int32_t value = search(ply, alpha, beta);
        return {value, hyoukaCalls() - before};
    }
};

bool hasAnyMove(Colour colour)
{
    return std::any_of(PriorityOrder.begin(), PriorityOrder.end(), [&](std::int32_t c) { return Sokouteruka(colour, c); });
}

// The exact final score after move ply with mover to move, by plain minimax: every legal cell in
// priority order played out, passes, and the end of the game with the last place played too.
std::int32_t exactValue(std::int32_t ply, Colour mover)
{
    if (ply == MaxMoves) return State.Score[ply];  // the board is full
    const bool computer = mover == State.ComColour;
    bool moved = false;
    std::int32_t best = computer ? ScoreBelowAll : ScoreAboveAll;
    for (std::int32_t cell : PriorityOrder) {
        if (!Sokouteruka(mover, cell)) continue;
        moved = true;
        if (computer)
            Sokoutu_Com(ply + 1, cell);
        else
            Sokoutu_Man(ply + 1, cell);
        const std::int32_t v = exactValue(ply + 1, opponentOf(mover));
        Modosu(ply + 1);
        best = computer ? std::max(best, v) : std::min(best, v);
    }
    if (moved) return best;
    if (hasAnyMove(opponentOf(mover))) return exactValue(ply, opponentOf(mover));
    return State.Score[ply];
}

}  // namespace

TEST_F(FreshState, TheEndOfTheGameBeforeTheBoardIsFullIsTheScoreOfTheLastMove)
{
    // Black and white discs, none next to the other: nobody can ever capture.
    setBoard({"bb  ..  ..  w.",
              "b.  ..  ..  ..",
              "..  ..  ..  ..",
              "..  ..  ..  .."});
    for (Evaluator e : {Evaluator{Hyouka_Com, 10, 1}, Evaluator{Hyouka_Man, 10, 1}, Evaluator{Hyouka_Com, 20, 2},
                        Evaluator{Hyouka_Man, 20, 2}, Evaluator{Hyouka_Com2, 20, 1}, Evaluator{Hyouka_Man2, 20, 1}}) {
        State.Score[e.ply] = 7;  // read as it stands, even outside the window
        EXPECT_EQ(e(-5, 3), (Searched{7, e.calls})) << "at move " << e.ply;
    }
}

TEST_F(FreshState, FailHardAtTheNodesOfBothSides)
{
    // Both children of each node have the same value, so a cut-off shows in the node count. A
    // score that differs from the board's lead by d moves every value and the window with it.
    for (std::int32_t d : {0, 3}) {
        SCOPED_TRACE("score beyond the lead " + std::to_string(d));
        for (Evaluator e : {Evaluator{Hyouka_Com, 10, 1}, Evaluator{Hyouka_Com, 20, 2}, Evaluator{Hyouka_Com2, 20, 1}}) {
            setPosition(TwoFinalMoves, WHITE, e.ply);  // both of the person's moves give -4
            State.Score[e.ply] += d;
            EXPECT_EQ(e(d - 4, 33), (Searched{d - 4, e.calls + 1}));  // the first child at alpha ends the walk
            EXPECT_EQ(e(d - 5, 33), (Searched{d - 4, e.calls + 2}));
            EXPECT_EQ(e(d - 9, d - 6), (Searched{d - 6, e.calls + 2}));  // no child below beta: beta, not -4
        }
        for (Evaluator e : {Evaluator{Hyouka_Man, 10, 1}, Evaluator{Hyouka_Man, 20, 2}, Evaluator{Hyouka_Man2, 20, 1}}) {
            setPosition(TwoFinalMoves, BLACK, e.ply);  // both of the computer's moves give +4
            State.Score[e.ply] += d;
            EXPECT_EQ(e(-33, d + 4), (Searched{d + 4, e.calls + 1}));  // the first child at beta ends the walk
            EXPECT_EQ(e(-33, d + 5), (Searched{d + 4, e.calls + 2}));
            EXPECT_EQ(e(d + 6, d + 9), (Searched{d + 6, e.calls + 2}));  // no child above alpha: alpha, not 4
        }
    }
}

TEST_F(FreshState, APassKeepsThePlyAndTheWindow)
{
    const std::int32_t ply = 12;
    // The person black cannot move but the computer can, then the mirror.
    for (Colour human : {BLACK, WHITE}) {
        setPosition(TwoFinalMoves, human, ply);
        State.Score[ply + 1] = 99;  // a pass that counted as a move would build on this
        const bool personPasses = human == BLACK;
        const Evaluator passing{personPasses ? Hyouka_Com : Hyouka_Man, ply, 1};
        const Evaluator moving{personPasses ? Hyouka_Man : Hyouka_Com, ply, 1};
        const std::int32_t exact = personPasses ? 4 : -4;
        for (std::int32_t alpha = -7; alpha <= 7; ++alpha)
            for (std::int32_t beta = alpha + 1; beta <= 8; ++beta) {
                const Searched direct = moving(alpha, beta);
                ASSERT_EQ(direct.value, std::clamp(exact, alpha, beta)) << alpha << ", " << beta;
                ASSERT_EQ(passing(alpha, beta), (Searched{direct.value, direct.nodes + 1}));
            }
    }
}

TEST_F(FreshState, TheLastPlaceIsValuedAsIfItWerePlayed)
{
    // Every cell full but a1; rows 3 and 4 all white. {what, rows 1 and 2, the person's colour,
    // Saigo_M(0), Saigo_C(0), Saigo_M(1), Saigo_C(1)}.
    struct Case {
        const char* what;
        std::string_view row1, row2;
        Colour human;
        std::int32_t m0, c0, m1, c1;
    };
    const std::string_view white = "ww  ww  ww  ww";
    const Case cases[] = {
        {"the person covers a computer disc and turns b1", "b.  bb  ww  ww", white, WHITE, -16, -16, -16, -12},
        {"the person covers an own disc and turns b1", "w.  bb  ww  ww", white, WHITE, -16, -16, -16, -14},
        {"the person cannot, the computer covers and turns b1", "w.  ww  bb  ww", white, WHITE, -10, -10, -14, -10},
        {"the same with the computer white", "w.  ww  bb  ww", white, BLACK, 10, 10, 10, 14},
        {"neither side can", "b.  ww  ww  ww", white, WHITE, -14, -14, -14, -14},
        // b1 and the covered c1 along the row, a2 down the column.
        {"runs in two directions", "b.  bb  wb  ww", "bb  ww  ww  ww", WHITE, -16, -16, -16, -8},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        setPosition({c.row1, c.row2, white, white}, c.human, 27);
        const Snapshot before = snapshot(27);
        EXPECT_EQ(Saigo_M_utazuhyouka(0), c.m0);
        EXPECT_EQ(Saigo_C_utazuhyouka(0), c.c0);
        EXPECT_EQ(Saigo_M_utazuhyouka(1), c.m1);
        EXPECT_EQ(Saigo_C_utazuhyouka(1), c.c1);
        EXPECT_TRUE(before == snapshot(27));

        // The same as the last place played and the end of the game found.
        EXPECT_EQ(c.m0, exactValue(27, State.HumanColour));
        EXPECT_EQ(c.c0, exactValue(27, State.ComColour));

        // Reached through the search after move 27: exact, outside any window.
        EXPECT_EQ((Evaluator{Hyouka_Com, 27, 2}(20, 25)), (Searched{c.m0, 2}));
        EXPECT_EQ((Evaluator{Hyouka_Man2, 27, 1}(-33, -30)), (Searched{c.c0, 1}));
    }

    // The computer fills the last place as move 28: the game is over.
    setPosition({"w.  ww  bb  ww", white, white, white}, WHITE, 27);
    Sokoutu_Com(28, cellIndex("a1"));
    EXPECT_EQ((Evaluator{Hyouka_Com, 28, 2}(20, 25)), (Searched{-10, 2}));
    Modosu(28);
}

TEST_F(FreshState, WithoutALegalMoveTheChoiceIsNoCell)
{
    EXPECT_EQ(strongChoice().cell, 0);  // before the first game: no candidate list
    setPosition(TwoFinalMoves, WHITE, 5);  // the computer black cannot move
    EXPECT_EQ(strongChoice().cell, 0);
}

// Random play to positions with at most ten free places; there the search must agree with
// plain minimax in every window and leave the state as it found it.
class SearchAgainstMinimax : public FreshState {
protected:
    std::mt19937 rng{20260114};

    // Plays random moves until move target is due; false when the game ends first.
    bool randomGameTo(std::int32_t target)
    {
        startGame(rng() % 2 ? BLACK : WHITE);
        while (State.Ply < target) {
            const Colour mover = sideToMove();
            if (mover == EMPTY) return false;
            auto legal = legalCells(mover);
            playMoveAndGoOn(mover, legal[rng() % legal.size()]);
        }
        return true;
    }
};

TEST_F(SearchAgainstMinimax, ValuesInEveryWindow)
{
    int positions = 0;
    while (positions < 200) {
        const std::int32_t lastPly = 18 + static_cast<std::int32_t>(rng() % 11);  // 18..28
        if (!randomGameTo(lastPly + 1)) continue;
        ++positions;
        const Snapshot before = snapshot(lastPly);
        for (Colour mover : {State.HumanColour, State.ComColour}) {
            const std::int32_t exact = exactValue(lastPly, mover);
            const bool exactAnyway = lastPly == 27 || (!hasAnyMove(BLACK) && !hasAnyMove(WHITE));
            auto search = mover == State.HumanColour ? Hyouka_Com : Hyouka_Man;
            for (int w = 0; w < 6; ++w) {
                const auto alpha = static_cast<std::int32_t>(rng() % 35) - 18;
                const auto beta = alpha + 1 + static_cast<std::int32_t>(rng() % 8);
                const std::int32_t expected = exactAnyway ? exact : std::clamp(exact, alpha, beta);
                ASSERT_EQ(search(lastPly, alpha, beta), expected)
                    << "after move " << lastPly << " in (" << alpha << ", " << beta << ")";
                ASSERT_TRUE(before == snapshot(lastPly));
            }
            ASSERT_EQ(search(lastPly, ScoreBelowAll, ScoreAboveAll), exact);
        }
    }
}

TEST_F(SearchAgainstMinimax, TheChoiceIsTheFirstBestCell)
{
    int positions = 0;
    while (positions < 200) {
        if (!randomGameTo(19 + static_cast<std::int32_t>(rng() % 10)) || sideToMove() != State.ComColour) continue;
        ++positions;
        std::int32_t bestCell = 0, bestValue = ScoreBelowAll;
        for (std::int32_t cell : PriorityOrder) {
            if (!Sokouteruka(State.ComColour, cell)) continue;
            Sokoutu_Com(State.Ply, cell);
            const std::int32_t v = exactValue(State.Ply, State.HumanColour);
            Modosu(State.Ply);
            if (v > bestValue) bestCell = cell, bestValue = v;
        }
        const Snapshot before = snapshot(State.Ply - 1);
        const StrongChoice choice = strongChoice();
        ASSERT_EQ(cellName(choice.cell), cellName(bestCell)) << "at move " << State.Ply;
        ASSERT_EQ(choice.value, bestValue);
        ASSERT_TRUE(before == snapshot(State.Ply - 1));
        ASSERT_EQ(stateFault(), "");
    }
}

TEST_F(FreshState, ASampleOfTheRecordedChoicesIsSearchedAlikeOnEveryWayOfReadingLines)
{
    // RECORDED_SAMPLE_STRIDE is larger under the sanitizers, where the search is many times slower.
    onEveryLineReading([] { expectRecordedChoices(0, RECORDED_SAMPLE_STRIDE); });
}

// Mid-game positions; the node counts are those of the search as first written.
const SolvedPosition MidGame[] = {
    {"a2a3d4b1a3d4b1c1d2c1b2", WHITE, "c3", 8, 324492},
    {"b1a1c4d4a2c3b1a3b4c2d1", WHITE, "a3", 6, 455864},
    {"c4d4b1a3c2c1a4d2c1c3a3a1", BLACK, "a4", 2, 125129},
    {"a2c1d2a1b1a3d1d2b4a3c4d3", BLACK, "a4", -14, 610241},
    {"d3d4b3d2c1b1b1a1a3a1d3b4", BLACK, "d1", -14, 355600},
    {"b1a1b1c1d3a4c1d4b3b4a4b4", BLACK, "a1", 16, 86973},
    {"d3b4a2b1a4b4a2d3d2a1c4b3d4", WHITE, "d1", 0, 49957},
    {"c4d2d1b4a2c1d4a3d2b2c4a1a1", WHITE, "c1", 0, 94096},
};
INSTANTIATE_TEST_SUITE_P(MidGame, SolvedPositions, ::testing::ValuesIn(MidGame));
