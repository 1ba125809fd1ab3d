// A game from the OK button to its end: the start, the person's clicks, the computer's turn.
#include "accessibility.h"
#include "board_control.h"
#include "board_drawing.h"
#include "legality.h"
#include "message_box.h"
#include "played_move.h"
#include "radio_group.h"
#include "status_announcement.h"
#include "tform1.h"

#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

constexpr std::string_view ComputerPasses = "コンピュータはパスです";

QString fromUtf8(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

}  // namespace

void TForm1::Button1Click()
{
    // 1.-2. A fresh record, the keyboard's cursor back at a1 and put away, and the choices fixed
    //       for the length of the game.
    Memo1->clear();
    boardControl->resetCursor();
    RadioGroup1->setEnabled(false);
    RadioGroup2->setEnabled(false);

    // 3.-5. The start position, the colours, move 1 and all 16 cells listed; then the person's
    //       prompt, or the computer's first move while the button and the picture still show.
    startGame(RadioGroup1->itemIndex() == 0 ? BLACK : WHITE);
    if (State.HumanColour == BLACK)
        setStatus(PersonToMove);
    else
        Com_Utu();

    // 6. The game runs from here on. The board takes the focus from the button first, so that
    //    it does not pass on to the status line and select its text.
    boardControl->setFocus();
    Image2->hide();
    Button1->hide();
}

void TForm1::Com_Utu()
{
    ::Com_Utu(*this);
    // The person is to move, unless the game is over: the keys play on the board.
    if (Button1->isHidden()) boardControl->setFocus();
}

void TForm1::mousePressEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    if (boardControl->geometry().contains(at)) boardControl->hideCursor();
    FormMouseDown(event->button(), event->modifiers(), at.x(), at.y());
}

void TForm1::FormMouseDown(Qt::MouseButton /*button*/, Qt::KeyboardModifiers /*shift*/, int x, int y)
{
    // 1. No game runs while the OK button is shown.
    if (!Button1->isHidden()) return;

    // 2.-4. The cell under the click, if the person may play there.
    const std::int32_t cell = cellAtPoint({x, y});
    if (cell == 0 || !Sokouteruka(State.HumanColour, cell)) return;

    // 5.-6. The move, and the next one listed; a refused move leaves the game where it was.
    if (!Jissai_Sokoutu(State.HumanColour, cell)) return;
    ++State.Ply;
    Mazu_Yusen();
    Edit1->clear();
    repaint();

    // 7.-9. The computer answers, or passes, or the game is over.
    if (UterukaC())
        Com_Utu();
    else if (UterukaM())
        (void)showMessage(ComputerPasses);  // the handler ends here either way
    else
        Kekka();
}

void TForm1::setStatus(std::string_view text)
{
    Edit1->setText(fromUtf8(text));
    // On the screen at once: the computer's pause and search follow without an event loop.
    Edit1->repaint();
    statusAnnouncements->announce(Edit1->text());
}

std::int32_t TForm1::strength() const { return RadioGroup2->itemIndex(); }

bool TForm1::showMessage(std::string_view text) { return showCentredMessage(fromUtf8(text), this); }
