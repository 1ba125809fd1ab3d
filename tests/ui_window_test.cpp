#include "clickable_picture.h"
#include "clock_seed.h"
#include "opening_book.h"
#include "played_move.h"
#include "radio_group.h"
#include "shape.h"
#include "window_fixture.h"

#include <QApplication>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTextBlock>
#include <QTextLayout>

#include <algorithm>
#include <vector>

namespace {

struct LaidOut {
    const char* name;
    QRect geometry;
    QString text;     // caption, label or field text; "" for pictures and shapes
    int pixelSize;    // of the control's font
    bool bold;
    bool shownAtStart;
};

const std::vector<LaidOut> Layout = {
    {"Image2", {552, 204, 124, 76}, "", 12, false, true},
    {"Image15", {622, 352, 100, 63}, "", 12, false, true},
    {"Label17", {0, 424, 78, 15}, QStringLiteral("棋譜です⇒"), 15, true, true},
    {"Shape2", {24, 536, 561, 169}, "", 12, false, true},
    {"Label1", {480, 64, 133, 16}, QStringLiteral("人 対 コンピュータ"), 16, true, true},
    {"Image5", {129, 121, 95, 95}, "", 12, false, false},
    {"Image6", {344, 64, 95, 95}, "", 12, false, false},
    {"Shape1", {552, 288, 67, 65}, "", 12, false, false},
    {"Edit1", {448, 368, 169, 24}, "", 16, true, true},
    {"Memo1", {80, 424, 561, 49}, QStringLiteral("Memo1"), 12, false, true},
    {"RadioGroup1", {488, 96, 105, 105}, QStringLiteral("先手？後手？"), 13, true, true},
    {"RadioGroup2", {592, 96, 137, 105}, QStringLiteral("コンピュータのつよさ"), 13, true, true},
    {"Button1", {640, 208, 75, 25}, QStringLiteral("OK"), 12, false, true},
};

QString textOf(const QWidget* control)
{
    if (auto* label = qobject_cast<const QLabel*>(control)) return label->text();
    if (auto* field = qobject_cast<const QLineEdit*>(control)) return field->text();
    if (auto* memo = qobject_cast<const QPlainTextEdit*>(control)) return memo->toPlainText();
    if (auto* group = qobject_cast<const QGroupBox*>(control)) return group->title();
    if (auto* button = qobject_cast<const QPushButton*>(control)) return button->text();
    return {};
}

QStringList itemTexts(const RadioGroup* group)
{
    QStringList texts;
    for (const QRadioButton* item : group->findChildren<QRadioButton*>()) texts << item->text();
    return texts;
}

bool isJapaneseGothic(const QFont& font)
{
    static const QStringList gothics = {QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("MS PGothic"),
                                        QStringLiteral("IPAPGothic"), QStringLiteral("Noto Sans CJK JP")};
    return gothics.contains(QFontInfo(font).family());
}

}  // namespace

TEST_F(WindowTest, TheWindowItself)
{
    EXPECT_EQ(form->windowTitle(), QStringLiteral("ノルダモ"));
    EXPECT_EQ(form->size(), QSize(773, 477));
    EXPECT_EQ(form->minimumSize(), form->maximumSize()) << "the user cannot resize it";
    EXPECT_EQ(form->pos(), QPoint(283, 185));
    EXPECT_TRUE(isJapaneseGothic(form->font())) << QFontInfo(form->font()).family().toStdString();
    EXPECT_EQ(form->font().pixelSize(), 12);
    EXPECT_FALSE(form->font().bold());
    for (int size : {16, 24, 32}) EXPECT_TRUE(form->windowIcon().availableSizes().contains(QSize(size, size))) << size;

    const QImage shown = picture();
    for (QPoint free : {QPoint(700, 20), QPoint(430, 300), QPoint(760, 470)})
        EXPECT_EQ(shown.pixelColor(free), QColor(255, 255, 0)) << free.x() << "," << free.y();
}

