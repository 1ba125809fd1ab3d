// What a screen reader finds of the window beyond Qt's own controls: the board as a list of its
// 16 cells with the cursor cell focused, the clickable pictures as buttons, and notifications
// that carry each new status text and each move played.
#pragma once

#include <QWidget>

#include <array>
#include <cstdint>
#include <span>

class BoardControl;

// Has Qt take the interfaces of the board, the clickable pictures and the status announcement
// from here. Installing it again changes nothing.
void installAccessibleInterfaces();

// The cell's coordinate and what it holds, top disc first, in words that read well aloud:
// "a2 黒", "b3 白、下は黒", "c1 空き".
QString accessibleCellName(std::int32_t cell);

// The move of ply, the last one on the journal: who played it, where, and which cells turned,
// "黒が a2 にうちました。b2、c2 がかえりました".
QString playedMoveText(std::int32_t ply);

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

// The texts a window announces: the status texts, the moves played, a refused move and the
// restart, each by the next of four notifications in turn. A reader asks for a notification's text
// only once the window handles events again, after the handler that showed it, and then hears
// the text it holds by then: no handler announces more than four texts without a message box,
// whose own loop answers (the person's move, the computer's turn, its move, the person's turn).
// Deleted with the window.
class StatusAnnouncements : public QObject {
public:
    explicit StatusAnnouncements(QWidget* window);
    void announce(const QString& text);

private:
    std::array<StatusAnnouncement*, 4> notifications;
    std::size_t next = 0;
};
