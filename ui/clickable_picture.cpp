#include "clickable_picture.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace {

// As wide as the frame of the restart picture, which it covers while the picture has the focus.
constexpr int FocusFrameWidth = 3;

}  // namespace

ClickablePicture::ClickablePicture(QWidget* parent) : QLabel(parent)
{
    // A click leaves the focus where it was, so that a person who clicks never sees the frame.
    setFocusPolicy(Qt::TabFocus);
}

void ClickablePicture::mousePressEvent(QMouseEvent* event) { event->accept(); }

void ClickablePicture::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) click();
}

void ClickablePicture::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        event->accept();
        if (!event->isAutoRepeat()) click();
        return;
    default: QLabel::keyPressEvent(event);
    }
}

void ClickablePicture::paintEvent(QPaintEvent* event)
{
    QLabel::paintEvent(event);
    if (!hasFocus()) return;
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::Highlight));
    for (int inset = 0; inset < FocusFrameWidth; ++inset)
        painter.drawRect(rect().adjusted(inset, inset, -1 - inset, -1 - inset));
}
