#include "game_window_fixture.h"
#include "invariants.h"
#include "opening_book.h"
#include "radio_group.h"
#include "random_cell.h"
#include "search.h"
#include "state_fixture.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QPushButton>

#include <climits>
#include <cstring>
#include <random>

namespace {

// The messages a game of this record must have shown, worked out from the rules alone: a pass
// wherever the same side moves twice running, and the result after the last move. Leaves the
// state at the game's end.
std::vector<QString> messagesOfGame(const QString& record, Colour human)
{
    startGame(human);
    std::vector<QString> messages;
    Colour last = EMPTY;
    for (std::int32_t cell : parseRecord(record.toStdString())) {
        const Colour mover = sideToMove();
        EXPECT_TRUE(mover != EMPTY && Sokouteruka(mover, cell)) << cellName(cell) << " at move " << State.Ply;
        if (mover == last) messages.push_back(mover == human ? ComputerPassesText : PersonPassesText);
        playMoveAndGoOn(mover, cell);
        last = mover;
    }
    EXPECT_EQ(sideToMove(), EMPTY) << "the game is over";
    messages.push_back(resultText(topDiscLead()));
    return messages;
}

}  // namespace

class GameFlow : public GameTest {
protected:
    // A click that must change nothing and show nothing.
    void expectIgnored(QPoint at, Qt::MouseButton button = Qt::LeftButton)
    {
        const GameState before = State;
        const QString recordBefore = record(), statusBefore = status();
        const bool running = form->Button1->isHidden();
        const std::size_t messages = answerer.answered.size();
        click(at, button);
        EXPECT_EQ(std::memcmp(State.Board, before.Board, sizeof State.Board), 0);
        EXPECT_EQ(State.Ply, before.Ply);
        EXPECT_EQ(State.JournalTop, before.JournalTop);
        EXPECT_EQ(record(), recordBefore);
        EXPECT_EQ(status(), statusBefore);
        EXPECT_EQ(form->Button1->isHidden(), running);
        EXPECT_EQ(answerer.answered.size(), messages) << "without a word";
    }

    // Chooses the colour and presses OK with the keys alone: from the button, where the window
    // opens and every game ends, back to the colour group, an arrow to the item, and on to the
    // button.
    void startByKeys(int colourItem)
    {
        ASSERT_EQ(QApplication::focusWidget(), form->Button1);
        pressKey(Qt::Key_Tab, Qt::ShiftModifier);
        pressKey(Qt::Key_Tab, Qt::ShiftModifier);
        ASSERT_TRUE(form->RadioGroup1->isAncestorOf(QApplication::focusWidget()));
        pressKey(colourItem == 0 ? Qt::Key_Up : Qt::Key_Down);
        ASSERT_EQ(form->RadioGroup1->itemIndex(), colourItem);
        pressKey(Qt::Key_Tab);
        pressKey(Qt::Key_Tab);
        ASSERT_EQ(QApplication::focusWidget(), form->Button1);
        pressKey(Qt::Key_Return);
        EXPECT_EQ(State.HumanColour, colourItem == 0 ? BLACK : WHITE);
    }

    // Plays cell with the arrows and Return, Enter or Space: the cursor first pushed against the
    // top-left or the bottom-right corner, then along to the cell.
    void playByKeys(std::int32_t cell)
    {
        ASSERT_EQ(QApplication::focusWidget(), board()) << "the board has the focus while the person is to move";
        const bool fromTopLeft = cell % 2 == 0;
        for (int i = 0; i < 4; ++i) {
            pressKey(fromTopLeft ? Qt::Key_Left : Qt::Key_Right);
            pressKey(fromTopLeft ? Qt::Key_Up : Qt::Key_Down);
        }
        ASSERT_EQ(board()->cursorCell(), fromTopLeft ? cellIndex("a1") : cellIndex("d4")) << "the arrows stop at the edges";
        const std::int32_t corner = board()->cursorCell();
        for (std::int32_t c = columnOf(corner); c != columnOf(cell); c += c < columnOf(cell) ? 1 : -1)
            pressKey(c < columnOf(cell) ? Qt::Key_Right : Qt::Key_Left);
        for (std::int32_t r = rowOf(corner); r != rowOf(cell); r += r < rowOf(cell) ? 1 : -1)
            pressKey(r < rowOf(cell) ? Qt::Key_Down : Qt::Key_Up);
        switch (cell % 3) {
        case 0: pressKey(Qt::Key_Return); break;
        case 1: pressKey(Qt::Key_Enter, Qt::KeypadModifier); break;
        default: pressKey(Qt::Key_Space);
        }
    }

