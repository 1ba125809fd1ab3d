// The board and the restart picture as the keyboard and a screen reader find them: the cursor's
// frame in the drawing, and the accessible tree that Qt hands to AT-SPI.
#include "game_window_fixture.h"
#include "shape.h"
#include "state_fixture.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include <set>

namespace {

const QColor FrameYellow(255, 255, 0);

// How far a point lies inside the frame of the cell, 0 on its outer line; -1 outside the cell's
// inside, within the grid lines.
int frameDepth(QPoint at, std::int32_t cell)
{
    const QRect inside(cellCentre(cell) - QPoint(CellSize / 2 - 1, CellSize / 2 - 1), QSize(CellSize - 1, CellSize - 1));
    if (!inside.contains(at)) return -1;
    return std::min({at.x() - inside.left(), inside.right() - at.x(), at.y() - inside.top(), inside.bottom() - at.y()});
}

// The picture is before with the cursor frame around cell drawn over it, and nothing else changed:
// three yellow lines inside the grid lines, then a black one.
void expectFrameOnly(const QImage& before, const QImage& after, std::int32_t cell)
{
    int differing = 0;
    for (int y = 0; y < before.height(); ++y) {
        for (int x = 0; x < before.width(); ++x) {
            const int depth = frameDepth({x, y}, cell);
            const QColor expected = depth < 0 || depth > 3 ? before.pixelColor(x, y) : depth < 3 ? FrameYellow : Black;
            if (after.pixelColor(x, y) != expected && ++differing <= 5)
                ADD_FAILURE() << cellName(cell) << " at " << x << "," << y << " depth " << depth;
        }
    }
    EXPECT_EQ(differing, 0);
}

QAccessibleInterface* accessibleChild(QAccessibleInterface* parent, QAccessible::Role role)
{
    for (int i = 0; i < parent->childCount(); ++i)
        if (QAccessibleInterface* child = parent->child(i); child->role() == role) return child;
    return nullptr;
}

// The names of the 16 cells, a row of the board to a line.
std::vector<QString> cellNames(QAccessibleTableInterface* table)
{
    std::vector<QString> names;
    for (int row = 0; row < 4; ++row)
        for (int column = 0; column < 4; ++column) names.push_back(table->cellAt(row, column)->text(QAccessible::Name));
    return names;
}

}  // namespace

