// The board and the restart picture as the keyboard and a screen reader find them: the cursor's
// frame in the drawing, and the accessible tree that Qt hands to AT-SPI.
#include "accessibility.h"
#include "game_window_fixture.h"
#include "shape.h"
#include "state_fixture.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include <algorithm>
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

// The names of the 16 cells, in the order of the list: row by row from a1.
std::vector<QString> cellNames(QAccessibleInterface* board)
{
    std::vector<QString> names;
    for (int i = 0; i < board->childCount(); ++i) names.push_back(board->child(i)->text(QAccessible::Name));
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

TEST_F(GameTest, ScreenReadersFindTheCellsAsAListAndHearEveryMoveARefusalAndTheRestart)
{
    activateWindow();
    choose(0, 1);
    pressOk();
    setBoard({"bw  ..  ..  ..",
              "..  w.  b.  ..",
              "..  b.  wb  ..",
              "..  ..  ..  .."}, BLACK);

    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(form.get());
    QAccessibleInterface* list = accessibleChild(window, QAccessible::List);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->text(QAccessible::Name), QStringLiteral("盤"));
    EXPECT_EQ(list->parent(), window);
    EXPECT_THAT(cellNames(list), ::testing::ElementsAre(                               //
                                      "a1 白、下は黒", "b1 空き", "c1 空き", "d1 空き", //
                                      "a2 空き", "b2 白", "c2 黒", "d2 空き",           //
                                      "a3 空き", "b3 黒", "c3 黒、下は白", "d3 空き",   //
                                      "a4 空き", "b4 空き", "c4 空き", "d4 空き"));

    // Each cell knows its place on the screen; the cursor cell is the focused one.
    QAccessibleInterface* a1 = list->child(0);
    QAccessibleInterface* a2 = list->child(4);
    EXPECT_EQ(a2->role(), QAccessible::ListItem);
    EXPECT_EQ(a2->parent(), list);
    EXPECT_EQ(list->indexOfChild(a2), 4);
    EXPECT_EQ(a2->rect(), QRect(form->mapToGlobal(QPoint(35, 130)), QSize(95, 95))) << "where a click plays a2";
    EXPECT_EQ(list->childAt(a2->rect().center().x(), a2->rect().center().y()), a2);
    EXPECT_EQ(list->focusChild(), a1);
    EXPECT_TRUE(a1->state().focused);
    pressKey(Qt::Key_Down);
    EXPECT_EQ(list->focusChild(), a2);
    EXPECT_TRUE(a2->state().focused);
    EXPECT_FALSE(a1->state().focused);

    // The person's move and the computer's answer: a reader asks for the texts only once the
    // handler is over, and then finds every text of the turn, each in a notification of its own.
    std::vector<QAccessibleInterface*> notifications;
    for (int i = 0; i < window->childCount(); ++i)
        if (window->child(i)->role() == QAccessible::Notification) notifications.push_back(window->child(i));
    const auto announced = [&] {
        std::set<QString> texts;
        for (QAccessibleInterface* notification : notifications) texts.insert(notification->text(QAccessible::Name));
        return texts;
    };
    std::set<QString> announcedWhileThinking;
    game().onPause = [&](std::int32_t count) {
        if (count == 200) announcedWhileThinking = announced();
    };
    pressKey(Qt::Key_Return);
    const QString personsMove = QStringLiteral("黒が a2 にうちました。b2 がかえりました");
    const QString thinking = QStringLiteral("コンピュータのばんです");
    EXPECT_TRUE(announcedWhileThinking.contains(personsMove) && announcedWhileThinking.contains(thinking));
    EXPECT_EQ(announced(), (std::set<QString>{personsMove, thinking, QStringLiteral("白が d4 にうちました。c3、b2 がかえりました"),
                                              PersonToMoveText}));
    EXPECT_TRUE(a2->state().focused) << "the board keeps the focus after the computer's answer";

    // Return on a cell that may not take a disc is answered; a click there stays silent.
    pressKey(Qt::Key_Up);
    pressKey(Qt::Key_Return);
    EXPECT_TRUE(announced().contains(QStringLiteral("そこにはうてません")));
    click(cellCentre(cellIndex("a1")));
    click(cellCentre(cellIndex("a1")));
    EXPECT_EQ(record().size(), 4);
    EXPECT_EQ(std::ranges::count(announced(), QStringLiteral("そこにはうてません")), 1);

    // The frame goes with the focus; the restart is told, and the keys go on at OK, which says
    // what game it starts.
    pressKey(Qt::Key_Down);
    EXPECT_TRUE(board()->isCursorShown());
    pressKey(Qt::Key_Tab);
    EXPECT_FALSE(board()->isCursorShown());
    EXPECT_NE(picture().pixelColor(cellCentre(cellIndex("a2")) - QPoint(CellSize / 2 - 1, 0)), FrameYellow);
    pressKey(Qt::Key_Space);
    EXPECT_TRUE(announced().contains(QStringLiteral("さいしょにもどりました")));
    EXPECT_TRUE(form->Button1->hasFocus());
    EXPECT_EQ(form->Button1->accessibleDescription(), QStringLiteral("黒で先手、コンピュータはつよい"));
    choose(1, 0);
    EXPECT_EQ(form->Button1->accessibleDescription(), QStringLiteral("白で後手、コンピュータはよわい"));
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

TEST_F(FreshState, AMoveIsToldFromTheJournalWhoPlayedItWhereAndWhichCellsTurned)
{
    const std::vector<std::pair<std::string_view, QString>> moves = {
        {"a2", QStringLiteral("黒が a2 にうちました。b2 がかえりました")},
        {"a2a1", QStringLiteral("白が a1 にうちました。b2 がかえりました")},
        // On its own disc.
        {"a2a1a2", QStringLiteral("黒が a2 にうちました。b2 がかえりました")},
        // White has passed: black moves twice running.
        {"b1a3d4d3d2c1d1a1", QStringLiteral("黒が a1 にうちました。b2、c3 がかえりました")},
    };
    for (const auto& [record, text] : moves) {
        ASSERT_TRUE(replayRecord(cells(record), BLACK)) << record;
        EXPECT_EQ(playedMoveText(State.Ply - 1), text) << record;
    }
}
