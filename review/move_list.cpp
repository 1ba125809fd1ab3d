#include "move_list.h"

#include <QMetaObject>

MoveList::MoveList(int rows, int columns, QWidget* parent) : QTableWidget(rows, columns, parent)
{
    connect(model(), &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex& topLeft, const QModelIndex& bottomRight, const QList<int>& roles) {
                if (!roles.isEmpty() && !roles.contains(Qt::DisplayRole)) return;
                for (int row = topLeft.row(); row <= bottomRight.row(); ++row)
                    for (int column = topLeft.column(); column <= bottomRight.column(); ++column) nameCell(row, column);
            });
}

void MoveList::nameCell(int row, int column)
{
    QTableWidgetItem* cell = item(row, column);
    const QTableWidgetItem* header = horizontalHeaderItem(column);
    if (cell == nullptr || header == nullptr) return;
    // The list leaves empty what a best move gave away.
    const QString text = cell->text().isEmpty() ? QStringLiteral("0") : cell->text();
    cell->setData(Qt::AccessibleTextRole, header->text() + u' ' + text);
}

void MoveList::focusInEvent(QFocusEvent* event)
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

void MoveList::currentChanged(const QModelIndex& current, const QModelIndex& previous)
{
    // QTableView reports the new current cell as focused whatever has the focus, and a reader
    // would leave the board for the list at every step through the game.
    if (hasFocus()) QTableWidget::currentChanged(current, previous);
    else QAbstractItemView::currentChanged(current, previous);  // NOLINT(bugprone-parent-virtual-call)
}
