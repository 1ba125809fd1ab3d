#include "game_words.h"

QString colourName(Colour colour) { return colour == BLACK ? QStringLiteral("黒") : QStringLiteral("白"); }

QString cellLabel(std::int32_t cell) { return QString::fromStdString(cellName(cell)); }

QString accessibleCellName(std::span<const Cell, CellCount> board, std::int32_t cell)
{
    const Cell& held = board[cell];
    QString name = cellLabel(cell) + u' ';
    if (held.Lower == EMPTY) return name + QStringLiteral("空き");
    if (held.Upper == EMPTY) return name + colourName(held.Lower);
    return name + colourName(held.Upper) + QStringLiteral("、下は") + colourName(held.Lower);
}