    // Plays random legal cells as the person until the game is over, by clicks or by keys,
    // checking the record, the status line and the messages after every move; then the window
    // waiting for OK again.
    void playToTheEnd(std::mt19937& rng, int colourItem, int strengthItem = 0, bool byKeys = false)
    {
        while (form->Button1->isHidden()) {
            const auto legal = legalCells(State.HumanColour);
            ASSERT_FALSE(legal.empty()) << "the person is to move";
            const std::int32_t cell = legal[rng() % legal.size()];
            const QString before = record();
            const std::size_t seen = answerer.answered.size();
            if (byKeys)
                playByKeys(cell);
            else
                clickCell(cell);

            const auto messages = answerer.textsSince(seen);
            ASSERT_TRUE(record().startsWith(before + QString::fromStdString(cellName(cell)))) << record().toStdString();
            const auto computerMoves = (record().size() - before.size()) / 2 - 1;
            if (form->Button1->isHidden()) {
                const bool computerPassed = !messages.empty() && messages.back() == ComputerPassesText;
                EXPECT_EQ(status(), computerPassed ? QString() : PersonToMoveText);
                EXPECT_EQ(computerMoves, computerPassed ? 0 : std::count(messages.begin(), messages.end(), PersonPassesText) + 1);
                EXPECT_EQ(record().size(), 2 * (State.Ply - 1));
            } else {
                ASSERT_FALSE(messages.empty());
                EXPECT_EQ(messages.back(), resultText(answerer.answered.back().comLead));
                EXPECT_TRUE(status().isEmpty()) << "no status after the last move";
            }
        }
        expectWaitingForOk();
        EXPECT_EQ(form->RadioGroup1->itemIndex(), colourItem) << "the choices as they were";
        EXPECT_EQ(form->RadioGroup2->itemIndex(), strengthItem);
    }
};

TEST_F(GameFlow, WholeGamesAgainstTheWeakComputerFromBothSides)
{
    std::mt19937 rng(11);
    for (int colourItem : {0, 1}) {
        for (int game = 0; game < 4; ++game) {
            SCOPED_TRACE(testing::Message() << "colour item " << colourItem << ", game " << game);
            const Colour human = colourItem == 0 ? BLACK : WHITE;
            choose(colourItem, 0);
            const std::size_t firstMessage = answerer.answered.size();
            pressOk();
            EXPECT_EQ(State.HumanColour, human);
            EXPECT_TRUE(form->Button1->isHidden());
            EXPECT_TRUE(form->Image2->isHidden());
            EXPECT_FALSE(form->RadioGroup1->isEnabled());
            EXPECT_FALSE(form->RadioGroup2->isEnabled());
            EXPECT_EQ(record().size(), human == BLACK ? 0 : 2) << "the computer's first move when the person is white";
            EXPECT_EQ(status(), PersonToMoveText);

            playToTheEnd(rng, colourItem);
            const QString finished = record();
            EXPECT_GE(finished.size(), 2 * 14) << "every playing cell holds a top disc at the end";
            EXPECT_EQ(answerer.textsSince(firstMessage), messagesOfGame(finished, human));
        }
    }
}

TEST_F(GameFlow, WholeGamesByKeysAloneAgainstTheWeakComputerFromBothSides)
{
    activateWindow();
    answerer.byKeys = true;
    std::mt19937 rng(3);

    // A game abandoned by the restart picture: Tab from the board, and Space.
    startByKeys(0);
    playByKeys(cellIndex("a2"));
    ASSERT_EQ(record().left(2), QStringLiteral("a2"));
    pressKey(Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), control("Image15"));
    pressKey(Qt::Key_Space);
    expectWaitingForOk();

    for (int colourItem : {1, 0, 1, 0}) {
        SCOPED_TRACE(testing::Message() << "colour item " << colourItem);
        const std::size_t firstMessage = answerer.answered.size();
        startByKeys(colourItem);
        EXPECT_EQ(status(), PersonToMoveText);
        playToTheEnd(rng, colourItem, 0, true);
        EXPECT_EQ(answerer.textsSince(firstMessage), messagesOfGame(record(), State.HumanColour));
    }
}