TEST_F(GameTest, TheCursorFrameIsDrawnOnlyAfterAnArrowKeyAndGoesWithTheMouse)
{
    activateWindow();
    choose(0, 0);
    pressOk();
    const QImage started = picture();

    // The board has the focus; Return and Space on a1, where black may not play, are refused
    // without a word, and Tab to the restart picture and back leaves the board as it was. The
    // picture shows its focus in its frame alone.
    ASSERT_EQ(QApplication::focusWidget(), board());
    pressKey(Qt::Key_Return);
    pressKey(Qt::Key_Space);
    EXPECT_EQ(record(), QString());
    pressKey(Qt::Key_Tab);
    const QImage restartFocused = picture();
    const QRect restart = control("Image15")->geometry();
    for (int y = 0; y < started.height(); ++y) {
        for (int x = 0; x < started.width(); ++x) {
            const bool onFrame = restart.contains(x, y) && !restart.adjusted(3, 3, -3, -3).contains(x, y);
            const QColor expected = onFrame ? form->palette().color(QPalette::Highlight) : started.pixelColor(x, y);
            ASSERT_EQ(restartFocused.pixelColor(x, y), expected) << x << "," << y;
        }
    }
    pressKey(Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_TRUE(picture() == started);

    // An arrow shows the frame; the mouse on the board takes it away, a click that is ignored
    // as well as one that plays; the cursor stays where the keys left it.
    pressKey(Qt::Key_Right);
    expectFrameOnly(started, picture(), cellIndex("b1"));
    click(cellCentre(cellIndex("a1")));
    EXPECT_TRUE(picture() == started);
    pressKey(Qt::Key_Right);
    expectFrameOnly(started, picture(), cellIndex("c1"));
    pressKey(Qt::Key_Down);
    const QImage beforeClick = picture();
    EXPECT_FALSE(beforeClick == started);
    click(cellCentre(cellIndex("a2")));
    EXPECT_EQ(record().left(2), QStringLiteral("a2"));
    pressKey(Qt::Key_Left);
    EXPECT_EQ(board()->cursorCell(), cellIndex("b2")) << "from c2, where the keys left it";

    // A new game puts the cursor back at a1 and away.
    clickRestart();
    pressOk();
    EXPECT_TRUE(picture() == started);
    pressKey(Qt::Key_Down);
    expectFrameOnly(started, picture(), cellIndex("a2"));
}

TEST_F(GameTest, ScreenReadersFindTheBoardAsATableOfNamedCellsWithTheCursorCellFocused)
{
    activateWindow();
    choose(0, 0);
    pressOk();
    setBoard({"bw  ..  ..  ..",
              "..  w.  b.  ..",
              "..  b.  wb  ..",
              "..  ..  ..  .."}, BLACK);

    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(form.get());
    QAccessibleInterface* board = accessibleChild(window, QAccessible::Table);
    ASSERT_NE(board, nullptr);
    EXPECT_EQ(board->text(QAccessible::Name), QStringLiteral("盤"));
    EXPECT_EQ(board->parent(), window);
    QAccessibleTableInterface* table = board->tableInterface();
    ASSERT_NE(table, nullptr);
    ASSERT_EQ(board->childCount(), 16);
    EXPECT_EQ(table->rowCount(), 4);
    EXPECT_EQ(table->columnCount(), 4);
    EXPECT_EQ(table->columnDescription(2), QStringLiteral("c"));
    EXPECT_EQ(table->rowDescription(2), QStringLiteral("3"));
    EXPECT_THAT(cellNames(table), ::testing::ElementsAre(                                                   //
                                      "a1 白（下に黒）", "b1 空き", "c1 空き", "d1 空き",                   //
                                      "a2 空き", "b2 白", "c2 黒", "d2 空き",                               //
                                      "a3 空き", "b3 黒", "c3 黒（下に白）", "d3 空き",                     //
                                      "a4 空き", "b4 空き", "c4 空き", "d4 空き"));

    // Each cell knows its place in the table and on the screen; the cursor cell is the focused one.
    QAccessibleInterface* a2 = table->cellAt(1, 0);
    EXPECT_EQ(a2->role(), QAccessible::Cell);
    EXPECT_EQ(a2->parent(), board);
    EXPECT_EQ(board->indexOfChild(a2), 4);
    EXPECT_EQ(a2->tableCellInterface()->rowIndex(), 1);
    EXPECT_EQ(a2->tableCellInterface()->columnIndex(), 0);
    EXPECT_EQ(a2->rect(), QRect(form->mapToGlobal(QPoint(35, 130)), QSize(95, 95))) << "where a click plays a2";
    EXPECT_EQ(board->childAt(a2->rect().center().x(), a2->rect().center().y()), a2);
    EXPECT_EQ(board->focusChild(), table->cellAt(0, 0));
    EXPECT_TRUE(table->cellAt(0, 0)->state().focused);
    pressKey(Qt::Key_Down);
    EXPECT_EQ(board->focusChild(), a2);
    EXPECT_TRUE(a2->state().focused);
    EXPECT_FALSE(table->cellAt(0, 0)->state().focused);

    // The names after the person's move, as the computer's turn starts, and the status line's
    // texts as the notification carries them.
    std::vector<QAccessibleInterface*> notifications;
    for (int i = 0; i < window->childCount(); ++i)
        if (window->child(i)->role() == QAccessible::Notification) notifications.push_back(window->child(i));
    ASSERT_EQ(notifications.size(), 2u);
    const auto announced = [&] {
        std::set<QString> texts;
        for (QAccessibleInterface* notification : notifications) texts.insert(notification->text(QAccessible::Name));
        return texts;
    };
    EXPECT_TRUE(announced().contains(PersonToMoveText));
    std::vector<QString> namesAfterMove;
    std::set<QString> announcedDuringTurn;
    game().onPause = [&](std::int32_t count) {
        if (count != 200) return;
        namesAfterMove = cellNames(table);
        announcedDuringTurn = announced();
    };
    pressKey(Qt::Key_Return);
    EXPECT_THAT(namesAfterMove, ::testing::ElementsAre(                                                     //
                                    "a1 白（下に黒）", "b1 空き", "c1 空き", "d1 空き",                     //
                                    "a2 黒", "b2 黒", "c2 黒", "d2 空き",                                   //
                                    "a3 空き", "b3 黒", "c3 黒（下に白）", "d3 空き",                       //
                                    "a4 空き", "b4 空き", "c4 空き", "d4 空き"));
    EXPECT_TRUE(announcedDuringTurn.contains(QStringLiteral("コンピュータのばんです")));
    // A reader asks for the texts only now that the handler is over: both are still there.
    EXPECT_EQ(announced(), (std::set<QString>{QStringLiteral("コンピュータのばんです"), PersonToMoveText}));
    EXPECT_EQ(record().size(), 4) << "the computer answered";
    EXPECT_TRUE(a2->state().focused) << "the board keeps the focus after the computer's answer";
}

TEST_F(GameTest, TheRestartPictureIsAButtonForScreenReadersThatNoMessageLetsThrough)
{
    const std::vector<std::pair<QWidget*, QString>> names = {
        {form->Memo1, QStringLiteral("棋譜")},
        {form->Edit1, QStringLiteral("おしらせ")},
        {form->Image2, QStringLiteral("これでよければ[OK]をおしてね")},
        {control("Image15"), QStringLiteral("さいしょから やりなおす")},
        {form->Image5, QStringLiteral("うらがえる黒の石")},
        {form->Image6, QStringLiteral("うらがえる白の石")},
        {form->Shape1, QStringLiteral("うったばしょ")},
    };
    for (const auto& [named, name] : names) EXPECT_EQ(QAccessible::queryAccessibleInterface(named)->text(QAccessible::Name), name);

    QAccessibleInterface* restart = QAccessible::queryAccessibleInterface(control("Image15"));
    EXPECT_EQ(restart->role(), QAccessible::Button);
    QAccessibleActionInterface* actions = restart->actionInterface();
    ASSERT_NE(actions, nullptr);
    EXPECT_TRUE(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));

    // While the computer's pass is announced the press changes nothing, as a click would not;
    // afterwards it abandons the game.
    choose(0, 0);
    pressOk();
    ASSERT_TRUE(replayRecord(cells("b1a3d4d3d2c1"), BLACK));
    answerer.whileOpen = [&] {
        actions->doAction(QAccessibleActionInterface::pressAction());
        return true;
    };
    click(cellCentre(cellIndex("d1")));
    ASSERT_EQ(answerer.textsSince(0), std::vector<QString>{ComputerPassesText});
    EXPECT_TRUE(form->Button1->isHidden()) << "the game goes on";
    EXPECT_EQ(State.Ply, 8);
    actions->doAction(QAccessibleActionInterface::pressAction());
    expectWaitingForOk();
}
