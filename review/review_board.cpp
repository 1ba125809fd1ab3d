#include "review_board.h"

#include "board_drawing.h"
#include "readable_text.h"
#include "review_model.h"
#include "window_font.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace {

constexpr int BoardSide = BoardMargin + 4 * CellSize;  // the labels above and left of it included

// The value's plate in the middle of a cell, and the game's move framed inside the grid lines.
constexpr int PlateWidth = 58;
constexpr int PlateHeight = 36;
constexpr int PlayedInset = 7;
constexpr int PlayedPen = 4;
const QColor BestGold(255, 200, 0);
const QColor PlateDark(0, 0, 0, 200);
const QColor PlayedRed(230, 0, 0);

// The focus frame in the margin around the drawing; the board shrinks to no less than 60 % of the
// game's size, where its values still read.
constexpr int FocusMargin = 5;
constexpr int FocusPen = 3;
constexpr int SmallestSide = BoardSide * 3 / 5 + 2 * FocusMargin;

QRect cellRect(std::int32_t cell)
{
    return {cellCorner(rowOf(cell), columnOf(cell)), QSize(CellSize, CellSize)};
}

}  // namespace

ReviewBoard::ReviewBoard(ReviewModel& reviewModel, QWidget* parent) : QWidget(parent), model(reviewModel)
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setFocusPolicy(Qt::StrongFocus);
    connect(&model, &ReviewModel::changed, this, &ReviewBoard::modelChanged);
    modelChanged();
}

std::vector<std::int32_t> ReviewBoard::movesInOrder() const
{
    const LinePosition& shown = model.shown();
    const auto* values = model.valuesOf(shown);
    if (values == nullptr) return shown.legal;
    std::vector<std::int32_t> cells;
    for (const MoveValue& move : *values) cells.push_back(move.cell);
    return cells;
}

std::int32_t ReviewBoard::cursorCell() const
{
    const auto cells = movesInOrder();
    return cells.empty() ? 0 : cells[std::min(cursor, cells.size() - 1)];
}

QSize ReviewBoard::sizeHint() const { return {BoardSide + 2 * FocusMargin, BoardSide + 2 * FocusMargin}; }

QSize ReviewBoard::minimumSizeHint() const { return {SmallestSide, SmallestSide}; }

QTransform ReviewBoard::drawing() const
{
    const QRectF room = QRectF(rect()).adjusted(FocusMargin, FocusMargin, -FocusMargin, -FocusMargin);
    const qreal scale = std::min(room.width(), room.height()) / BoardSide;
    const QPointF corner = room.center() - QPointF(BoardSide, BoardSide) * scale / 2;
    return QTransform::fromTranslate(corner.x(), corner.y()).scale(scale, scale);
}

QImage ReviewBoard::picture() const
{
    QImage image(BoardSide, BoardSide, QImage::Format_RGB32);
    QPainter painter(&image);
    paintBoard(painter);
    return image;
}

void ReviewBoard::modelChanged()
{
    // A new position puts the cursor on its best move; values arriving for it leave it alone.
    const LinePosition& shown = model.shown();
    if (shown.position != cursorPosition) cursor = 0;
    cursorPosition = shown.position;
    tellCursor();
    update();
}

void ReviewBoard::tellCursor()
{
    const std::int32_t cell = cursorCell();
    setAccessibleName(cell == 0 ? QStringLiteral("盤") : model.cellText(cell));
    QStringList cells;
    for (std::int32_t row = 1; row <= 4; ++row)
        for (std::int32_t column = 1; column <= 4; ++column) cells << model.cellText(cellOf(row, column));
    QStringList said{model.statusText(), cells.join(QStringLiteral("。"))};
    if (const QString best = model.bestLineText(); !best.isEmpty()) said << best;
    setAccessibleDescription(said.join(QStringLiteral("。")));
}

void ReviewBoard::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    const QTransform transform = drawing();
    // Smooth edges once the picture is scaled; at the game's size its lines fall on whole pixels.
    painter.setRenderHint(QPainter::Antialiasing, transform.m11() != 1.0);
    if (hasFocus()) {
        const QRectF drawn = transform.mapRect(QRectF(0, 0, BoardSide, BoardSide));
        const qreal out = FocusMargin - FocusPen / 2.0;
        painter.setPen(QPen(palette().color(QPalette::Highlight), FocusPen));
        painter.drawRect(drawn.adjusted(-out, -out, out, out));
    }
    painter.setTransform(transform);
    paintBoard(painter);
    if (cursorShown && hasFocus() && cursorCell() != 0) drawCursorFrame(painter, cursorCell());
}

void ReviewBoard::paintBoard(QPainter& painter) const
{
    painter.fillRect(QRect(0, 0, BoardSide, BoardSide), WindowYellow);
    const LinePosition& shown = model.shown();
    drawBoard(painter, shown.board, windowFont(), palette().color(QPalette::WindowText));

    // The game's move in this position, framed.
    if (model.variation().empty() && model.gameIndex() < model.moveCount()) {
        painter.setPen(QPen(PlayedRed, PlayedPen));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(cellRect(model.gameMove(model.gameIndex() + 1)).adjusted(PlayedInset, PlayedInset, -PlayedInset, -PlayedInset));
    }

    // Every legal move's value on its plate, "…" until it is solved, "?" while it is hidden.
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setFont(windowFont(24, true));
    const auto* values = model.valuesOf(shown);
    const QString unknown = model.valuesHidden(shown) ? QStringLiteral("?") : QStringLiteral("…");
    for (const std::int32_t cell : shown.legal) {
        const bool solved = values != nullptr;
        const std::int32_t value = solved ? valueOf(*values, cell) : 0;
        const bool best = solved && value == values->front().value;
        const QRect plate(cellRect(cell).center() - QPoint(PlateWidth / 2, PlateHeight / 2), QSize(PlateWidth, PlateHeight));
        painter.setPen(Qt::NoPen);
        painter.setBrush(best ? BestGold : PlateDark);
        painter.drawRoundedRect(plate, 8, 8);
        painter.setPen(best ? Qt::black : Qt::white);
        painter.drawText(plate, Qt::AlignCenter, solved ? signedValue(value) : unknown);
    }
    painter.restore();
}

void ReviewBoard::mousePressEvent(QMouseEvent* event)
{
    const std::int32_t cell = cellAtPoint(drawing().inverted().map(event->position()).toPoint());
    if (event->button() != Qt::LeftButton || cell == 0) return;
    cursorShown = false;
    emit cellChosen(cell);
}

void ReviewBoard::keyPressEvent(QKeyEvent* event)
{
    const std::size_t count = movesInOrder().size();
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
        if (count == 0) break;
        cursor = (std::min(cursor, count - 1) + (event->key() == Qt::Key_Down ? 1 : count - 1)) % count;
        cursorShown = true;
        tellCursor();
        update();
        emit cursorMoved();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (cursorCell() != 0) emit cellChosen(cursorCell());
        return;
    }
    QWidget::keyPressEvent(event);
}
