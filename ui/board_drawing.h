// Drawing that the window does over the board besides the board itself.
#pragma once

class QPainter;

// Paints every playing cell over with a board-green circle, inset 4 pixels from the cell's edges.
void drawWipedCells(QPainter& painter);
