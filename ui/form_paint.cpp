// The window painted: the board of the game state, the keyboard's cursor, and the wipe of its cells.
#include "board_control.h"
#include "board_drawing.h"
#include "tform1.h"

#include <QPainter>

void TForm1::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    FormPaint(painter);
    if (boardControl->isCursorShown()) drawCursorFrame(painter, boardControl->cursorCell());
    if (cellsWiped) drawWipedCells(painter);
}

void TForm1::FormPaint(QPainter& painter) const
{
    drawBoard(painter, State.Board, font(), palette().color(QPalette::WindowText));
}

void TForm1::ALLMarukesi()
{
    // 1.-2. The cells painted over with green circles, on the screen at once.
    cellsWiped = true;
    repaint();
    cellsWiped = false;

    // 3. The board of the game state as it now stands, in their place.
    repaint();
}
