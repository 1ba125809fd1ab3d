// The two flip pictures: a disc seen edge-on while it turns over, one half in each colour.
#pragma once

#include <QColor>
#include <QImage>
#include <QPixmap>

// A flip picture of the given size: every pixel green, set one at a time row by row, then two
// grey-outlined bars side by side, columns 42-46 filled with left, 47-51 with right, rows 4-87.
QImage drawFlipPicture(QSize size, const QColor& left, const QColor& right);

// The picture shown transparently: every pixel of its bottom-left pixel's colour lets what
// lies under it show through.
QPixmap transparentByBottomLeftPixel(const QImage& picture);
