#include "clickable_picture.h"

#include <QMouseEvent>

void ClickablePicture::mousePressEvent(QMouseEvent* event) { event->accept(); }

void ClickablePicture::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) emit clicked();
}
