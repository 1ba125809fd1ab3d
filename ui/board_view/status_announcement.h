// Notifications that a screen reader speaks: each new status text, each move played.
#pragma once

#include <QWidget>

#include <array>

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
// Deleted with the window. Before it makes its notifications, it has Qt take their interface,
// a notification's, from here.
class StatusAnnouncements : public QObject {
public:
    explicit StatusAnnouncements(QWidget* window);
    void announce(const QString& text);

private:
    std::array<StatusAnnouncement*, 4> notifications;
    std::size_t next = 0;
};
