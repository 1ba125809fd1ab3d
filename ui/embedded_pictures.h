// The two JPEG pictures compiled into the program.
#pragma once

#include <QImage>
#include <QString>

inline const QString PromptPictureResource = QStringLiteral(":/image2.jpg");
inline const QString RestartPictureResource = QStringLiteral(":/image15.jpg");

// The decoded JPEG resource. A picture that cannot be decoded gives a null image and a warning
// naming it: the window then shows an empty place instead.
QImage embeddedJpeg(const QString& resource);
