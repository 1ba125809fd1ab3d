#include "board_control.h"

#include "accessibility.h"
#include "board_drawing.h"
#include "readable_text.h"

#include <QKeyEvent>
#include <QPainter>

#include <algorithm>

namespace {

constexpr std::int32_t A1 = 6;

// The frame: three yellow lines just inside the cell's grid lines, then one black line, all clear
// of the discs at the cell's sides and crossing them only at the top and the bottom.
constexpr int FrameYellowLines = 3;
constexpr int FrameLines = FrameYellowLines + 1;

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
    cursor = 5 * row + column;
    cursorShown = true;
    parentWidget()->update(geometry());
    reportCursorFocus(*this);
}

void BoardControl::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    // Qt reports the board itself as focused once this returns; the cursor cell is reported
    // after that, so that it is the cell a screen reader takes as focused.
    QMetaObject::invokeMethod(this, [this] { reportCursorFocus(*this); }, Qt::QueuedConnection);
}

void drawCursorFrame(QPainter& painter, std::int32_t cell)
{
    // Inside the grid lines: from one pixel right of and below the cell's corner to one pixel
    // before the next lines.
    const QRect inside(cellCorner(rowOf(cell), columnOf(cell)) + QPoint(1, 1), QSize(CellSize - 1, CellSize - 1));
    painter.setBrush(Qt::NoBrush);
    for (int line = 0; line < FrameLines; ++line) {
        painter.setPen(QPen(line < FrameYellowLines ? WindowYellow : QColor(Qt::black), 1, Qt::SolidLine));
        // A 1-pixel outline covers one pixel beyond the QRect's right and bottom edge.
        painter.drawRect(inside.adjusted(line, line, -line - 1, -line - 1));
    }
}
