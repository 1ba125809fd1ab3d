// What the desktop knows the program by: its title, its desktop entry and its icon.
#pragma once

#include <QIcon>
#include <QString>

inline const QString ApplicationTitle = QStringLiteral("ノルダモ");

// Names the running application "ノルダモ" (the caption of its message boxes), ties it to its
// desktop entry and gives its windows the program icon. After the QApplication exists.
void nameApplication();

// The board with the four start discs, in 16, 24 and 32 pixels.
QIcon programIcon();
