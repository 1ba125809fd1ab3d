// The review's move list: a table whose current row follows the shown position. A screen reader
// reads each cell with its column's name, and is told that the current cell has the focus only
// when the list has the keyboard's.
#pragma once

#include <QTableWidget>

class MoveList : public QTableWidget {
public:
    MoveList(int rows, int columns, QWidget* parent);

protected:
    void focusInEvent(QFocusEvent* event) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;

private:
    // A reader reads a row whole, and then without the column headers: each cell's accessible
    // text names its column, "評価 -10".
    void nameCell(int row, int column);
};
