#include "application_identity.h"

#include <QApplication>

void nameApplication()
{
    QApplication::setApplicationName(ApplicationTitle);
    QApplication::setApplicationDisplayName(ApplicationTitle);
    QApplication::setDesktopFileName(QStringLiteral("io.github.nordamo.nordamo"));
    QApplication::setWindowIcon(programIcon());
}

QIcon programIcon()
{
    QIcon icon;
    for (int size : {16, 24, 32}) icon.addFile(QStringLiteral(":/icon%1.png").arg(size), QSize(size, size));
    return icon;
}
