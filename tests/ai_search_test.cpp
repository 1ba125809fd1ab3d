#include "invariants.h"
#include "search.h"
#include "state_fixture.h"
#include "trial_move.h"

#include <algorithm>
#include <cstring>
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

template <class Search>
Searched counted(Search search)
{
    const std::uint64_t before = hyoukaCalls();
    const std::int32_t value = search();
    return {value, hyoukaCalls() - before};
}

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

// Everything a search must leave as it found it: all but the scores and counts of trial plies.
struct Snapshot {
    Cell board[CellCount];
    std::int32_t journalTop, journal[3][JournalCapacity];
    std::int32_t next[LastPlayingCell + 1], prev[LastPlayingCell + 1], candidates[PlayingCellCount + 1];
    std::int32_t candidateCount, ply, scores[MaxMoves + 1], changed[MaxMoves + 1];

    bool operator==(const Snapshot& other) const { return std::memcmp(this, &other, sizeof *this) == 0; }
};

Snapshot snapshot(std::int32_t lastPly)
{
    Snapshot s{};
    std::memcpy(s.board, State.Board, sizeof s.board);
    s.journalTop = State.JournalTop;
    std::copy_n(State.JournalCell, s.journalTop, s.journal[0]);
    std::copy_n(State.JournalLower, s.journalTop, s.journal[1]);
    std::copy_n(State.JournalUpper, s.journalTop, s.journal[2]);
    std::memcpy(s.next, State.NextCand, sizeof s.next);
    std::memcpy(s.prev, State.PrevCand, sizeof s.prev);
    std::memcpy(s.candidates, State.Candidates, sizeof s.candidates);
    s.candidateCount = State.CandidateCount;
    s.ply = State.Ply;
    std::copy_n(State.Score, lastPly + 1, s.scores);
    std::copy_n(State.ChangedCount, lastPly + 1, s.changed);
    return s;
}

}  // namespace

TEST_F(FreshState, TheEndOfTheGameBeforeTheBoardIsFullIsTheScoreOfTheLastMove)
{
    // Black and white discs, none next to the other: nobody can ever capture.
    for (std::int32_t ply : {10, 20}) {
        setBoard({"bb  ..  ..  w.",
                  "b.  ..  ..  ..",
                  "..  ..  ..  ..",
                  "..  ..  ..  .."});
        State.Score[ply] = 7;  // read as it stands, even outside the window
        const std::uint64_t handOver = ply >= 20 ? 1 : 0;
        const Snapshot before = snapshot(ply);
        for (auto search : {Hyouka_Com, Hyouka_Man}) {
            const Searched r = counted([&] { return search(ply, -5, 3); });
            EXPECT_EQ(r.value, 7) << "ply " << ply;
            EXPECT_EQ(r.nodes, 1 + handOver);
        }
        for (auto search : {Hyouka_Com2, Hyouka_Man2}) {
            const Searched r = counted([&] { return search(ply, 9, 12); });
            EXPECT_EQ(r.value, 7);
            EXPECT_EQ(r.nodes, 1u);
        }
        EXPECT_TRUE(before == snapshot(ply));
    }
}

