#include "game_window_fixture.h"
#include "invariants.h"
#include "shape.h"
#include "state_fixture.h"
#include "trial_move.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QScreen>

#include <cstring>

using ::testing::ElementsAre;

namespace {

struct Shown {
    bool visible;
    QPoint at;
};

// What one pause of a move saw: the three pictures over the board, the cells, and the window as
// the last repaint left it on the screen.
struct Frame {
    std::int32_t count;
    Shown marker, black, white;
    Cell board[CellCount];
    QImage screen;
};

Shown shown(const QWidget* w) { return {w->isVisible(), w->pos()}; }

QPoint corner(std::int32_t cell) { return {34 + 95 * (cell % 5 - 1), 34 + 95 * (cell / 5 - 1)}; }

bool sameBoard(const Cell (&a)[CellCount], const Cell (&b)[CellCount]) { return std::memcmp(a, b, sizeof a) == 0; }

}  // namespace

class PlayedMove : public GameTest {
protected:
    void SetUp() override
    {
        GameTest::SetUp();
        game().onPause = [this](std::int32_t count) {
            Frame f{count, shown(form->Shape1), shown(form->Image5), shown(form->Image6), {}, {}};
            std::copy(State.Board, State.Board + CellCount, f.board);
            // The backing store: what repaint() has put on the screen, not a fresh rendering.
            f.screen = form->screen()->grabWindow(form->winId()).toImage();
            frames.push_back(f);
        };
    }

    // Plays the move as Jissai_Sokoutu and checks that it wrote the state exactly as that side's
    // trial move does, and MoveRecord besides; Ply and the candidate list stay.
    void playAndCompareWithTrialMove(Colour colour, std::int32_t cell)
    {
        const GameState before = State;
        if (colour == State.HumanColour)
            Sokoutu_Man(State.Ply, cell);
        else
            Sokoutu_Com(State.Ply, cell);
        const GameState trial = State;
        State = before;

        ASSERT_TRUE(game().Jissai_Sokoutu(colour, cell));
        EXPECT_TRUE(sameBoard(State.Board, trial.Board));
        ASSERT_EQ(State.JournalTop, trial.JournalTop);
        for (std::int32_t i = 0; i < State.JournalTop; ++i) {
            EXPECT_EQ(State.JournalCell[i], trial.JournalCell[i]) << i;
            EXPECT_EQ(State.JournalLower[i], trial.JournalLower[i]) << i;
            EXPECT_EQ(State.JournalUpper[i], trial.JournalUpper[i]) << i;
        }
        EXPECT_EQ(State.ChangedCount[State.Ply], trial.ChangedCount[State.Ply]);
        EXPECT_EQ(State.Score[State.Ply], trial.Score[State.Ply]);
        EXPECT_EQ(State.MoveRecord[State.Ply], cell);
        EXPECT_EQ(State.Ply, before.Ply);
        EXPECT_EQ(std::memcmp(State.NextCand, before.NextCand, sizeof State.NextCand), 0) << "the caller rebuilds the list";
        EXPECT_EQ(State.CandidateCount, before.CandidateCount);

        // At rest again: nothing over the board.
        EXPECT_TRUE(form->Shape1->isHidden());
        EXPECT_TRUE(form->Image5->isHidden());
        EXPECT_TRUE(form->Image6->isHidden());
    }

    // A game at move 1 from this board, the person black, its score the board's.
    void fromBoard(const std::array<std::string_view, 4>& rows)
    {
        setBoard(rows, BLACK);
        State.Score[0] = topDiscLead();
    }

    std::vector<std::int32_t> pauseCounts() const
    {
        std::vector<std::int32_t> counts;
        for (const Frame& f : frames) counts.push_back(f.count);
        return counts;
    }

    std::vector<Frame> frames;
};

