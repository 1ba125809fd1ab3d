// How a move that gave something away is marked, in the move list and on the graph.
#pragma once

#include "review_line.h"

#include <QColor>
#include <QString>

// "?!", "?", "??"; nothing for a best move.
QString gradeMark(Grade grade);

// A colour that dark text reads on, stronger as the move was worse.
QColor gradeColour(Grade grade);
