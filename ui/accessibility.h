// What a screen reader finds of the window beyond Qt's own controls: the board as a table of its
// 16 cells with the cursor cell focused, the clickable pictures as buttons, and a notification
// that carries each new status text.
#pragma once

#include <QWidget>

#include <cstdint>

class BoardControl;

// Has Qt take the interfaces of the board, the clickable pictures and the status announcement
// from here. Installing it again changes nothing.
void installAccessibleInterfaces();

// The cell's coordinate and what it holds, top disc first: "a2 黒", "b3 白（下に黒）", "c1 空き".
QString accessibleCellName(std::int32_t cell);

// The cursor cell of the focused board becomes the object that has the screen reader's focus.
void reportCursorFocus(BoardControl& board);

// After a move or a reset: each cell whose name has changed since the last report says so.
void reportChangedCells(BoardControl& board);

// Nothing on the screen: a notification that a screen reader presents each time it is shown,
// whatever has the focus. Qt 6.4 has no announcement of its own; AT-SPI readers speak a
// notification when it shows.
class StatusAnnouncement : public QWidget {
    Q_OBJECT
public:
    explicit StatusAnnouncement(QWidget* parent);

    // The notification shows again, with text as its name.
    void announce(const QString& text);
};
