// The board of the review: the game's own drawing of the shown position, every legal move's value
// on its cell, the best ones in gold, the game's move there framed in red, and a keyboard cursor
// that walks the legal moves, best first. It is drawn at the game's size and scaled to the widget,
// its shape kept, with a frame around it while it has the focus.
#pragma once

#include "position.h"

#include <QImage>
#include <QTransform>
#include <QWidget>

#include <cstdint>
#include <vector>

class ReviewModel;

class ReviewBoard : public QWidget {
    Q_OBJECT

public:
    explicit ReviewBoard(ReviewModel& model, QWidget* parent = nullptr);

    // The cell the keyboard's cursor is on, 0 when the shown position has no move.
    std::int32_t cursorCell() const;
    // Where the board drawn at the game's size lies in the widget: scaled to fit, centred.
    QTransform drawing() const;
    // The board as the widget shows it, at the game's size, without the focus frame and cursor.
    QImage picture() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    // An arrow key has moved the cursor to another cell.
    void cursorMoved();
    // A cell is chosen to be played, by a click or by Return on the cursor's.
    void cellChosen(std::int32_t cell);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // The legal moves of the shown position, best first once they are solved.
    std::vector<std::int32_t> movesInOrder() const;
    void modelChanged();
    void tellCursor();
    // Draws the board, its values and the played move's frame at the game's size.
    void paintBoard(QPainter& painter) const;

    ReviewModel& model;
    std::size_t cursor = 0;
    Position cursorPosition{};  // the position it is in
    bool cursorShown = false;
};
