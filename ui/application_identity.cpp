#include "application_identity.h"

#include "embedded_pictures.h"

#include <QApplication>

void nameApplication()
{
    QApplication::setApplicationName(ApplicationTitle);
    QApplication::setApplicationDisplayName(ApplicationTitle);
    QApplication::setDesktopFileName(QStringLiteral("io.github.nordamo.nordamo"));
    QApplication::setWindowIcon(programIcon());
}
