// The review window stepped through a recorded game, its values held to the analysis's review of
// the same game, then a variation tried by keys and by a click and left again; what a screen
// reader is told meanwhile; Tab and the window's keys; the window on a laptop's screen of
// 1280 x 720 and made large.
#include "lead_graph.h"
#include "practice_bar.h"
#include "review_board.h"
#include "review_window_fixture.h"

#include <QApplication>
#include <QClipboard>
#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <ranges>
#include <set>
#include <sstream>

namespace {

QString cellValueText(std::int32_t value) { return QStringLiteral("、%1").arg(value); }

// The width of the board's green in the widget's picture: how large the board is drawn.
int greenWidth(QWidget& board)
{
    const QImage picture = board.grab().toImage();
    const int y = picture.height() / 2;
    int left = picture.width(), right = -1;
    for (int x = 0; x < picture.width(); ++x) {
        if (picture.pixelColor(x, y) != QColor(0, 128, 0)) continue;
        left = std::min(left, x);
        right = x;
    }
    return right - left;
}

QString colourText(Colour colour) { return colour == BLACK ? QStringLiteral("黒") : QStringLiteral("白"); }

// "5手目 黒 c4、-10、2 損" for a move the analysis reviewed.
QString moveTold(std::int32_t number, Colour mover, std::string_view cell, const ReviewedMove& move)
{
    const QString away = move.value == move.best ? QStringLiteral("最善") : QStringLiteral("%1 損").arg(move.best - move.value);
    return QStringLiteral("%1手目 %2 %3、%4、").arg(number).arg(colourText(mover)).arg(QString::fromLatin1(cell.data(), 2)).arg(move.value) + away;
}

// The told position's last sentence names exactly the analysis's best moves with their value.
void expectBestMovesTold(const QString& told, const std::map<std::int32_t, std::int32_t>& values)
{
    const QString last = told.section(u'。', -1);
    ASSERT_TRUE(last.startsWith(QStringLiteral("最善 "))) << told.toStdString();
    const std::int32_t best = std::ranges::max(values | std::views::values);
    QStringList named = last.mid(3).split(QStringLiteral("、"));
    for (const auto& [cell, value] : values)
        EXPECT_EQ(named.removeAll(QStringLiteral("%1 %2").arg(QString::fromStdString(cellName(cell))).arg(value)), value == best ? 1 : 0)
            << told.toStdString();
    EXPECT_TRUE(named.isEmpty()) << told.toStdString();
}

TEST_F(ReviewWindowTest, ShowsTheAnalysisValuesOfEveryMoveAndTriesAVariation)
{
    const std::vector<ReviewedMove> expected = analysedMoves(Game);
    ASSERT_TRUE(window->takeRecord(gameRecord()));
    ASSERT_EQ(model().moveCount(), static_cast<std::int32_t>(expected.size()));
    std::set<Grade> grades;

    // 1. Stepping with → from the start: on the board, the game's move carries its value and the
    // best moves the best value; the move list and the graph say the same.
    window->moveList().setFocus();
    for (std::int32_t number = 1; number <= model().moveCount(); ++number) {
        SCOPED_TRACE(number);
        ASSERT_EQ(model().gameIndex(), number - 1);
        const std::vector<MoveValue>& values = shownValues();
        const ReviewedMove& move = expected[number - 1];
        EXPECT_EQ(values.front().value, move.best);
        const QString played = model().cellText(model().gameMove(number));
        EXPECT_TRUE(played.contains(cellValueText(move.value) + (move.value == move.best ? "、最善" : "") + "、本譜の手"))
            << played.toStdString();
        for (const MoveValue& other : values)
            EXPECT_EQ(model().cellText(other.cell).contains(QStringLiteral("最善")), other.value == move.best);
        const QTableWidget& list = window->moveList();
        EXPECT_EQ(list.currentRow(), number - 1);
        EXPECT_EQ(list.item(number, 3)->text(), QString::number(move.value));
        EXPECT_EQ(list.item(number, 4)->text(), QString::number(move.best));
        const QString away = list.item(number, 5)->text();
        EXPECT_EQ(away.section(u' ', 0, 0), move.value == move.best ? QString() : QString::number(move.best - move.value));
        grades.insert(gradeOf(move.best - move.value));
        const Colour mover = model().gamePosition(number - 1).mover;
        EXPECT_EQ(model().blackLead(number - 1), mover == BLACK ? move.best : -move.best);
        press(&window->moveList(), Qt::Key_Right);
    }
    EXPECT_EQ(grades.size(), 4u) << "the game gives away at every grade";
    EXPECT_TRUE(QTest::qWaitFor([this] { return gameSolved(); }, 120'000));

    // 2. A variation from move 6: the second move in the board's order, by the cursor and Return.
    press(&window->moveList(), Qt::Key_Home);
    for (int i = 0; i < 5; ++i) press(&window->moveList(), Qt::Key_Right);
    const std::vector<MoveValue> before = shownValues();
    ASSERT_GE(before.size(), 2u);
    window->board().setFocus();
    press(&window->board(), Qt::Key_Down);
    EXPECT_EQ(window->board().cursorCell(), before[1].cell);
    EXPECT_EQ(window->board().accessibleName(), model().cellText(before[1].cell));
    press(&window->board(), Qt::Key_Return);
    ASSERT_EQ(model().variation(), std::vector<std::int32_t>{before[1].cell});
    EXPECT_EQ(model().gameIndex(), 5);
    const std::string tried = std::string(Game.substr(0, 10)) + cellName(before[1].cell);
    std::map<std::int32_t, std::int32_t> shown;
    for (const MoveValue& move : shownValues()) shown[move.cell] = move.value;
    EXPECT_EQ(shown, analysedValues(tried));
    EXPECT_EQ(before[1].value, -std::ranges::max(shown | std::views::values));

    // 3. A click on a legal cell goes one move deeper; ← takes it back, Esc leaves the variation.
    const std::int32_t cell = shownValues().back().cell;
    const QPointF inCell(BoardMargin + (columnOf(cell) - 1) * CellSize + 20, BoardMargin + (rowOf(cell) - 1) * CellSize + 20);
    QTest::mouseClick(&window->board(), Qt::LeftButton, {}, window->board().drawing().map(inCell).toPoint());
    EXPECT_EQ(model().variation().size(), 2u);
    press(&window->board(), Qt::Key_Left);
    EXPECT_EQ(model().variation().size(), 1u);
    press(&window->board(), Qt::Key_Escape);
    EXPECT_TRUE(model().variation().empty());
    EXPECT_EQ(model().gameIndex(), 5);
    EXPECT_TRUE(model().cellText(model().gameMove(6)).contains(QStringLiteral("本譜の手")));
}

// From positions of the game and of a variation, the best line is a best move at every step, as
// the analysis values them, and ends in the lead that perfect play was worth there.
TEST_F(ReviewWindowTest, FollowsTheBestLineToTheEndOfTheGame)
{
    ASSERT_TRUE(window->takeRecord(gameRecord()));
    const auto check = [this](std::string record) {
        SCOPED_TRACE(record);
        ASSERT_TRUE(QTest::qWaitFor([this] { return model().bestLine().result.has_value(); }, 120'000));
        const ReviewModel::BestLine best = model().bestLine();
        const std::int32_t worth = std::ranges::max(analysedValues(record) | std::views::values);
        const std::int32_t lead = model().shown().mover == BLACK ? worth : -worth;
        for (const std::int32_t cell : best.moves) {
            const std::map<std::int32_t, std::int32_t> values = analysedValues(record);
            ASSERT_TRUE(values.contains(cell)) << cellName(cell);
            EXPECT_EQ(values.at(cell), std::ranges::max(values | std::views::values)) << cellName(cell);
            record += cellName(cell);
        }
        EXPECT_TRUE(analysedValues(record).empty()) << "the line ends the game";
        EXPECT_EQ(best.result->blackLead(), lead);
        EXPECT_TRUE(window->findChild<QLabel*>(QStringLiteral("bestLine"))->text().startsWith(
            QStringLiteral("最善手順: ") + QString::fromStdString(cellName(best.moves.front()))));
    };
    for (const std::int32_t index : {0, 9, 20, model().moveCount() - 1}) {
        model().goTo(index);
        check(std::string(Game.substr(0, 2 * static_cast<std::size_t>(index))));
    }
    model().goTo(4);
    const std::int32_t tried = model().shown().legal.back();
    ASSERT_TRUE(model().play(tried));
    check(std::string(Game.substr(0, 8)) + cellName(tried));

    // B plays the line on, a move at a time, as a variation.
    const std::vector<std::int32_t> line = model().bestLine().moves;
    press(&window->board(), Qt::Key_B);
    press(&window->board(), Qt::Key_B);
    EXPECT_EQ(model().variation(), (std::vector<std::int32_t>{tried, line[0], line[1]}));
}

// A record is taken as typed and kept as the game writes it; a bad one is refused in one line
// that names the move and what would do, and the game shown stays.
TEST_F(ReviewWindowTest, RefusesABadRecordAndKeepsTheGame)
{
    ASSERT_TRUE(window->takeRecord(QStringLiteral("Ａ２\u3000ａ１")));
    const struct {
        const char* record;
        const char* says;
    } cases[] = {
        {"a2a1c", "3手目「c」: 手は a2 のように二文字で書きます"},
        {"a2a1d9", "3手目「d9」: マスは a〜d と 1〜4 で書きます"},
        {"a2あ", "2手目「あ」: 棋譜に書けるのはマス、パスと区切りだけです"},
        {"a2 パス", "2手目「パス」: 白はうてる手があるのでパスできません（a1 c1 a3）"},
        {"a2b2", "2手目「b2」: 白はここにうてません（うてるのは a1 c1 a3）"},
        {"a2a3a4a3c2c1a4b4c4b4c3d2d3d4d1b1d1b2c1a1a1a2", "22手目「a2」: 白はパスで、黒はここにうてません（うてるのは d4 c4 d2 d3 b3）"},
        {"b1a1c4d4b1a1b3c3a2b4d4a3b4c1a2c1c2a3d2d1b2d1d2d3c4a4d3a4a1", "29手目「a1」: この手の前に対局はおわっています"},
    };
    for (const auto& c : cases) {
        EXPECT_FALSE(window->takeRecord(QString::fromUtf8(c.record)));
        EXPECT_EQ(window->findChild<QLabel*>(QStringLiteral("complaint"))->text(), QString::fromUtf8(c.says)) << c.record;
        EXPECT_EQ(model().record(), QStringLiteral("a2a1"));
        EXPECT_EQ(model().moveCount(), 2);
    }
}

// Tab goes field, board, move list, the button, the practice's controls that show and round again,
// never through the list's cells; the board marks its focus before any arrow has been pressed.
TEST_F(ReviewWindowTest, TabVisitsEachPartOnceAndNeverMovesTheGame)
{
    ASSERT_TRUE(window->takeRecord(gameRecord()));
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    press(&window->board(), Qt::Key_Right);
    press(&window->board(), Qt::Key_Right);
    recordField()->setFocus();
    const QImage unfocused = window->board().grab().toImage();

    std::vector<QWidget*> visited;
    for (int tab = 0; tab < 40; ++tab) {
        visited.push_back(QApplication::focusWidget());
        press(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(model().gameIndex(), 2) << "after Tab " << tab + 1;
    }
    std::vector<QWidget*> round = {recordField(), &window->board(), &window->moveList(), window->findChild<QPushButton*>()};
    for (QWidget* control : window->practice().controls())
        if (control->isVisible()) round.push_back(control);
    for (std::size_t i = 0; i < visited.size(); ++i) EXPECT_EQ(visited[i], round[i % round.size()]) << "focus " << i;

    // The frame in the margin left of the drawing, in the desktop's highlight colour.
    window->board().setFocus();
    const QImage focused = window->board().grab().toImage();
    const QPoint frame(int(window->board().drawing().dx()) - 4, window->board().height() / 2);
    EXPECT_EQ(focused.pixelColor(frame), window->board().palette().color(QPalette::Highlight));
    EXPECT_NE(unfocused.pixelColor(frame), focused.pixelColor(frame));
}

// Copy takes the line shown, variation and all, except in the record field, which keeps its own
// copy and paste; the board's picture goes to the clipboard and to a file; Ctrl+W and Ctrl+Q close.
TEST_F(ReviewWindowTest, KeysCopyTheLineShownSaveItsPictureAndClose)
{
    ASSERT_TRUE(window->takeRecord(gameRecord()));
    model().goTo(5);
    const std::int32_t tried = model().shown().legal.back();
    ASSERT_TRUE(model().play(tried));
    const QString line = QString::fromLatin1(Game.substr(0, 10).data(), 10) + QString::fromStdString(cellName(tried));
    QClipboard& clipboard = *QApplication::clipboard();
    for (QWidget* focus : {static_cast<QWidget*>(&window->board()), static_cast<QWidget*>(&window->moveList())}) {
        clipboard.clear();
        press(focus, Qt::Key_C, Qt::ControlModifier);
        EXPECT_EQ(clipboard.text(), line) << focus->accessibleName().toStdString();
    }
    recordField()->setFocus();
    recordField()->selectAll();
    press(recordField(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(clipboard.text(), model().record());
    ASSERT_TRUE(window->takeRecord(QStringLiteral("a2a1")));
    clipboard.setText(QStringLiteral("c4"));
    press(recordField(), Qt::Key_End);
    press(recordField(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(model().record(), QStringLiteral("a2a1c4"));

    // The picture at the game's size, as the board shows it; a file that cannot be written is said.
    const QImage picture = window->board().picture();
    EXPECT_EQ(picture.size(), QSize(BoardMargin + 4 * CellSize, BoardMargin + 4 * CellSize));
    press(&window->board(), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(clipboard.image().convertToFormat(QImage::Format_RGB32), picture);
    QTemporaryDir folder;
    EXPECT_TRUE(window->saveBoardPicture(folder.filePath(QStringLiteral("nordamo-03.png"))));
    EXPECT_EQ(QImage(folder.filePath(QStringLiteral("nordamo-03.png"))).convertToFormat(QImage::Format_RGB32), picture);
    const QString nowhere = folder.filePath(QStringLiteral("missing/nordamo-03.png"));
    EXPECT_FALSE(window->saveBoardPicture(nowhere));
    EXPECT_TRUE(window->findChild<QLabel*>(QStringLiteral("complaint"))->text().contains(nowhere));

    for (const Qt::Key key : {Qt::Key_W, Qt::Key_Q}) {
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        press(&window->board(), key, Qt::ControlModifier);
        EXPECT_FALSE(window->isVisible()) << char(key);
    }
}

// On a screen of 1280 x 720 the window opens wholly on it; made 1920 x 1200 its board is drawn
// larger; made as small as it goes its parts still stand apart.
TEST_F(ReviewWindowTest, FitsTheScreenAndGrowsWithIt)
{
    const QRect room = window->screen()->availableGeometry();
    ASSERT_EQ(room.size(), QSize(1280, 720));
    EXPECT_TRUE(room.contains(window->frameGeometry())) << window->frameGeometry().width() << "x" << window->frameGeometry().height();
    const int opening = greenWidth(window->board());

    window->resize(1920, 1200);
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->size() == QSize(1920, 1200); }));
    EXPECT_GT(greenWidth(window->board()), opening * 3 / 2);

    window->resize(1, 1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->size() == window->minimumSize(); }));
    const std::vector<QWidget*> parts = {recordField(), &window->board(), &window->moveList(), window->findChild<LeadGraph*>(),
                                         window->findChild<QPushButton*>()};
    for (QWidget* part : parts) {
        const QRect place(part->mapTo(window.get(), QPoint()), part->size());
        EXPECT_TRUE(window->rect().contains(place)) << part->metaObject()->className();
        for (QWidget* other : parts) {
            if (other == part) continue;
            EXPECT_FALSE(place.intersects(QRect(other->mapTo(window.get(), QPoint()), other->size())));
        }
    }
}

// What a screen reader is told, whatever has the focus: each step with the analysis's values,
// the cursor cell, the variation played, taken back and left, the result, a refused record, and
// the move list's cells with their column's name.
TEST_F(ReviewWindowTest, TellsAReaderEveryStepWithItsValues)
{
    const std::vector<ReviewedMove> expected = analysedMoves(Game);
    ASSERT_TRUE(window->takeRecord(gameRecord()));
    ASSERT_TRUE(QTest::qWaitFor([this] { return gameSolved(); }, 120'000));
    // A record taken is told once the typing pauses.
    EXPECT_TRUE(QTest::qWaitFor([this] { return newlyTold().value(0).startsWith(QStringLiteral("24手の棋譜です。開始。黒のばん。最善 ")); }));
    QWidget* board = &window->board();
    board->setFocus();

    // 1. Every step with → from the board: the move, whose turn, the best moves, or the result.
    for (std::int32_t number = 1; number <= model().moveCount(); ++number) {
        SCOPED_TRACE(number);
        press(board, Qt::Key_Right);
        const QStringList told = newlyTold();
        ASSERT_EQ(told.size(), 1);
        const std::string_view cell = Game.substr(2 * (number - 1), 2);
        EXPECT_TRUE(told[0].startsWith(moveTold(number, model().gamePosition(number - 1).mover, cell, expected[number - 1]) + u'。'))
            << told[0].toStdString();
        if (number == model().moveCount()) EXPECT_TRUE(told[0].endsWith(QStringLiteral("。終局 黒16 白0、黒の16石がちです")));
        else expectBestMovesTold(told[0], analysedValues(Game.substr(0, 2 * number)));
    }
    press(board, Qt::Key_Home);
    EXPECT_EQ(newlyTold().value(0).section(u'。', 0, 1), QStringLiteral("開始。黒のばん"));

    // 2. At move 4: the cursor's cell, a variation of two moves, one taken back, and the game.
    for (int i = 0; i < 3; ++i) press(board, Qt::Key_Right);
    const QString atMove4 = newlyTold().value(2);
    const std::map<std::int32_t, std::int32_t> values = analysedValues(Game.substr(0, 6));
    press(board, Qt::Key_Down);
    const std::int32_t tried = window->board().cursorCell();
    EXPECT_EQ(newlyTold(), QStringList{model().cellText(tried)});
    press(board, Qt::Key_Return);
    const std::int32_t best = std::ranges::max(values | std::views::values);
    const QString variation = QStringLiteral("変化 ") + moveTold(4, WHITE, cellName(tried), {values.at(tried), best});
    EXPECT_TRUE(newlyTold().value(0).startsWith(variation + QStringLiteral("。黒のばん。最善 "))) << variation.toStdString();
    press(board, Qt::Key_Return);
    EXPECT_TRUE(QTest::qWaitFor([this] { return model().valuesOf(model().shown()) != nullptr; }, 120'000));
    const QString second = newlyTold().join(u'。');
    EXPECT_TRUE(second.startsWith(QStringLiteral("変化 5手目 黒 ")) && second.contains(QStringLiteral("最善 "))) << second.toStdString();
    press(board, Qt::Key_Left);
    EXPECT_TRUE(newlyTold().value(0).startsWith(QStringLiteral("1手もどしました。") + variation));
    press(board, Qt::Key_Escape);
    EXPECT_EQ(newlyTold(), QStringList{QStringLiteral("本譜にもどりました。") + atMove4});
    press(board, Qt::Key_Escape);
    EXPECT_EQ(newlyTold(), QStringList{QStringLiteral("本譜です。") + atMove4});

    // 3. A refused record is told once the typing pauses; the move list names each cell's column.
    window->takeRecord(QStringLiteral("a2a1d9"));
    EXPECT_TRUE(QTest::qWaitFor([this] { return newlyTold() == QStringList{QStringLiteral("3手目「d9」: マスは a〜d と 1〜4 で書きます")}; }));
    QAccessibleTableInterface* list = QAccessible::queryAccessibleInterface(&window->moveList())->tableInterface();
    EXPECT_EQ(list->cellAt(3, 3)->text(QAccessible::Name), QStringLiteral("評価 %1").arg(expected[2].value));
    EXPECT_EQ(list->cellAt(3, 5)->text(QAccessible::Name), QStringLiteral("損 2 ?!"));
}

}  // namespace
