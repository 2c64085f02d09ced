#include "picture/JpegDecoding.h"

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace {

// libjpeg's own error handler ends the process; this one jumps back instead.
struct ErrorJump
{
    jpeg_error_mgr manager;
    std::jmp_buf jump;
};

[[noreturn]] void jumpBack(j_common_ptr info)
{
    std::longjmp(reinterpret_cast<ErrorJump *>(info->err)->jump, 1);
}

void keepQuiet(j_common_ptr)
{
}

// Kept free of C++ objects with destructors, as a long jump passes over them.
JpegResult decode(jpeg_decompress_struct &info, ErrorJump &errors, const QByteArray &bytes, int divisor, JpegPicture &picture)
{
    if (setjmp(errors.jump)) {
        jpeg_destroy_decompress(&info);
        return JpegResult::Failed;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char *>(bytes.constData()), static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&info, TRUE);
    picture.fullSize = QSize(static_cast<int>(info.image_width), static_cast<int>(info.image_height));
    if (info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK) {
        jpeg_destroy_decompress(&info);
        return JpegResult::Cmyk;
    }
    info.scale_num = 1;
    info.scale_denom = static_cast<unsigned int>(divisor);
    info.out_color_space = JCS_EXT_BGRX;
    jpeg_start_decompress(&info);
    picture.image = QImage(static_cast<int>(info.output_width), static_cast<int>(info.output_height), QImage::Format_RGB32);
    if (picture.image.isNull()) {
        jpeg_destroy_decompress(&info);
        return JpegResult::Failed;
    }
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = picture.image.scanLine(static_cast<int>(info.output_scanline));
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return JpegResult::Decoded;
}

} // namespace

JpegResult decodeJpeg(const QByteArray &bytes, int divisor, JpegPicture &picture)
{
    if (bytes.isEmpty())
        return JpegResult::Failed;
    jpeg_decompress_struct info{};
    ErrorJump errors{};
    info.err = jpeg_std_error(&errors.manager);
    errors.manager.error_exit = jumpBack;
    errors.manager.output_message = keepQuiet;
    const JpegResult result = decode(info, errors, bytes, divisor, picture);
    if (result == JpegResult::Failed)
        picture = JpegPicture();
    return result;
}