// With the book the strong computer searches from move 10 on (from move 8 in a few games), a
// fraction of a second a move.
TEST_F(GameFlow, WholeGamesAgainstTheStrongComputerFromBothSides)
{
    std::mt19937 rng(5);
    for (int colourItem : {0, 1}) {
        SCOPED_TRACE(testing::Message() << "colour item " << colourItem);
        // At each of its turns' pauses, before it chooses: the book's answer, else the search's
        // from move 3 on, else (cell 0) any legal cell.
        struct Turn {
            std::int32_t ply, cell;
            bool fromBook;
        };
        std::vector<Turn> turns;
        game().onPause = [&](std::int32_t count) {
            if (count != 200) return;
            const std::int32_t book = bookLookup();
            turns.push_back({State.Ply, book > 0 ? book : State.Ply > 2 ? strongChoice().cell : 0, book > 0});
        };
        choose(colourItem, 1);
        pressOk();
        playToTheEnd(rng, colourItem, 1);

        const auto moves = parseRecord(record().toStdString());
        for (const Turn& turn : turns) {
            if (turn.cell == 0) continue;
            EXPECT_EQ(cellName(moves.at(std::size_t(turn.ply - 1))), cellName(turn.cell)) << "move " << turn.ply;
        }
        EXPECT_GE(std::count_if(turns.begin(), turns.end(), [](const Turn& t) { return t.fromBook; }), 3)
            << "the book answers from move 3 on";
        game().onPause = nullptr;
    }
}

TEST_F(GameFlow, ClicksBecomeCellsByFloorDivisionWithAnyButton)
{
    // The person's first moves are b1, a2, d3 and c4: each click is made in a fresh game, and
    // either plays the cell named or is ignored.
    const std::vector<std::tuple<QPoint, Qt::MouseButton, const char*>> clicks = {
        {{130, 80}, Qt::LeftButton, "b1"},   {{129, 80}, Qt::LeftButton, ""},    // a1
        {{35, 130}, Qt::LeftButton, "a2"},   {{34, 130}, Qt::LeftButton, ""},    // left of the board
        {{35, 129}, Qt::LeftButton, ""},     {{0, 180}, Qt::LeftButton, ""},     // a1; the margin
        {{414, 300}, Qt::LeftButton, "d3"},  {{415, 300}, Qt::LeftButton, ""},   // right of the board
        {{319, 300}, Qt::LeftButton, ""},    {{320, 225}, Qt::LeftButton, "d3"}, // c3; d3's corner
        {{250, 414}, Qt::LeftButton, "c4"},  {{250, 415}, Qt::LeftButton, ""},   // below the board
        {{180, 34}, Qt::LeftButton, ""},     {{180, 10}, Qt::LeftButton, ""},    // above the board
        {{180, 35}, Qt::RightButton, "b1"},  {{80, 224}, Qt::MiddleButton, "a2"},
    };
    for (auto [at, button, played] : clicks) {
        SCOPED_TRACE(testing::Message() << at.x() << "," << at.y() << " button " << button);
        choose(0, 0);
        pressOk();
        if (*played == '\0') {
            expectIgnored(at, button);
        } else {
            click(at, button);
            EXPECT_EQ(record().left(2), QString::fromLatin1(played));
            EXPECT_EQ(record().size(), 4) << "and the computer answers it";
        }
        clickRestart();
    }

    // Where no real click reaches: far outside, and just left of the board, where a quotient
    // taken toward zero would give column 1.
    choose(0, 0);
    pressOk();
    for (QPoint at : {QPoint(-1, 130), QPoint(-94, 180), QPoint(-96, 130), QPoint(INT_MIN, INT_MIN), QPoint(INT_MAX, 130),
                      QPoint(130, INT_MAX)}) {
        game().FormMouseDown(Qt::LeftButton, {}, at.x(), at.y());
        EXPECT_EQ(record(), QString()) << at.x() << "," << at.y();
    }
}

