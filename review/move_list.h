// The review's move list: a table whose current row follows the shown position, and which tells
// a screen reader that its current cell has the focus only when the list has the keyboard's.
#pragma once

#include <QTableWidget>

class MoveList : public QTableWidget {
public:
    using QTableWidget::QTableWidget;

protected:
    void focusInEvent(QFocusEvent* event) override
    {
        QTableWidget::focusInEvent(event);
        // The reader's focus goes on to the current row, as it does at every move in the list, once
        // the list's own focus has been reported.
        QMetaObject::invokeMethod(
            this,
            [this] {
                if (hasFocus() && currentIndex().isValid()) QTableWidget::currentChanged(currentIndex(), currentIndex());
            },
            Qt::QueuedConnection);
    }
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override
    {
        // QTableView reports the new current cell as focused whatever has the focus, and a reader
        // would leave the board for the list at every step through the game.
        if (hasFocus()) QTableWidget::currentChanged(current, previous);
        else QAbstractItemView::currentChanged(current, previous);  // NOLINT(bugprone-parent-virtual-call)
    }
};
