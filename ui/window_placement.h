// Where the window opens on the screen.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// The window's position: described where a window of that size lies wholly inside available (the
// screen's area less its panels) there; otherwise moved just enough to bring it inside, and where
// it cannot fit, with its left and top edges on those of the area.
QPoint windowPosition(const QRect& available, const QSize& size, QPoint described);
