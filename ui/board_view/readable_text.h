// Text that stays readable on the window's fixed yellow whatever colours the desktop gives.
#pragma once

#include <QColor>

class QWidget;

// The window's background, the band above the board and the labels' ground.
inline const QColor WindowYellow(255, 255, 0);

// The contrast of two colours as the web's accessibility guidelines measure it, from 1 (the same
// luminance) to 21 (black on white); 4.5 is the usual floor for text.
double contrastRatio(const QColor& a, const QColor& b);

// The desktop's text colour where it reads on the yellow, else black. Dark desktops give a light
// one, which the yellow swallows. A colour that reads on the yellow reads on white too.
QColor textOnYellow(const QColor& desktopText);

// Gives control, which stands on the yellow, the text colour of textOnYellow for the desktop's
// own text colour of such a control, while it is enabled; a disabled one stays as the desktop
// greys it.
void keepTextReadableOnYellow(QWidget* control);