TEST_F(PlayedMove, OnAnEmptyCellTheMarkerStandsLowerAndTheTurnedLowerDiscFlipsInPlace)
{
    startGame(BLACK);
    const std::int32_t a2 = 11, b2 = 12;
    playAndCompareWithTrialMove(BLACK, a2);
    EXPECT_EQ(State.Score[1], -3) << "kind 1 and one turned disc: the person's lead grows by 3";
    EXPECT_EQ(record(), QStringLiteral("a2"));
    ASSERT_THAT(pauseCounts(), ElementsAre(500000, 600000));

    const Frame& marker = frames[0];
    EXPECT_TRUE(marker.marker.visible);
    EXPECT_EQ(marker.marker.at, corner(a2) + QPoint(15, 8));
    EXPECT_FALSE(marker.black.visible || marker.white.visible);
    EXPECT_EQ(marker.board[a2].Lower, BLACK) << "the disc is placed before the marker shows";
    EXPECT_EQ(marker.board[b2].Lower, WHITE) << "nothing turned yet";
    EXPECT_EQ(marker.screen.pixelColor(corner(a2) + QPoint(15 + 33, 8 + 32)), Red);

    const Frame& flip = frames[1];
    EXPECT_FALSE(flip.marker.visible);
    EXPECT_FALSE(flip.black.visible);
    ASSERT_TRUE(flip.white.visible) << "b2 was white";
    EXPECT_EQ(flip.white.at, corner(b2));
    EXPECT_EQ(flip.board[b2].Lower, EMPTY) << "off the board while it turns";
    EXPECT_EQ(flip.screen.pixelColor(corner(b2) + QPoint(44, 40)), Black) << "the bar's left half";
    EXPECT_EQ(flip.screen.pixelColor(corner(b2) + QPoint(49, 40)), White) << "its right half";
    EXPECT_EQ(flip.screen.pixelColor(corner(b2) + QPoint(42, 40)), Grey);
    EXPECT_EQ(flip.screen.pixelColor(corner(b2) + QPoint(20, 40)), Green) << "nothing is left in the cell";
    EXPECT_EQ(flip.screen.pixelColor(corner(a2) + QPoint(48, 40)), Black) << "the placed disc, the marker gone";

    EXPECT_EQ(State.Board[b2].Lower, BLACK);
    EXPECT_EQ(form->screen()->grabWindow(form->winId()).toImage().pixelColor(corner(b2) + QPoint(20, 40)), Black)
        << "repainted when the move is over";
}

TEST_F(PlayedMove, OnAnOpponentsDiscTheMarkerStandsOnTopAndATurnedUpperDiscFlipsHigher)
{
    // The computer, white, covers the black a1 and turns the black upper disc of b1; the run
    // down a2 is closed by an empty cell and the run along b2 by the wall.
    fromBoard({"b.  wb  w.  ..",
               "b.  b.  ..  ..",
               "..  ..  b.  ..",
               "..  ..  ..  b."});
    const std::int32_t a1 = 6, b1 = 7;
    playAndCompareWithTrialMove(WHITE, a1);
    EXPECT_EQ(State.Score[1] - State.Score[0], 4) << "kind 2 and one turned disc";
    EXPECT_EQ(State.Board[b1].Lower, WHITE) << "the covered disc keeps its colour";
    EXPECT_EQ(State.Board[b1].Upper, WHITE);
    ASSERT_THAT(pauseCounts(), ElementsAre(500000, 600000));

    EXPECT_EQ(frames[0].marker.at, corner(a1) + QPoint(15, 0));
    EXPECT_EQ(frames[0].board[a1].Upper, WHITE);

    const Frame& flip = frames[1];
    ASSERT_TRUE(flip.black.visible) << "the upper disc of b1 was black";
    EXPECT_FALSE(flip.white.visible);
    EXPECT_EQ(flip.black.at, corner(b1) - QPoint(0, 8));
    EXPECT_EQ(flip.board[b1].Lower, WHITE);
    EXPECT_EQ(flip.board[b1].Upper, EMPTY);
    EXPECT_EQ(flip.screen.pixelColor(corner(b1) + QPoint(44, 30)), White) << "Image5: white half on the left";
    EXPECT_EQ(flip.screen.pixelColor(corner(b1) + QPoint(49, 30)), Black);
    EXPECT_EQ(flip.screen.pixelColor(corner(b1) + QPoint(20, 40)), White) << "the lower disc shows while it turns";
}

