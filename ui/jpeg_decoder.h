// Turning the bytes of a JPEG file into a picture, with libjpeg, refusing what is damaged.
#pragma once

#include <QByteArrayView>
#include <QImage>
#include <QString>

struct DecodedJpeg {
    QImage image;   // RGB888; null when error is set
    QString error;  // libjpeg's message, or "" when the picture decoded completely
};

inline constexpr int MaxJpegSide = 4096;

// Decodes a baseline or progressive JPEG of 8-bit samples. Garbage, a truncated file, corrupt
// data and pictures larger than MaxJpegSide on either side are reported in error; nothing of
// them ends the program.
DecodedJpeg decodeJpeg(QByteArrayView bytes);