TEST_F(GameFlow, ClicksOnFullAndIllegalCellsAndWhileNoGameRunsAreIgnored)
{
    // No game yet: the person's legal first moves do nothing, nor does the board.
    for (std::int32_t cell : {7, 11, 19, 23, 6}) expectIgnored(cellCentre(cell));
    EXPECT_EQ(record(), QStringLiteral("Memo1"));

    choose(0, 0);
    pressOk();
    // a1 over b2 and c3 turns b2 for black, but a1 is full: ignored, until it has room again.
    setBoard({"ww  ..  ..  ..",
              "..  w.  b.  ..",
              "..  b.  wb  ..",
              "..  ..  ..  .."}, BLACK);
    expectIgnored(cellCentre(6));
    for (std::int32_t illegal : {9, 24, 12, 13, 14}) expectIgnored(cellCentre(illegal));  // nothing to turn
    expectIgnored(QPoint(430, 200));  // beside the board
    State.Board[6].Upper = EMPTY;
    Mazu_Yusen();
    // A legal move that the played move refuses leaves the game where it was, and the person to
    // move: no move number without a move, no computer's turn.
    game().refuseMoves = true;
    expectIgnored(cellCentre(6));
    game().refuseMoves = false;
    click(cellCentre(6));
    EXPECT_TRUE(record().startsWith(QStringLiteral("a1")));

    // After a result the board is dead again until OK.
    for (std::int32_t cell : PriorityOrder) State.Board[cell] = {BLACK, EMPTY};
    form->Kekka();
    for (std::int32_t cell : {7, 11, 19, 23}) expectIgnored(cellCentre(cell));
}

TEST_F(GameFlow, TheComputersFirstMoveIsPlayedBeforeTheButtonAndThePromptGo)
{
    std::vector<std::pair<bool, bool>> shownDuringPauses;
    game().onPause = [&](std::int32_t) { shownDuringPauses.emplace_back(form->Button1->isVisible(), form->Image2->isVisible()); };
    choose(1, 0);
    pressOk();
    ASSERT_GE(shownDuringPauses.size(), 3u) << "the turn's pause, the marker, a flip";
    for (auto [button, prompt] : shownDuringPauses) EXPECT_TRUE(button && prompt);
    EXPECT_TRUE(form->Button1->isHidden());
    EXPECT_TRUE(form->Image2->isHidden());
    EXPECT_EQ(record().size(), 2);
    EXPECT_EQ(State.Ply, 2);
    EXPECT_EQ(status(), PersonToMoveText);
}

TEST_F(GameFlow, TheStatusLineIsNotSelectedWhenTheButtonGoes)
{
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    for (int colourItem : {0, 1}) {
        choose(colourItem, 0);
        form->Button1->setFocus();
        pressOk();
        EXPECT_EQ(form->Edit1->selectedText(), QString()) << "the person plays item " << colourItem;
        form->findChild<QWidget*>("Image15")->setFocus();
        clickRestart();
    }
}

TEST_F(GameFlow, WhenTheComputerCannotAnswerItPassesAndThePersonMovesAgain)
{
    // After these six moves black, the person, plays d1 and leaves white without a move.
    choose(0, 0);
    pressOk();
    ASSERT_TRUE(replayRecord(cells("b1a3d4d3d2c1"), BLACK));
    ASSERT_EQ(status(), PersonToMoveText);
    // The box alone takes input: the window behind it drops a click on the restart picture.
    answerer.whileOpen = [&] {
        clickRestart();
        return true;
    };
    click(cellCentre(cellIndex("d1")));
    ASSERT_EQ(answerer.textsSince(0), std::vector<QString>{ComputerPassesText});
    EXPECT_EQ(record(), QStringLiteral("b1a3d4d3d2c1d1"));
    EXPECT_EQ(State.Ply, 8);
    EXPECT_TRUE(status().isEmpty());
    EXPECT_TRUE(UterukaM());
    EXPECT_FALSE(UterukaC());
    EXPECT_TRUE(form->Button1->isHidden()) << "the game goes on";
    EXPECT_EQ(stateFault(), "");
}

