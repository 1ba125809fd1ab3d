// What a screen reader finds of the window beyond Qt's own controls: the board as a table of its
// 16 cells with the cursor cell focused, the clickable pictures as buttons, and a notification
// that carries each new status text.
#pragma once

#include <QWidget>

#include <array>
#include <cstdint>
#include <span>

class BoardControl;

// Has Qt take the interfaces of the board, the clickable pictures and the status announcement
// from here. Installing it again changes nothing.
void installAccessibleInterfaces();

// The cell's coordinate and what it holds, top disc first: "a2 黒", "b3 白（下に黒）", "c1 空き".
QString accessibleCellName(std::int32_t cell);

// The cursor cell of the focused board becomes the object that has the screen reader's focus.
void reportCursorFocus(BoardControl& board);

// After a move or a reset: the cells say their new names.
void reportNewNames(BoardControl& board, std::span<const std::int32_t> cells);

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

// The status texts of a window, announced by two notifications in turn. A reader asks for a
// notification's text only once the window handles events again, after the handler that showed
// it; by then the next text may have gone to the other notification, but not to this one: no
// handler sets more than two status texts without a message box, whose own loop answers.
// Deleted with the window.
class StatusAnnouncements : public QObject {
public:
    explicit StatusAnnouncements(QWidget* window);
    void announce(const QString& text);

private:
    std::array<StatusAnnouncement*, 2> notifications;
    std::size_t next = 0;
};
