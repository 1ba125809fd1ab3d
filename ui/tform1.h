// The one window of the program, Form1: the board drawn from the game state, the controls with
// which the person chooses colour and strength and starts a game, the status line, the game
// record, the restart picture, and the marker and flip pictures of the move animation.
// It holds no game data of its own; everything is in State. The board is also a control of its
// own, which takes the keys that play and what a screen reader asks of the cells.
#pragma once

#include "board.h"
#include "computer_turn.h"
#include "pause.h"

#include <QWidget>

#include <chrono>
#include <cstdint>
#include <string_view>

class BoardControl;
class QLabel;
class QLineEdit;
class QPainter;
class QPlainTextEdit;
class QPushButton;
class RadioGroup;
class Shape;
class StatusAnnouncements;

// Window properties, in pixels of the client area.
inline constexpr int WindowWidth = 773;
inline constexpr int WindowHeight = 477;
inline constexpr int WindowLeft = 283;
inline constexpr int WindowTop = 185;

class TForm1 : public QWidget, public ComputerTurnWindow {
    Q_OBJECT
public:
    // Creates every control of the layout, then runs FormCreate; the window is not yet shown.
    explicit TForm1(QWidget* parent = nullptr);

    // How long every pause of the animation and the computer's turn lasts; 0 in tests.
    std::chrono::milliseconds pauseLength = FixedPause;

    // The controls, under their names in the layout. The restart picture has no member: it is
    // the child named "Image15", a ClickablePicture reached through its clicked() signal.
    QPushButton* Button1;
    QLineEdit* Edit1;
    QLabel* Image2;
    QPlainTextEdit* Memo1;
    RadioGroup* RadioGroup1;
    RadioGroup* RadioGroup2;
    Shape* Shape2;
    QLabel* Label17;
    QLabel* Label1;
    QLabel* Image5;
    QLabel* Image6;
    Shape* Shape1;

    // The OK button: a new game with the chosen colour; when the person plays white, the
    // computer's first move is played before the button and the prompt picture go.
    void Button1Click();

    // The computer's turn, up to the hand-on: the computer must have a legal move.
    void Com_Utu();

    // Plays colour's move at cell on the board and on the screen: the marker, every captured disc
    // vanishing, shown edge-on and coming back in colour; then the record text. The state is
    // written exactly as by that side's trial move, plus MoveRecord[Ply]; Ply and the candidate
    // list are left to the caller. The cell's upper layer must be free; a move that would turn
    // nothing changes and shows nothing, and the result is false.
    [[nodiscard]] bool Jissai_Sokoutu(Colour colour, std::int32_t cell) override;

    // Neither side can move: the status line is emptied, the top-disc difference announced in
    // the message box, and once it is closed the board and the window are reset; a window closed
    // meanwhile is left as it is.
    void Kekka() override;

    // Blocks for pauseLength when count is positive, handling no event; at once otherwise.
    void Matu(std::int32_t count) override;

    // Paints the 16 cells over with board-green circles, then repaints the whole window, which
    // draws the board of the game state as it stands when the call returns.
    void ALLMarukesi();

    // The record text of moves 1..Ply, two characters a move, as the whole text of Memo1.
    void Kifu();

    // The restart picture: the board back to the start position and the window waiting for OK.
    // The record and the status line are left as they are.
    void Image15Click();

    // The person's click at client coordinates x, y, with any button: a legal move is played and
    // answered; anything else is ignored without a word. The keys on the board play through it
    // too, as a click on the middle of the cursor cell.
    void FormMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);

    // The rest of what the computer's turn needs of the window.
    void setStatus(std::string_view text) override;
    std::int32_t strength() const override;
    [[nodiscard]] bool showMessage(std::string_view text) override;

protected:
    // A change of the desktop's colours: the texts on the yellow follow it.
    bool event(QEvent* event) override;
    // Before it, the client area has been filled with yellow; after it, the pictures, shapes
    // and labels are drawn over the board, and the other controls over everything.
    void paintEvent(QPaintEvent* event) override;
    // A press of any button: FormMouseDown at its client coordinates. On the board it puts the
    // keyboard's cursor away.
    void mousePressEvent(QMouseEvent* event) override;

private:
    // The colour and the strength that OK starts a game with, as a screen reader says them.
    QString choicesText() const;
    // The described position, or the nearest that keeps the window inside the screen.
    void placeOnScreen();
    // The texts on the yellow in the desktop's text colour where it reads there, else in black.
    void followDesktopColours();
    void FormCreate();
    void FormPaint(QPainter& painter) const;

    bool cellsWiped = false;  // the repaint inside ALLMarukesi that shows the green circles
    BoardControl* boardControl;
    StatusAnnouncements* statusAnnouncements;
};
