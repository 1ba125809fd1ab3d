#include "game_window_fixture.h"
#include "radio_group.h"
#include "state_fixture.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include <cstring>

namespace {

// The board as each paint of the window found it.
class PaintWatcher : public QObject {
public:
    struct Seen {
        Cell board[CellCount];
        bool buttonShown;
    };
    std::vector<Seen> paints;

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            Seen seen{{}, static_cast<TForm1*>(watched)->Button1->isVisible()};
            std::copy(State.Board, State.Board + CellCount, seen.board);
            paints.push_back(seen);
        }
        return false;
    }
};

bool isStartPosition(const Cell (&board)[CellCount])
{
    for (std::int32_t i = 0; i < CellCount; ++i)
        if (board[i].Lower != InitialBoard[i] || board[i].Upper != EMPTY) return false;
    return true;
}

}  // namespace

class Result : public GameTest {
protected:
    // A game in progress as the flow leaves it: the choices made and fixed, the prompt gone.
    void inGame(Colour human, const char* moves)
    {
        ASSERT_TRUE(replayRecord(cells(moves), human));
        form->RadioGroup1->setItemIndex(human == BLACK ? 0 : 1);
        form->RadioGroup2->setItemIndex(1);
        form->RadioGroup1->setEnabled(false);
        form->RadioGroup2->setEnabled(false);
        form->Button1->hide();
        form->Image2->hide();
        form->Memo1->setPlainText(QString::fromLatin1(moves));
        form->Edit1->setText(PersonToMoveText);
    }

    void expectChoicesKept(Colour human) const
    {
        EXPECT_EQ(form->RadioGroup1->itemIndex(), human == BLACK ? 0 : 1);
        EXPECT_EQ(form->RadioGroup2->itemIndex(), 1);
    }
};

TEST_F(Result, TheTopDiscsAreCountedAndTheWindowWaitsForOkWithTheRecordKept)
{
    // Lower discs under an upper one of the other side count for the upper one only.
    struct Case {
        Colour human;
        std::array<std::string_view, 4> rows;
        QString message;
    };
    const std::vector<Case> cases = {
        {BLACK, {"bw  bw  wb  wb", "b.  w.  ..  ..", "..  ..  ..  ..", "..  ..  ..  .."}, QStringLiteral("ひきわけです")},
        {BLACK, {"bw  bw  bw  wb", "w.  b.  ..  ..", "..  ..  ..  ..", "..  ..  ..  .."}, QStringLiteral("コンピュータの2石がちです")},
        {WHITE, {"bw  bw  bw  bw", "bw  ww  ..  b.", "..  ..  ..  ..", "..  ..  ..  .."}, QStringLiteral("あなたの5石がちです")},
        {BLACK, {"bw  bw  bw  bw", "bw  bw  bw  bw", "bw  bw  bw  bw", "bw  bw  bw  wb"}, QStringLiteral("コンピュータの14石がちです")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message.toStdString());
        inGame(c.human, "a2a1");
        setBoard(c.rows, c.human);
        answerer.answered.clear();
        form->Kekka();
        ASSERT_EQ(answerer.answered.size(), 1u);
        EXPECT_EQ(answerer.answered[0].text, c.message);
        EXPECT_TRUE(status().isEmpty());
        expectWaitingForOk();
        expectChoicesKept(c.human);
        EXPECT_EQ(record(), QStringLiteral("a2a1"));
    }
}

TEST_F(Result, TheMessageBoxHasTheTextOneOkButtonNoIconAndTheProgramsTitleAndIsCentred)
{
    setBoard({"b.  b.  b.  b.",
              "b.  b.  b.  b.",
              "w.  b.  b.  b.",
              "..  ..  ..  .."}, BLACK);
    form->Kekka();
    ASSERT_EQ(answerer.answered.size(), 1u);
    const Answered& box = answerer.answered[0];
    EXPECT_EQ(box.text, QStringLiteral("あなたの10石がちです"));
    EXPECT_EQ(box.caption, QStringLiteral("ノルダモ"));
    EXPECT_EQ(box.icon, QMessageBox::NoIcon);
    EXPECT_EQ(box.standardButtons, QMessageBox::Ok);
    EXPECT_EQ(box.buttonCount, 1);
    // Centred, give or take the rounding of the box's halves and a late adjustment of its size.
    EXPECT_LE(std::abs(box.centre.x() - box.screenCentre.x()), 3) << box.centre.x() << " vs " << box.screenCentre.x();
    EXPECT_LE(std::abs(box.centre.y() - box.screenCentre.y()), 3) << box.centre.y() << " vs " << box.screenCentre.y();
}

TEST_F(Result, TheFinalPositionShowsUntilTheMessageIsClosedAndTheResetRepaintsInItsOrder)
{
    inGame(WHITE, "b1a1");
    for (std::int32_t cell : PriorityOrder) State.Board[cell] = {BLACK, EMPTY};
    Cell finalBoard[CellCount];
    std::copy(State.Board, State.Board + CellCount, finalBoard);
    PaintWatcher watcher;
    form->installEventFilter(&watcher);
    form->Kekka();
    form->removeEventFilter(&watcher);

    ASSERT_GE(watcher.paints.size(), 3u) << "the wipe, the board it leaves, the start position";
    ASSERT_EQ(answerer.answered.size(), 1u);
    EXPECT_EQ(answerer.answered[0].comLead, 16) << "the final position while the message is open";
    for (std::size_t i = 0; i + 1 < watcher.paints.size(); ++i) {
        EXPECT_EQ(std::memcmp(watcher.paints[i].board, finalBoard, sizeof finalBoard), 0) << "paint " << i;
        EXPECT_FALSE(watcher.paints[i].buttonShown);
    }
    EXPECT_TRUE(isStartPosition(watcher.paints.back().board));
    EXPECT_TRUE(watcher.paints.back().buttonShown);
}

TEST_F(Result, TheRestartPictureAbandonsTheGameWithoutAMessageAndKeepsTheStatus)
{
    inGame(BLACK, "a2a1c4");
    clickRestart();
    EXPECT_TRUE(answerer.answered.empty());
    EXPECT_EQ(status(), PersonToMoveText);
    EXPECT_EQ(record(), QStringLiteral("a2a1c4"));
    expectWaitingForOk();
    expectChoicesKept(BLACK);
}

TEST_F(Result, TheRestartPictureWhileNoGameRunsLeavesTheWindowAsItWas)
{
    const QImage before = picture();
    clickRestart();
    EXPECT_TRUE(answerer.answered.empty());
    EXPECT_EQ(record(), QStringLiteral("Memo1"));
    EXPECT_TRUE(status().isEmpty());
    expectWaitingForOk();
    EXPECT_EQ(form->RadioGroup1->itemIndex(), 0);
    EXPECT_EQ(form->RadioGroup2->itemIndex(), 0);
    EXPECT_EQ(picture(), before);
}
