#include "picture/LoadPicture.h"

#include "picture/JpegDecoding.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>

namespace {

LoadedPicture readWithQt(const QString &path, int divisor)
{
    QImageReader reader(path);
    LoadedPicture picture;
    picture.size = reader.size();
    if (divisor > 1 && picture.size.isValid())
        reader.setScaledSize(
            QSize((picture.size.width() + divisor - 1) / divisor, (picture.size.height() + divisor - 1) / divisor));
    picture.image = reader.read();
    if (picture.image.isNull())
        return LoadedPicture();
    if (!picture.size.isValid())
        picture.size = picture.image.size();
    picture.divisor = divisor;
    return picture;
}

LoadedPicture readJpeg(const QString &path, bool reduce)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return LoadedPicture();
    const QByteArray bytes = file.readAll();
    const int divisor = reduce ? jpegDivisorForFileSize(bytes.size()) : 1;
    JpegPicture jpeg;
    switch (decodeJpeg(bytes, divisor, jpeg)) {
    case JpegResult::Decoded:
        return LoadedPicture{jpeg.image, jpeg.fullSize, divisor};
    case JpegResult::Cmyk:
        return readWithQt(path, divisor);
    case JpegResult::Failed:
        break;
    }
    return LoadedPicture();
}

} // namespace

int jpegDivisorForFileSize(qint64 bytes)
{
    if (bytes <= 16000)
        return 1;
    if (bytes <= 50000)
        return 2;
    if (bytes <= 100000)
        return 4;
    return 8;
}

std::optional<LoadedPicture> LoadPicture(const QString &path, bool reduce)
{
    const QFileInfo info(path);
    const QString extension = info.suffix().toLower();
    const bool jpeg = extension == QLatin1String("jpg") || extension == QLatin1String("jpeg");
    if (!jpeg && extension != QLatin1String("gif") && extension != QLatin1String("png"))
        return std::nullopt;
    // A pipe or a device is no picture, and reading one might never end.
    if (!info.isFile())
        return LoadedPicture();
    return jpeg ? readJpeg(path, reduce) : readWithQt(path, 1);
}
