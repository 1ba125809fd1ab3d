// The board as a control of the window: it takes the focus and the keys, moves a cursor over the
// cells and plays there as a click does, and is what a screen reader finds of the board. It
// paints nothing and lets every mouse event through to the window, which draws the board.
#pragma once

#include <QWidget>

#include <cstdint>

class BoardControl : public QWidget {
    Q_OBJECT
public:
    // Lies over the points of the window that a click turns into a cell, 35..414 both ways.
    explicit BoardControl(QWidget* parent);

    std::int32_t cursorCell() const { return cursor; }
    // Whether the window draws the frame around the cursor cell: while the board has the focus.
    bool isCursorShown() const { return cursorShown && hasFocus(); }

    // A new game: the cursor at a1, not shown.
    void resetCursor();
    // The mouse is used on the board: the frame goes at the next paint.
    void hideCursor();

signals:
    // Return, Enter or Space on the cursor cell, to be played as a click on it.
    void cellChosen(std::int32_t cell);
    // The cursor cell is the focused one anew: after an arrow, and once the board has the focus.
    void cursorFocused();

protected:
    // The arrows move the cursor and show it; Return, Enter and Space choose its cell once per
    // press. Every other key goes on to the window.
    void keyPressEvent(QKeyEvent* event) override;
    // The frame shows with the focus and goes with it.
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    std::int32_t cursor;
    bool cursorShown = false;
};
