// The pictures compiled into the program: the two JPEG pictures of the window and its icon.
#pragma once

#include <QIcon>
#include <QImage>
#include <QString>

inline const QString PromptPictureResource = QStringLiteral(":/image2.jpg");
inline const QString RestartPictureResource = QStringLiteral(":/image15.jpg");

// The decoded JPEG resource. A picture that cannot be decoded gives a null image and a warning
// naming it: the window then shows an empty place instead.
QImage embeddedJpeg(const QString& resource);

// The board with the four start discs, in 16, 24 and 32 pixels.
QIcon programIcon();
