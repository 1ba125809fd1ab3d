// Test helpers for games played in the window: no pause, every message box answered as soon as
// it is open, and clicks that the window system routes as it routes a person's.
#pragma once

#include "board_control.h"
#include "window_fixture.h"

#include <QMessageBox>
#include <QPointer>
#include <QTimer>

#include <functional>
#include <vector>

// What one message box showed, and the game as it stood while it was open.
struct Answered {
    QString text;
    QString caption;
    QMessageBox::Icon icon;
    QMessageBox::StandardButtons standardButtons;
    qsizetype buttonCount;
    QPoint centre;        // of the box's frame
    QPoint screenCentre;  // of its screen's available area
    std::int32_t comLead; // top discs of the computer minus the person's
};

// Answers every message box the moment it is open and writes down what it showed. The box
// runs its own event loop, which is where the check runs; nothing is asserted inside it.
class MessageAnswerer : public QObject {
public:
    MessageAnswerer();
    std::vector<Answered> answered;
    std::vector<QString> textsSince(std::size_t first) const;
    // Runs in each box before it is answered; the box is left open when it returns false.
    std::function<bool()> whileOpen;
    // Answers with the Return key, as a person without a mouse does, rather than a click on OK.
    bool byKeys = false;

private:
    void answer();
    QTimer timer;
    QPointer<QMessageBox> leftOpen;
};

// The window, with its pauses watched: onPause sees every pause before its wait. With
// refuseMoves, its played move refuses every move, as it refuses one that would turn nothing.
class WatchedForm : public TForm1 {
public:
    std::function<void(std::int32_t count)> onPause;
    bool refuseMoves = false;
    void Matu(std::int32_t count) override;
    bool Jissai_Sokoutu(Colour colour, std::int32_t cell) override;
};

inline const QString PersonToMoveText = QStringLiteral("あなたのばんです");
inline const QString PersonPassesText = QStringLiteral("あなたはうつところがないのでパスです");
inline const QString ComputerPassesText = QStringLiteral("コンピュータはパスです");

// The result message for a computer lead of comLead top discs.
QString resultText(std::int32_t comLead);

class GameTest : public WindowTest {
protected:
    // The window shown, its pauses of no length, the computer's random moves seeded.
    void SetUp() override;

    WatchedForm& game() const { return *watched; }

    // A press and release at a point of the client area, delivered to whatever lies there.
    void click(QPoint at, Qt::MouseButton button = Qt::LeftButton);
    void clickCell(std::int32_t cell);
    void pressOk();
    void clickRestart();
    // Clicks the items of the two radio groups: colour 0 first (black), 1 second; strength 0 weak.
    void choose(int colourItem, int strengthItem);
    // A press and release of key, delivered to what has the focus, as a person's keys are.
    void pressKey(Qt::Key key, Qt::KeyboardModifiers modifiers = {});
    // Activates the window, as the person's desktop does when it opens, so that keys reach it.
    void activateWindow();
    BoardControl* board() const;

    QString record() const;
    QString status() const;
    // The window waits for OK: button, prompt, open choices, the start position, no move made.
    void expectWaitingForOk() const;

    MessageAnswerer answerer;

private:
    WatchedForm* watched = nullptr;
};

// The centre of the cell in client coordinates.
QPoint cellCentre(std::int32_t cell);