TEST_F(PlayedMove, OnTheMoversOwnDiscThreeTurnedDiscsPauseFourTimesInTheirOrder)
{
    // The person, black, covers its own a1: b1 and c1 turn along the row, a2 down the column;
    // the diagonal b2, c3 ends on an empty cell and turns nothing.
    fromBoard({"b.  w.  w.  b.",
               "w.  w.  ..  ..",
               "b.  ..  ..  ..",
               "..  ..  ..  .."});
    const std::int32_t a1 = 6, b1 = 7, c1 = 8, a2 = 11, b2 = 12;
    const std::int32_t journalBefore = State.JournalTop;
    playAndCompareWithTrialMove(BLACK, a1);
    EXPECT_EQ(State.Score[0] - State.Score[1], 6) << "kind 0: only the three turned discs count";
    EXPECT_EQ(State.ChangedCount[1], 4);
    EXPECT_EQ(State.JournalTop - journalBefore, 4);
    EXPECT_EQ(State.Board[b2].Lower, WHITE);
    ASSERT_THAT(pauseCounts(), ElementsAre(500000, 600000, 600000, 600000));
    EXPECT_EQ(frames[0].marker.at, corner(a1) + QPoint(15, 0));
    for (auto [frame, cell] : {std::pair{1, b1}, {2, c1}, {3, a2}}) {
        SCOPED_TRACE(cellName(cell));
        EXPECT_TRUE(frames[frame].white.visible);
        EXPECT_FALSE(frames[frame].black.visible) << "the other picture is hidden";
        EXPECT_EQ(frames[frame].white.at, corner(cell));
        EXPECT_EQ(frames[frame].board[cell].Lower, EMPTY);
    }
    EXPECT_EQ(frames[2].board[b1].Lower, BLACK) << "a disc has its new colour once its picture is gone";
}

TEST_F(PlayedMove, TheRecordGrowsByTwoCharactersAMove)
{
    ASSERT_TRUE(replayRecord(cells("a2"), BLACK));
    EXPECT_TRUE(game().Jissai_Sokoutu(WHITE, cellIndex("a3")));
    EXPECT_EQ(record(), QStringLiteral("a2a3"));
    EXPECT_EQ(State.Ply, 2) << "Jissai_Sokoutu leaves Ply to its caller";
}

TEST_F(PlayedMove, AMoveThatWouldTurnNothingChangesAndShowsNothing)
{
    startGame(BLACK);
    const GameState before = State;
    EXPECT_FALSE(game().Jissai_Sokoutu(BLACK, cellIndex("a1")));
    EXPECT_TRUE(frames.empty()) << "no marker, no pause";
    EXPECT_TRUE(sameBoard(State.Board, before.Board));
    EXPECT_EQ(State.JournalTop, before.JournalTop);
    EXPECT_EQ(record(), QStringLiteral("Memo1"));
}

TEST(Pause, HandlesNoEventAndWaitsOnlyForAPositiveCount)
{
    int delivered = 0;
    QObject receiver;
    QTimer::singleShot(0, &receiver, [&] { ++delivered; });
    QCoreApplication::postEvent(&receiver, new QEvent(QEvent::User));
    pauseThread(1, std::chrono::milliseconds{5});
    EXPECT_EQ(delivered, 0) << "the timer waits until the handler has returned";
    QCoreApplication::processEvents();
    EXPECT_EQ(delivered, 1);

    // A wait of an hour would stop the test: counts of 0 and below return at once.
    pauseThread(0, std::chrono::hours{1});
    pauseThread(-600000, std::chrono::hours{1});
}