TEST_F(WindowTest, ControlsAsLaidOut)
{
    showWindow();
    for (const LaidOut& expected : Layout) {
        SCOPED_TRACE(expected.name);
        QWidget* shown = control(expected.name);
        ASSERT_NE(shown, nullptr);
        EXPECT_EQ(shown->parentWidget(), form.get());
        EXPECT_EQ(shown->geometry(), expected.geometry);
        EXPECT_EQ(textOf(shown), expected.text);
        EXPECT_EQ(shown->font().pixelSize(), expected.pixelSize);
        EXPECT_EQ(shown->font().bold(), expected.bold);
        EXPECT_TRUE(isJapaneseGothic(shown->font()));
        EXPECT_EQ(shown->isVisible(), expected.shownAtStart);
    }
    EXPECT_EQ(form->Button1, control("Button1"));
    EXPECT_EQ(form->Shape1, control("Shape1"));
    EXPECT_THAT(itemTexts(form->RadioGroup1), ::testing::ElementsAre("先手（黒）", "後手（白）"));
    EXPECT_THAT(itemTexts(form->RadioGroup2), ::testing::ElementsAre("よわい", "つよい"));
}

TEST_F(WindowTest, InitialState)
{
    showWindow();
    EXPECT_EQ(form->Memo1->toPlainText(), QStringLiteral("Memo1"));
    EXPECT_TRUE(form->Edit1->text().isEmpty());
    EXPECT_FALSE(form->Edit1->isReadOnly());
    EXPECT_FALSE(form->Memo1->isReadOnly());
    for (RadioGroup* group : {form->RadioGroup1, form->RadioGroup2}) {
        EXPECT_TRUE(group->isEnabled());
        EXPECT_EQ(group->itemIndex(), 0);
    }

    // Shape2 lies wholly below the client area: never seen, whatever else is shown.
    EXPECT_FALSE(form->rect().intersects(form->Shape2->geometry()));
    EXPECT_TRUE(form->Shape2->visibleRegion().isEmpty());
    for (QWidget* overBoard : std::initializer_list<QWidget*>{form->Image5, form->Image6, form->Shape1}) {
        EXPECT_TRUE(overBoard->isHidden());
        EXPECT_TRUE(overBoard->testAttribute(Qt::WA_TransparentForMouseEvents));
    }
}

TEST_F(WindowTest, CreationSetsUpTheGameStateWithoutACandidateList)
{
    State.Board[12] = {BLACK, BLACK};
    State.JournalTop = 9;
    State.Score[0] = 5;
    form = std::make_unique<TForm1>();
    for (std::int32_t i = 0; i < CellCount; ++i) {
        EXPECT_EQ(State.Board[i].Lower, InitialBoard[i]) << i;
        EXPECT_EQ(State.Board[i].Upper, EMPTY) << i;
    }
    EXPECT_EQ(State.JournalTop, 0);
    EXPECT_EQ(State.Score[0], 0);
    EXPECT_EQ(State.CellDirections[6][0], 1);
    EXPECT_EQ(State.CandidateCount, 0);
    EXPECT_EQ(State.HumanColour, 0);
}

TEST_F(WindowTest, CreationLoadsTheOpeningBook)
{
    EXPECT_EQ(State.BookText.size(), 21081u);
    EXPECT_EQ(State.BookTable[0][0], 4) << "entry 0 answers at move 4";
    ASSERT_TRUE(replayRecord(parseRecord("d3d2"), WHITE));
    EXPECT_EQ(cellName(bookLookup()), "a1") << "entry 4 under the half turn";
}

TEST_F(WindowTest, ButtonTakesTheClicksOnTheCornerOfThePromptAndClicksPassThroughTheAnimation)
{
    showWindow();
    EXPECT_EQ(form->childAt(650, 215), form->Button1);
    EXPECT_EQ(form->childAt(560, 270), form->Image2);

    // Shown over the board, the marker and the flip pictures leave a click to the window.
    form->Shape1->move(34 + 15, 34 + 8);
    form->Image5->move(129, 129);
    form->Image6->move(224, 224);
    for (QWidget* overBoard : std::initializer_list<QWidget*>{form->Shape1, form->Image5, form->Image6}) overBoard->show();
    for (QPoint onBoard : {QPoint(80, 80), QPoint(176, 176), QPoint(271, 271)}) EXPECT_EQ(form->childAt(onBoard), nullptr);
}

