// Boxes given as (left, top, right, bottom) with the right and bottom edge excluded.
#pragma once

#include <QRect>

// The QRect whose outline, drawn with a 1-pixel pen, covers exactly the box: Qt draws the
// outline of a rectangle or ellipse one pixel beyond the QRect's right and bottom edge.
inline QRect outlineBox(int left, int top, int right, int bottom)
{
    return QRect(left, top, right - left - 1, bottom - top - 1);
}
