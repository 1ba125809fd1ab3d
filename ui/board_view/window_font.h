// The window font, "ＭＳ Ｐゴシック", with Japanese Gothic faces standing in where it is missing.
#pragma once

#include <QFont>

// The window font at the given character height in pixels (12 for the window itself).
QFont windowFont(int pixelSize = 12, bool bold = false);
