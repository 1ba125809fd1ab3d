#include "jpeg_decoder.h"

#include <csetjmp>
#include <cstdio>
#include <jpeglib.h>
#include <jerror.h>

namespace {

// libjpeg's own error handler ends the process; this one jumps back to the decoder instead.
struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

[[noreturn]] void jumpBack(j_common_ptr info)
{
    auto* errors = reinterpret_cast<ErrorManager*>(info->err);
    (*info->err->format_message)(info, errors->message);
    std::longjmp(errors->jump, 1);
}

// A warning means the data is damaged (a truncated file is only warned about and filled with
// grey): treated as an error. Trace messages (levels 0 and above) are ignored.
void refuseWarnings(j_common_ptr info, int level)
{
    if (level < 0) jumpBack(info);
}

// Decodes into image, which the caller owns: between setjmp and the last libjpeg call this
// function holds nothing that needs a destructor. Returns false with errors.message set.
bool decodeInto(const unsigned char* data, std::size_t size, ErrorManager& errors, QImage& image)
{
    jpeg_decompress_struct info{};
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = jumpBack;
    errors.base.emit_message = refuseWarnings;
    if (setjmp(errors.jump)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, data, static_cast<unsigned long>(size));
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_RGB;
    jpeg_calc_output_dimensions(&info);
    if (info.output_width > MaxJpegSide || info.output_height > MaxJpegSide)
        ERREXIT1(&info, JERR_IMAGE_TOO_BIG, MaxJpegSide);
    jpeg_start_decompress(&info);
    image = QImage(static_cast<int>(info.output_width), static_cast<int>(info.output_height), QImage::Format_RGB888);
    if (image.isNull()) ERREXIT1(&info, JERR_OUT_OF_MEMORY, 0);
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = image.scanLine(static_cast<int>(info.output_scanline));
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}

}  // namespace

DecodedJpeg decodeJpeg(QByteArrayView bytes)
{
    DecodedJpeg result;
    ErrorManager errors{};
    if (!decodeInto(reinterpret_cast<const unsigned char*>(bytes.data()), static_cast<std::size_t>(bytes.size()), errors,
                    result.image)) {
        result.image = QImage();
        result.error = QString::fromLocal8Bit(errors.message);
    }
    return result;
}
