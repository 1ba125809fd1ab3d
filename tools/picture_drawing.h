// The window's two JPEG pictures and the program icon, drawn in code.
#pragma once

#include <QImage>

// Image2, 124 x 76: two hollow arrows pointing up at the two choices, and "これでよければ" /
// "[OK]をおしてね" beside and below them, on a yellow a shade deeper than the window's.
QImage drawPromptPicture();

// Image15, 100 x 63: "さいしょから" / "やりなおす" in a brown frame.
QImage drawRestartPicture();

// The icon, size x size: the green board, its grid and the four start discs.
QImage drawIcon(int size);
