#pragma once

#include <QByteArray>
#include <QImage>

// A JPEG picture decoded by libjpeg at 1/divisor of its size (divisor 1, 2, 4
// or 8; a reduced side is rounded up). `fullSize` is the picture's own size.
struct JpegPicture
{
    QImage image;
    QSize fullSize;
};

enum class JpegResult {
    Decoded,
    Cmyk, // a CMYK or YCCK picture, which libjpeg alone does not turn into screen colours
    Failed, // not a JPEG picture, or damaged beyond reading
};

JpegResult decodeJpeg(const QByteArray &bytes, int divisor, JpegPicture &picture);
