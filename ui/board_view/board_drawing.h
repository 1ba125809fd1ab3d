// Where the cells lie on the window, the board drawn from a board handed to it, the drawing over
// it, and the cell a click lands on.
#pragma once

#include "game_state.h"

#include <QPoint>

#include <span>

class QColor;
class QFont;
class QPainter;

// The top-left corner of the cell in row and column 1..4, in client coordinates.
inline QPoint cellCorner(int row, int column)
{
    return {BoardMargin + (column - 1) * CellSize, BoardMargin + (row - 1) * CellSize};
}

// The playing cell under a point in client coordinates, 0 off the grid. A grid line belongs to
// the cell left of it or above it.
std::int32_t cellAtPoint(QPoint at);

// The board of the window, drawn from board: the green board, the yellow band above it, the grid,
// every disc of both layers, and the letters and digits around it in font's face, in desktopText
// where that reads on the yellow.
void drawBoard(QPainter& painter, std::span<const Cell, CellCount> board, const QFont& font, const QColor& desktopText);

// Paints every playing cell over with a board-green circle, inset 4 pixels from the cell's edges.
void drawWipedCells(QPainter& painter);

// The frame that shows the keyboard's cursor: yellow inside the cell's grid lines, edged in black
// on its inner side, so that it stands out on the green, on black discs and on white ones.
void drawCursorFrame(QPainter& painter, std::int32_t cell);
