// Writing a picture as a baseline JFIF file, the form in which the window's pictures are kept.
#pragma once

#include <QImage>
#include <QString>

// Encodes picture as a baseline JFIF at 96 dpi, 8 bits, three components without chroma
// subsampling, and writes it to path. Returns an error message, or "" when the file is written.
QString writeJfif(const QImage& picture, const QString& path, int quality);
