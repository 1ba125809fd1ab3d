// Where the cells lie on the window, and the drawing it does over the board besides the board.
#pragma once

#include "board.h"

#include <QPoint>

class QPainter;

// The top-left corner of the cell in row and column 1..4, in client coordinates.
inline QPoint cellCorner(int row, int column)
{
    return {BoardMargin + (column - 1) * CellSize, BoardMargin + (row - 1) * CellSize};
}

// Paints every playing cell over with a board-green circle, inset 4 pixels from the cell's edges.
void drawWipedCells(QPainter& painter);

// The frame that shows the keyboard's cursor: yellow inside the cell's grid lines, edged in black
// on its inner side, so that it stands out on the green, on black discs and on white ones.
void drawCursorFrame(QPainter& painter, std::int32_t cell);
