#include "board_control.h"

#include "board.h"

#include <QKeyEvent>

#include <algorithm>

namespace {

constexpr std::int32_t A1 = 6;

}  // namespace

BoardControl::BoardControl(QWidget* parent) : QWidget(parent), cursor(A1)
{
    setObjectName(QStringLiteral("BoardControl"));
    // A grid line belongs to the cell left of it or above it: the clicks on the board land on
    // 35..414 both ways.
    setGeometry(BoardMargin + 1, BoardMargin + 1, 4 * CellSize, 4 * CellSize);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    // Reached by Tab and given the focus by the game; a click leaves the focus where it was.
    setFocusPolicy(Qt::TabFocus);
    setAccessibleName(QStringLiteral("盤"));
}

void BoardControl::resetCursor()
{
    cursor = A1;
    hideCursor();
}

void BoardControl::hideCursor()
{
    if (!cursorShown) return;
    cursorShown = false;
    parentWidget()->update(geometry());
}

void BoardControl::keyPressEvent(QKeyEvent* event)
{
    std::int32_t row = rowOf(cursor), column = columnOf(cursor);
    switch (event->key()) {
    case Qt::Key_Left: column = std::max(column - 1, 1); break;
    case Qt::Key_Right: column = std::min(column + 1, 4); break;
    case Qt::Key_Up: row = std::max(row - 1, 1); break;
    case Qt::Key_Down: row = std::min(row + 1, 4); break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        // A held key is one press, as a held mouse button is one click.
        if (!event->isAutoRepeat()) emit cellChosen(cursor);
        return;
    default: QWidget::keyPressEvent(event); return;
    }
    // An arrow against the edge leaves the cursor where it is, and shows it all the same.
    cursor = cellOf(row, column);
    cursorShown = true;
    parentWidget()->update(geometry());
    emit cursorFocused();
}

void BoardControl::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    if (cursorShown) parentWidget()->update(geometry());
    // Qt reports the board itself as focused once this returns; the cursor cell follows, so that
    // it is the cell a screen reader takes as focused.
    QMetaObject::invokeMethod(this, &BoardControl::cursorFocused, Qt::QueuedConnection);
}

void BoardControl::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    if (cursorShown) parentWidget()->update(geometry());
}
