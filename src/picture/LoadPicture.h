#pragma once

#include <QImage>
#include <QString>

#include <optional>

// A picture read for a preview.
struct LoadedPicture
{
    QImage image; // what to show; null when reading failed
    QSize size; // the picture's own width and height in pixels
    int divisor = 0; // 1, 2, 4 or 8: the image is that much smaller; 0: reading failed
};

// Reads a picture by its extension, compared without regard to case: a JPEG
// picture with `reduce` at a size chosen by its file size (full size up to
// 16000 bytes, half up to 50000, a quarter up to 100000, else an eighth), a
// GIF or PNG picture as it is. Nothing for any other extension: such files are
// not pictures the previews show. Never throws.
std::optional<LoadedPicture> LoadPicture(const QString &path, bool reduce);

// The divisor that reduction picks for a JPEG file of that many bytes.
int jpegDivisorForFileSize(qint64 bytes);