TEST_F(FreshState, FailHardAtTheNodesOfBothSides)
{
    // Each node has two children of the same value; a cut-off after the first one is seen in the
    // node count. {search, ply, calls before the children}: the first pair hands over at 20.
    struct Entry {
        std::int32_t (*search)(std::int32_t, std::int32_t, std::int32_t);
        std::int32_t ply;
        std::uint64_t overhead;
    };
    for (Entry minimising : {Entry{Hyouka_Com, 10, 1}, Entry{Hyouka_Com, 20, 2}, Entry{Hyouka_Com2, 20, 1}}) {
        setPosition(TwoFinalMoves, WHITE, minimising.ply);  // both of the person's moves give -4
        const Snapshot before = snapshot(minimising.ply);
        auto search = [&](std::int32_t alpha, std::int32_t beta) {
            return counted([&] { return minimising.search(minimising.ply, alpha, beta); });
        };
        const std::uint64_t oneChild = minimising.overhead + 1, twoChildren = minimising.overhead + 2;
        EXPECT_EQ(search(-4, 33), (Searched{-4, oneChild}));     // the first child at alpha ends the walk
        EXPECT_EQ(search(-5, 33), (Searched{-4, twoChildren}));
        EXPECT_EQ(search(-9, -6), (Searched{-6, twoChildren}));  // no child below beta: beta, not -4
        EXPECT_TRUE(before == snapshot(minimising.ply));
    }
    for (Entry maximising : {Entry{Hyouka_Man, 10, 1}, Entry{Hyouka_Man, 20, 2}, Entry{Hyouka_Man2, 20, 1}}) {
        setPosition(TwoFinalMoves, BLACK, maximising.ply);  // both of the computer's moves give +4
        const Snapshot before = snapshot(maximising.ply);
        auto search = [&](std::int32_t alpha, std::int32_t beta) {
            return counted([&] { return maximising.search(maximising.ply, alpha, beta); });
        };
        const std::uint64_t oneChild = maximising.overhead + 1, twoChildren = maximising.overhead + 2;
        EXPECT_EQ(search(-33, 4), (Searched{4, oneChild}));  // the first child at beta ends the walk
        EXPECT_EQ(search(-33, 5), (Searched{4, twoChildren}));
        EXPECT_EQ(search(6, 9), (Searched{6, twoChildren}));  // no child above alpha: alpha, not 4
        EXPECT_TRUE(before == snapshot(maximising.ply));
    }
}

TEST_F(FreshState, APassKeepsThePlyAndTheWindow)
{
    const std::int32_t ply = 12;
    // The person black cannot move, the computer can; then the mirror.
    for (Colour human : {BLACK, WHITE}) {
        setPosition(TwoFinalMoves, human, ply);
        State.Score[ply + 1] = 99;  // a pass that counted as a move would build on this
        const bool personPasses = human == BLACK;
        auto passing = personPasses ? Hyouka_Com : Hyouka_Man;
        auto moving = personPasses ? Hyouka_Man : Hyouka_Com;
        const std::int32_t exact = personPasses ? 4 : -4;
        for (std::int32_t alpha = -7; alpha <= 7; ++alpha)
            for (std::int32_t beta = alpha + 1; beta <= 8; ++beta) {
                const Searched viaPass = counted([&] { return passing(ply, alpha, beta); });
                const Searched direct = counted([&] { return moving(ply, alpha, beta); });
                ASSERT_EQ(viaPass.value, std::clamp(exact, alpha, beta)) << alpha << ", " << beta;
                ASSERT_EQ(viaPass.value, direct.value);
                ASSERT_EQ(viaPass.nodes, direct.nodes + 1);
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
        const Searched person = counted([] { return Hyouka_Com(27, 20, 25); });
        EXPECT_EQ(person.value, c.m0);
        EXPECT_EQ(person.nodes, 2u);
        EXPECT_EQ(Hyouka_Man2(27, -33, -30), c.c0);
    }
}

TEST_F(FreshState, AfterTheLastMoveNeitherSideCanMove)
{
    setPosition({"w.  ww  bb  ww", "ww  ww  ww  ww", "ww  ww  ww  ww", "ww  ww  ww  ww"}, WHITE, 27);
    Sokoutu_Com(28, cellIndex("a1"));
    ASSERT_EQ(State.Score[28], -10);
    const Searched r = counted([] { return Hyouka_Com(28, 20, 25); });
    EXPECT_EQ(r.value, -10);
    EXPECT_EQ(r.nodes, 2u);
    Modosu(28);
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
            playMove(mover, legal[rng() % legal.size()]);
            ++State.Ply;
            Mazu_Yusen();
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
