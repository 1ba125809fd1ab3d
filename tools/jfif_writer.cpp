#include "jfif_writer.h"

#include <QFile>

#include <cstdio>
#include <cstdlib>
#include <jpeglib.h>

QString writeJfif(const QImage& picture, const QString& path, int quality)
{
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB888);

    // Encoding into memory cannot fail on a valid image; libjpeg's own handler would end the
    // tool with its message, which is what a generator should do.
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);

    info.image_width = static_cast<JDIMENSION>(rgb.width());
    info.image_height = static_cast<JDIMENSION>(rgb.height());
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    info.density_unit = 1;  // dots per inch
    info.X_density = 96;
    info.Y_density = 96;
    // Full-resolution colour keeps the thin black text free of coloured fringes.
    for (int c = 0; c < 3; ++c) info.comp_info[c].h_samp_factor = info.comp_info[c].v_samp_factor = 1;

    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        auto* row = const_cast<JSAMPLE*>(rgb.constScanLine(static_cast<int>(info.next_scanline)));
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);

    QFile file(path);
    const bool written = file.open(QIODevice::WriteOnly) &&
                         file.write(reinterpret_cast<const char*>(buffer), static_cast<qint64>(size)) ==
                             static_cast<qint64>(size);
    std::free(buffer);
    if (!written || !file.flush()) return path + QStringLiteral(": ") + file.errorString();
    return {};
}
