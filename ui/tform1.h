// The one window of the program, Form1: the board drawn from the game state, the controls with
// which the person chooses colour and strength and starts a game, the status line, the game
// record, the restart picture, and the marker and flip pictures of the move animation.
// It holds no game data of its own; everything is in State.
#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QPainter;
class QPlainTextEdit;
class QPushButton;
class RadioGroup;
class Shape;

// Window properties, in pixels of the client area.
inline constexpr int WindowWidth = 773;
inline constexpr int WindowHeight = 477;
inline constexpr int WindowLeft = 283;
inline constexpr int WindowTop = 185;

class TForm1 : public QWidget {
    Q_OBJECT
public:
    // Creates every control of the layout, then runs FormCreate; the window is not yet shown.
    explicit TForm1(QWidget* parent = nullptr);

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

    // Paints the 16 cells over with board-green circles, then repaints the whole window, which
    // draws the board of the game state as it stands when the call returns.
    void ALLMarukesi();

protected:
    // Before it, the client area has been filled with yellow; after it, the pictures, shapes
    // and labels are drawn over the board, and the other controls over everything.
    void paintEvent(QPaintEvent* event) override;

private:
    void FormCreate();
    void FormPaint(QPainter& painter) const;

    bool cellsWiped = false;  // the repaint inside ALLMarukesi that shows the green circles
};
