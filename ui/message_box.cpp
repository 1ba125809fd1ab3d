#include "message_box.h"

#include <QAbstractButton>
#include <QApplication>
#include <QScreen>

CentredMessageBox::CentredMessageBox(const QString& text, QWidget* parent)
    : QMessageBox(QMessageBox::NoIcon, QApplication::applicationDisplayName(), text, QMessageBox::Ok, parent)
{
    // Some styles put a picture on the button too; the box shows none anywhere.
    button(QMessageBox::Ok)->setIcon(QIcon());
}

void CentredMessageBox::showEvent(QShowEvent* event)
{
    QMessageBox::showEvent(event);
    // Moved before the box is mapped, so it does not jump.
    move(screen()->availableGeometry().center() - QPoint(width() / 2, height() / 2));
}

void showCentredMessage(const QString& text, QWidget* parent)
{
    CentredMessageBox box(text, parent);
    box.exec();
}
