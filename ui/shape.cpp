#include "shape.h"

#include <QPainter>

Shape::Shape(Kind shapeKind, const QColor& fillColour, const QColor& outlineColour, QWidget* parent)
    : QWidget(parent), kind(shapeKind), fill(fillColour), outline(outlineColour)
{
}

void Shape::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.setPen(QPen(outline, 1));
    painter.setBrush(fill);
    // A 1-pixel outline of a box one pixel smaller covers the control exactly.
    const QRect box = rect().adjusted(0, 0, -1, -1);
    if (kind == Kind::Ellipse)
        painter.drawEllipse(box);
    else
        painter.drawRect(box);
}