TEST_F(WindowTest, TabOrderStartsAtTheButton)
{
    const std::vector<QWidget*> expected = {form->Button1, control("BoardControl"), control("Image15"), form->Edit1,
                                            form->Memo1,   form->RadioGroup1,       form->RadioGroup2};
    std::vector<QWidget*> order;
    QWidget* w = form->Button1;
    for (int step = 0; step < 100 && order.size() < 2 * expected.size(); ++step, w = w->nextInFocusChain()) {
        if (!(w->focusPolicy() & Qt::TabFocus)) continue;
        ASSERT_TRUE(std::any_of(expected.begin(), expected.end(), [w](QWidget* c) { return w == c || c->isAncestorOf(w); }))
            << "nothing else is reached by Tab";
        for (QWidget* control : expected)
            if ((w == control || control->isAncestorOf(w)) && (order.empty() || order.back() != control))
                order.push_back(control);
    }
    const auto once = static_cast<std::ptrdiff_t>(expected.size());
    EXPECT_EQ(std::vector(order.begin(), order.begin() + once), expected);
    EXPECT_EQ(std::vector(order.begin() + once, order.end()), expected) << "and round again";
    showWindow();
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    EXPECT_EQ(QApplication::focusWidget(), form->Button1) << "focused when the window opens";
    EXPECT_TRUE(form->Memo1->tabChangesFocus()) << "Tab leaves the record field instead of being typed into it";
}

TEST_F(WindowTest, RecordFieldWrapsAtItsRightEdgeWithoutScrollBars)
{
    showWindow();
    EXPECT_EQ(form->Memo1->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_EQ(form->Memo1->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    form->Memo1->setPlainText(QString(QStringLiteral("a1b2c3d4")).repeated(14));  // a whole game's record
    QCoreApplication::processEvents();
    const QTextLayout* layout = form->Memo1->document()->firstBlock().layout();
    EXPECT_GT(layout->lineCount(), 1);
    EXPECT_LE(layout->boundingRect().width(), form->Memo1->viewport()->width());
}

TEST(RadioGroup, SelectsOneItemAndIsEnabledAsAWhole)
{
    RadioGroup group(QStringLiteral("caption"), {QStringLiteral("one"), QStringLiteral("two")}, nullptr);
    EXPECT_EQ(group.title(), QStringLiteral("caption"));
    EXPECT_EQ(group.itemIndex(), -1) << "nothing is selected until an item is";
    group.setItemIndex(1);
    EXPECT_EQ(group.itemIndex(), 1);
    group.setItemIndex(0);
    EXPECT_EQ(group.itemIndex(), 0);

    const auto items = group.findChildren<QRadioButton*>();
    ASSERT_EQ(items.size(), 2);
    EXPECT_FALSE(items[1]->isChecked());
    items[1]->click();
    EXPECT_EQ(group.itemIndex(), 1);
    group.setEnabled(false);
    for (const QRadioButton* item : items) EXPECT_FALSE(item->isEnabled());
    group.setEnabled(true);
    for (const QRadioButton* item : items) EXPECT_TRUE(item->isEnabled());
}

TEST_F(WindowTest, RestartPictureIsClickedByALeftClickInsideIt)
{
    showWindow();
    auto* restart = control<ClickablePicture>("Image15");
    ASSERT_NE(restart, nullptr);
    QSignalSpy clicks(restart, &ClickablePicture::clicked);
    QTest::mouseClick(restart, Qt::LeftButton, {}, QPoint(50, 30));
    EXPECT_EQ(clicks.count(), 1);
    QTest::mouseClick(restart, Qt::RightButton, {}, QPoint(50, 30));
    EXPECT_EQ(clicks.count(), 1);
    QTest::mousePress(restart, Qt::LeftButton, {}, QPoint(50, 30));
    QTest::mouseRelease(restart, Qt::LeftButton, {}, QPoint(150, 30));
    EXPECT_EQ(clicks.count(), 1) << "released outside the picture";
}

TEST(ClockSeed, MillisecondsSinceMidnightUtc)
{
    using namespace std::chrono;
    const auto day = sys_days{year{2024} / March / 9};
    EXPECT_EQ(millisecondsSinceMidnightUtc(day), 0u);
    EXPECT_EQ(millisecondsSinceMidnightUtc(day + hours{13} + minutes{45} + seconds{10} + milliseconds{250}),
              ((13u * 60 + 45) * 60 + 10) * 1000 + 250);
    EXPECT_EQ(millisecondsSinceMidnightUtc(day + days{1} - milliseconds{1}), 86'399'999u);
}