TEST_F(GameFlow, ClicksMadeDuringAMoveWaitAndAreHandledAfterItAgainstTheNewState)
{
    // White answers a2 with a1 from a book line: then b1 is legal for black, though it is not
    // after a2 alone. The click on b1 and the one on the restart picture are made while the
    // marker of a2 shows, and wait in the queue behind the click on a2.
    ASSERT_EQ(parseBook("@02,a2,a1,&"), std::nullopt);
    choose(0, 0);
    pressOk();
    // A press and a release queued for the window, a second after the click before, as a person
    // makes them; the window finds their receiver when it takes them from the queue.
    quint64 time = 0;
    const auto post = [&](QPoint at) {
        for (auto [type, buttons] : {std::pair{QEvent::MouseButtonPress, Qt::LeftButton}, {QEvent::MouseButtonRelease, Qt::NoButton}}) {
            auto* event = new QMouseEvent(type, at, at, form->mapToGlobal(at), Qt::LeftButton, buttons, Qt::NoModifier);
            event->setTimestamp(time += 1000);
            QCoreApplication::postEvent(form->windowHandle(), event);
        }
    };
    std::vector<std::int32_t> pliesDuringPauses;
    game().onPause = [&](std::int32_t) {
        if (pliesDuringPauses.empty()) {
            post(cellCentre(7));
            post(control("Image15")->geometry().center());
        }
        pliesDuringPauses.push_back(State.Ply);
    };
    // The press on a2 handled at once, as the event loop would, and nothing after it.
    const QPoint a2 = cellCentre(11);
    QMouseEvent press(QEvent::MouseButtonPress, a2, a2, form->mapToGlobal(a2), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(form->windowHandle(), &press);
    EXPECT_EQ(pliesDuringPauses, (std::vector<std::int32_t>{1, 1, 2, 2, 2})) << "nothing else ran inside the handler";
    EXPECT_EQ(record(), QStringLiteral("a2a1"));
    EXPECT_TRUE(form->Button1->isHidden());

    game().onPause = nullptr;
    QCoreApplication::processEvents();
    EXPECT_TRUE(record().startsWith(QStringLiteral("a2a1b1"))) << record().toStdString();
    EXPECT_EQ(record().size(), 8) << "and the computer answered it";
    expectWaitingForOk();
}

TEST_F(GameFlow, TheFocusedOkButtonIsPressedByReturnEnterAndSpaceAndByNoOtherKey)
{
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    const auto press = [&](QWidget* focused, Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        focused->setFocus();
        QTest::keyClick(form->windowHandle(), key, modifiers);
        const bool started = form->Button1->isHidden();
        if (started) clickRestart();
        return started;
    };
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Space}) EXPECT_TRUE(press(form->Button1, key)) << key;
    EXPECT_TRUE(press(form->Button1, Qt::Key_Enter, Qt::KeypadModifier));
    for (Qt::Key key : {Qt::Key_Escape, Qt::Key_O, Qt::Key_Tab}) EXPECT_FALSE(press(form->Button1, key)) << key;
    EXPECT_FALSE(press(form->Edit1, Qt::Key_Return)) << "only the focused button is pressed";
}

TEST_F(GameFlow, KeysMadeDuringAMoveWaitAndAreHandledAfterItAgainstTheNewState)
{
    // As with the clicks: white answers a2 with a1, and then b1 is legal for black. Up, Right
    // and Return are pressed while the marker of a2 shows.
    ASSERT_EQ(parseBook("@02,a2,a1,&"), std::nullopt);
    activateWindow();
    choose(0, 0);
    pressOk();
    const auto post = [&](Qt::Key key) {
        for (QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease})
            QCoreApplication::postEvent(form->windowHandle(), new QKeyEvent(type, key, Qt::NoModifier));
    };
    std::vector<std::int32_t> pliesDuringPauses;
    game().onPause = [&](std::int32_t) {
        if (pliesDuringPauses.empty())
            for (Qt::Key key : {Qt::Key_Up, Qt::Key_Right, Qt::Key_Return}) post(key);
        pliesDuringPauses.push_back(State.Ply);
    };
    pressKey(Qt::Key_Down);
    // Return on a2 handled at once, as the event loop would, and nothing after it.
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QCoreApplication::sendEvent(form->windowHandle(), &enter);
    EXPECT_EQ(pliesDuringPauses, (std::vector<std::int32_t>{1, 1, 2, 2, 2})) << "nothing else ran inside the handler";
    EXPECT_EQ(record(), QStringLiteral("a2a1"));

    game().onPause = nullptr;
    QCoreApplication::processEvents();
    EXPECT_TRUE(record().startsWith(QStringLiteral("a2a1b1"))) << record().toStdString();
    EXPECT_EQ(record().size(), 8) << "and the computer answered it";
}
