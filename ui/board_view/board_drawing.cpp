// The board drawn from a board handed to it, the wipe of its cells, the cursor frame, and the
// cell under a point.
#include "board_drawing.h"

#include "game_state.h"
#include "outline_box.h"
#include "readable_text.h"

#include <QPainter>

namespace {

const QColor BoardGreen(0, 128, 0);
const QColor DiscOutline(128, 128, 128);

constexpr int BoardEnd = BoardMargin + 4 * CellSize;  // 414: right and bottom edge, excluded
constexpr int HalfCell = CellSize / 2;

// The band above the board into which the upper discs of row 1 reach.
constexpr int BandHeight = 8;

// A disc is three ellipses of one size, drawn bottom first, 4 pixels apart: the lower band of
// its rim in the other colour, the upper band and the face in its own. Tops are offsets from
// the cell's top edge; an upper disc sits 8 pixels higher than a lower one.
constexpr int DiscLeft = 4;
constexpr int DiscRight = 91;
constexpr int DiscHeight = 79;
constexpr int LowerDiscTops[] = {9, 5, 1};
constexpr int UpperDiscTops[] = {1, -3, -7};

// The wipe: a circle inset this far from every edge of a cell.
constexpr int WipeInset = 4;

// The labels: 14 points at 96 pixels per inch, the letters a little left of the middle of
// their column and near the top of the window, the digits left of the board.
constexpr int LabelPixelSize = 19;
constexpr int LetterLeftOfMiddle = 3;
constexpr int LetterTop = BoardMargin - 30;
constexpr int DigitLeft = BoardMargin - 20;
constexpr int DigitAboveMiddle = 5;

// The cursor frame: three yellow lines just inside the cell's grid lines, then one black line,
// all clear of the discs at the cell's sides and crossing them only at the top and the bottom.
constexpr int FrameYellowLines = 3;
constexpr int FrameLines = FrameYellowLines + 1;

// The largest integer not above a / b, for b > 0: left of and above the board it goes negative.
std::int64_t floorDivide(std::int64_t a, std::int64_t b) { return a / b - (a % b < 0 ? 1 : 0); }

// The row or column 1..4 under a coordinate, or a value outside 1..4 off the board. A grid line
// belongs to the cell left of it or above it.
std::int64_t boardLine(int coordinate) { return floorDivide(std::int64_t{coordinate} - BoardMargin - 1, CellSize) + 1; }

// Draws nothing for a layer that holds no disc.
void drawDisc(QPainter& painter, QPoint corner, const int (&tops)[3], Colour disc)
{
    if (disc != BLACK && disc != WHITE) return;
    const QColor face = disc == BLACK ? Qt::black : Qt::white;
    const QColor underside = disc == BLACK ? Qt::white : Qt::black;
    for (int i = 0; i < 3; ++i) {
        painter.setBrush(i == 0 ? underside : face);
        const int top = corner.y() + tops[i];
        painter.drawEllipse(outlineBox(corner.x() + DiscLeft, top, corner.x() + DiscRight, top + DiscHeight));
    }
}

// The character cells behind the text are filled with the brush, its top-left corner at at.
void drawLabel(QPainter& painter, QPoint at, const QString& text)
{
    const QFontMetrics metrics(painter.font());
    const QRect cells(at, QSize(metrics.horizontalAdvance(text), metrics.height()));
    painter.fillRect(cells, painter.brush());
    painter.drawText(cells, Qt::AlignLeft | Qt::AlignTop, text);
}

}  // namespace

void drawBoard(QPainter& painter, std::span<const Cell, CellCount> board, const QFont& font, const QColor& desktopText)
{
    // 1.-2. The green board.
    painter.setPen(QPen(Qt::black, 1, Qt::SolidLine));
    painter.fillRect(QRect(BoardMargin, BoardMargin, BoardEnd - BoardMargin, BoardEnd - BoardMargin), BoardGreen);

    // 3. The band above it, refilled so that no trace of a former upper disc of row 1 stays.
    painter.fillRect(QRect(BoardMargin, BoardMargin - BandHeight, BoardEnd - BoardMargin, BandHeight), WindowYellow);

    // 4. The grid: five lines each way, the end points excluded.
    for (int k = 0; k <= 4; ++k) {
        const int at = BoardMargin + k * CellSize;
        painter.drawLine(at, BoardMargin, at, BoardEnd - 1);
        painter.drawLine(BoardMargin, at, BoardEnd - 1, at);
    }

    // 5. Every disc, row by row from the top, the lower layer before the upper one.
    painter.setPen(QPen(DiscOutline, 1, Qt::SolidLine));
    for (int row = 1; row <= 4; ++row) {
        for (int column = 1; column <= 4; ++column) {
            const Cell& cell = board[cellOf(row, column)];
            drawDisc(painter, cellCorner(row, column), LowerDiscTops, cell.Lower);
            drawDisc(painter, cellCorner(row, column), UpperDiscTops, cell.Upper);
        }
    }

    // 6. The labels on yellow, in the window's face and in its text colour where that reads there.
    painter.setBrush(WindowYellow);
    QFont labelFont = font;
    labelFont.setPixelSize(LabelPixelSize);
    painter.setFont(labelFont);
    painter.setPen(textOnYellow(desktopText));

    // 7. "a" to "d" above the columns.
    for (int column = 1; column <= 4; ++column)
        drawLabel(painter, QPoint(cellCorner(1, column).x() + HalfCell - LetterLeftOfMiddle, LetterTop),
                  QString(QChar(u'a' + column - 1)));

    // 8. "1" to "4" left of the rows.
    for (int row = 1; row <= 4; ++row)
        drawLabel(painter, QPoint(DigitLeft, cellCorner(row, 1).y() + HalfCell - DigitAboveMiddle), QString::number(row));
}

void drawWipedCells(QPainter& painter)
{
    painter.setPen(QPen(BoardGreen, 1, Qt::SolidLine));
    painter.setBrush(BoardGreen);
    for (int row = 1; row <= 4; ++row) {
        for (int column = 1; column <= 4; ++column) {
            const QPoint corner = cellCorner(row, column);
            painter.drawEllipse(outlineBox(corner.x() + WipeInset, corner.y() + WipeInset,
                                           corner.x() + CellSize - WipeInset, corner.y() + CellSize - WipeInset));
        }
    }
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

std::int32_t cellAtPoint(QPoint at)
{
    const std::int64_t row = boardLine(at.y()), column = boardLine(at.x());
    if (row < 1 || row > 4 || column < 1 || column > 4) return 0;
    return cellOf(static_cast<std::int32_t>(row), static_cast<std::int32_t>(column));
}
