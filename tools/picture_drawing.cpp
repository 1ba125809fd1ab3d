#include "picture_drawing.h"

#include <QFont>
#include <QPainter>
#include <QPolygonF>

namespace {

const QColor PictureYellow(254, 242, 0);
const QColor FrameBrown(185, 122, 87);
const QColor IconGreen(32, 192, 64);

QFont gothic(int pixelSize, bool bold)
{
    QFont font;
    font.setFamilies({QStringLiteral("IPAPGothic"), QStringLiteral("Noto Sans CJK JP")});
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

// The outline runs along the middle of the 3-pixel pen, so the points lie 1.5 pixels inside
// the arrow's outer edges.
void drawArrow(QPainter& painter, const QPolygonF& outline)
{
    painter.setPen(QPen(Qt::black, 3, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.setBrush(PictureYellow);
    painter.drawPolygon(outline);
}

// Spreads text from left to right edge by widening the gaps between its characters evenly.
void drawSpread(QPainter& painter, const QString& text, qreal left, qreal right, qreal baseline)
{
    QFont font = painter.font();
    font.setLetterSpacing(QFont::AbsoluteSpacing, 0);
    const qreal natural = QFontMetricsF(font).horizontalAdvance(text);
    font.setLetterSpacing(QFont::AbsoluteSpacing, (right - left - natural) / static_cast<qreal>(text.size() - 1));
    painter.setFont(font);
    painter.drawText(QPointF(left, baseline), text);
}

}  // namespace

QImage drawPromptPicture()
{
    QImage picture(124, 76, QImage::Format_RGB32);
    picture.fill(PictureYellow);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);

    // The left arrow points at the first choice and ends in a foot beside the first line.
    drawArrow(painter, QPolygonF({{18.5, 3.5}, {30.5, 15.5}, {23.5, 15.5}, {23.5, 38.5}, {31.5, 38.5},
                                  {31.5, 49.5}, {12.5, 49.5}, {12.5, 15.5}, {6.5, 15.5}}));
    // The right arrow points at the second choice and is short.
    drawArrow(painter, QPolygonF({{58.5, 3.5}, {70.5, 15.5}, {63.5, 15.5}, {63.5, 30.5}, {51.5, 30.5},
                                  {51.5, 15.5}, {46.5, 15.5}}));

    painter.setPen(Qt::black);
    painter.setFont(gothic(12, true));
    painter.drawText(QPointF(37, 48), QStringLiteral("これでよければ"));
    painter.drawText(QPointF(35, 71), QStringLiteral("[OK]をおしてね"));
    return picture;
}

QImage drawRestartPicture()
{
    QImage picture(100, 63, QImage::Format_RGB32);
    picture.fill(FrameBrown);
    QPainter painter(&picture);
    painter.fillRect(QRect(3, 3, 94, 57), PictureYellow);

    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::black);
    painter.setFont(gothic(15, false));
    drawSpread(painter, QStringLiteral("さいしょから"), 6, 95, 23);
    drawSpread(painter, QStringLiteral("やりなおす"), 5, 81, 52);
    return picture;
}

QImage drawIcon(int size)
{
    QImage icon(size, size, QImage::Format_ARGB32);
    icon.fill(IconGreen);
    QPainter painter(&icon);

    // Grid lines at the edges and at every quarter, rounded to whole pixels.
    auto line = [size](int k) { return (k * (size - 1) + 2) / 4; };
    painter.setPen(Qt::black);
    for (int k = 0; k <= 4; ++k) {
        painter.drawLine(line(k), 0, line(k), size - 1);
        painter.drawLine(0, line(k), size - 1, line(k));
    }

    // The start discs: white at b2 and c3, black at c2 and b3 (columns and rows from 0).
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(128, 128, 128), size >= 24 ? 1.0 : 0.6));
    auto disc = [&](int column, int row, const QColor& colour) {
        const QRectF cell(QPointF(line(column), line(row)), QPointF(line(column + 1), line(row + 1)));
        const qreal inset = size >= 24 ? 1.5 : 1.0;
        painter.setBrush(colour);
        painter.drawEllipse(cell.adjusted(inset, inset, -inset + 1, -inset + 1));
    };
    disc(1, 1, Qt::white);
    disc(2, 2, Qt::white);
    disc(2, 1, Qt::black);
    disc(1, 2, Qt::black);
    return icon;
}
