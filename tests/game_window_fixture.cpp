#include "game_window_fixture.h"

#include "board_drawing.h"
#include "invariants.h"
#include "radio_group.h"
#include "random_cell.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

MessageAnswerer::MessageAnswerer()
{
    // A timer of no interval fires only where an event loop runs: in the box's own.
    connect(&timer, &QTimer::timeout, this, &MessageAnswerer::answer);
    timer.start(0);
}

void MessageAnswerer::answer()
{
    QMessageBox* box = nullptr;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (auto* shown = qobject_cast<QMessageBox*>(window); shown != nullptr && shown->isVisible()) box = shown;
    if (box == nullptr || box == leftOpen) return;
    answered.push_back({box->text(), box->windowTitle(), box->icon(), box->standardButtons(), box->buttons().size(),
                        box->frameGeometry().center(), box->screen()->availableGeometry().center(), topDiscLead()});
    if (whileOpen && !whileOpen()) {
        leftOpen = box;
        return;
    }
    if (byKeys)
        QTest::keyClick(box->windowHandle(), Qt::Key_Return);
    else if (QAbstractButton* ok = box->button(QMessageBox::Ok))
        ok->click();
    else
        box->done(0);
}

std::vector<QString> MessageAnswerer::textsSince(std::size_t first) const
{
    std::vector<QString> texts;
    for (std::size_t i = first; i < answered.size(); ++i) texts.push_back(answered[i].text);
    return texts;
}

void WatchedForm::Matu(std::int32_t count)
{
    if (onPause) onPause(count);
    TForm1::Matu(count);
}

bool WatchedForm::Jissai_Sokoutu(Colour colour, std::int32_t cell)
{
    return !refuseMoves && TForm1::Jissai_Sokoutu(colour, cell);
}

QString resultText(std::int32_t comLead)
{
    if (comLead > 0) return QStringLiteral("コンピュータの%1石がちです").arg(comLead);
    if (comLead < 0) return QStringLiteral("あなたの%1石がちです").arg(-comLead);
    return QStringLiteral("ひきわけです");
}

void GameTest::SetUp()
{
    WindowTest::SetUp();
    auto form2 = std::make_unique<WatchedForm>();
    watched = form2.get();
    form = std::move(form2);
    form->pauseLength = std::chrono::milliseconds{0};
    seedRandom(1);  // the computer's random moves the same in every run, not the clock's
    showWindow();
}

void GameTest::click(QPoint at, Qt::MouseButton button) { QTest::mouseClick(form->windowHandle(), button, {}, at); }

void GameTest::clickCell(std::int32_t cell) { click(cellCentre(cell)); }

void GameTest::pressOk() { click(form->Button1->geometry().center()); }

void GameTest::clickRestart() { click(control("Image15")->geometry().center()); }

void GameTest::choose(int colourItem, int strengthItem)
{
    for (auto [group, item] : {std::pair{form->RadioGroup1, colourItem}, {form->RadioGroup2, strengthItem}}) {
        QRadioButton* button = group->findChildren<QRadioButton*>().at(item);
        click(button->mapTo(form.get(), QPoint(8, button->height() / 2)));
        ASSERT_EQ(group->itemIndex(), item);
    }
}

void GameTest::pressKey(Qt::Key key, Qt::KeyboardModifiers modifiers) { QTest::keyClick(form->windowHandle(), key, modifiers); }

void GameTest::activateWindow()
{
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
}

BoardControl* GameTest::board() const { return control<BoardControl>("BoardControl"); }

QString GameTest::record() const { return form->Memo1->toPlainText(); }

QString GameTest::status() const { return form->Edit1->text(); }

void GameTest::expectWaitingForOk() const
{
    EXPECT_TRUE(form->Button1->isVisible());
    EXPECT_TRUE(form->Image2->isVisible());
    EXPECT_TRUE(form->RadioGroup1->isEnabled());
    EXPECT_TRUE(form->RadioGroup2->isEnabled());
    for (std::int32_t i = 0; i < CellCount; ++i) {
        EXPECT_EQ(State.Board[i].Lower, InitialBoard[i]) << i;
        EXPECT_EQ(State.Board[i].Upper, EMPTY) << i;
    }
    EXPECT_EQ(State.Ply, 1);
    EXPECT_EQ(State.JournalTop, 0);
    EXPECT_EQ(State.CandidateCount, 16);
    EXPECT_EQ(stateFault(), "");
}

QPoint cellCentre(std::int32_t cell) { return cellCorner(rowOf(cell), columnOf(cell)) + QPoint(CellSize / 2, CellSize / 2); }
