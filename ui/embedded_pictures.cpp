#include "embedded_pictures.h"

#include "jpeg_decoder.h"

#include <QFile>
#include <QtGlobal>

QImage embeddedJpeg(const QString& resource)
{
    QFile file(resource);
    if (!file.open(QIODevice::ReadOnly)) {
        qWarning("%s: %s", qPrintable(resource), qPrintable(file.errorString()));
        return {};
    }
    DecodedJpeg decoded = decodeJpeg(file.readAll());
    if (!decoded.error.isEmpty()) qWarning("%s: %s", qPrintable(resource), qPrintable(decoded.error));
    return decoded.image;
}
