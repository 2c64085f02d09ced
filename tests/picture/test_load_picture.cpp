#include "picture/LoadPicture.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

// A GIF picture with a two-colour table (red, blue) and the given palette
// indexes, row by row. Every pixel follows a clear code, so all codes stay
// three bits wide and no dictionary is needed.
QByteArray gifPicture(int width, int height, const QList<int> &indexes)
{
    QByteArray gif("GIF89a");
    const auto word = [&gif](int value) {
        gif.append(char(value & 0xFF));
        gif.append(char(value >> 8));
    };
    word(width);
    word(height);
    gif.append("\x80\x00\x00", 3); // global table of two colours
    gif.append("\xFF\x00\x00\x00\x00\xFF", 6); // red, blue
    gif.append(',');
    word(0);
    word(0);
    word(width);
    word(height);
    gif.append('\0');
    gif.append('\x02'); // minimum code size
    QByteArray data;
    quint32 bits = 0;
    int count = 0;
    const auto code = [&](int value) {
        bits |= quint32(value) << count;
        count += 3;
        while (count >= 8) {
            data.append(char(bits & 0xFF));
            bits >>= 8;
            count -= 8;
        }
    };
    for (int index : indexes) {
        code(4); // clear
        code(index);
    }
    code(5); // end of information
    if (count > 0)
        data.append(char(bits & 0xFF));
    for (qsizetype at = 0; at < data.size(); at += 255) {
        const QByteArray block = data.mid(at, 255);
        gif.append(char(block.size()));
        gif.append(block);
    }
    gif.append('\0');
    gif.append(';');
    return gif;
}

QImage noisePicture(int width, int height)
{
    QImage noise(width, height, QImage::Format_RGB32);
    QRandomGenerator random(7);
    for (int y = 0; y < noise.height(); ++y) {
        auto *line = reinterpret_cast<quint32 *>(noise.scanLine(y));
        for (int x = 0; x < noise.width(); ++x)
            line[x] = random.generate() | 0xFF000000u;
    }
    return noise;
}

class LoadPictureTest : public ::testing::Test
{
protected:
    QString write(const QString &name, const QByteArray &bytes)
    {
        const QString path = dir.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }

    QString save(const QString &name, const QImage &image, const char *format, int quality = -1)
    {
        const QString path = dir.filePath(name);
        EXPECT_TRUE(image.save(path, format, quality));
        return path;
    }

    QTemporaryDir dir;
};

TEST(JpegReduction, TheFileSizeChoosesTheDivisor)
{
    const struct
    {
        qint64 bytes;
        int divisor;
    } cases[] = {{0, 1}, {16000, 1}, {16001, 2}, {50000, 2}, {50001, 4}, {100000, 4}, {100001, 8}, {1 << 30, 8}};
    for (const auto &c : cases)
        EXPECT_EQ(jpegDivisorForFileSize(c.bytes), c.divisor) << c.bytes;
}

TEST_F(LoadPictureTest, ASmallJpegIsDecodedWholeWithItsColours)
{
    QImage image(40, 30, QImage::Format_RGB32);
    image.fill(QColor(200, 40, 20));
    const QString path = save(QStringLiteral("lille.JPG"), image, "JPEG", 95);
    const auto picture = LoadPicture(path, true);
    ASSERT_TRUE(picture.has_value());
    EXPECT_EQ(picture->divisor, 1);
    EXPECT_EQ(picture->size, QSize(40, 30));
    ASSERT_EQ(picture->image.size(), QSize(40, 30));
    const QColor pixel = picture->image.pixelColor(20, 15);
    EXPECT_NEAR(pixel.red(), 200, 8);
    EXPECT_NEAR(pixel.green(), 40, 8);
    EXPECT_NEAR(pixel.blue(), 20, 8);
}

TEST_F(LoadPictureTest, ALargeJpegIsDecodedAtAnEighthRoundedUpUnlessFullSizeIsAsked)
{
    const QString path = save(QStringLiteral("stor.jpeg"), noisePicture(1001, 751), "JPEG", 90);
    ASSERT_GT(QFileInfo(path).size(), 100000);

    const auto reduced = LoadPicture(path, true);
    ASSERT_TRUE(reduced.has_value());
    EXPECT_EQ(reduced->divisor, 8);
    EXPECT_EQ(reduced->size, QSize(1001, 751));
    EXPECT_EQ(reduced->image.size(), QSize(126, 94));

    const auto whole = LoadPicture(path, false);
    ASSERT_TRUE(whole.has_value());
    EXPECT_EQ(whole->divisor, 1);
    EXPECT_EQ(whole->image.size(), QSize(1001, 751));
}

TEST_F(LoadPictureTest, APipeNamedAsAPictureIsNoPictureAndIsNotWaitedFor)
{
    for (const QString &name : {QStringLiteral("ventende.jpg"), QStringLiteral("ventende.png")}) {
        const QString fifo = dir.filePath(name);
        ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        const auto picture = LoadPicture(fifo, true);
        ASSERT_TRUE(picture.has_value());
        EXPECT_TRUE(picture->image.isNull());
    }
}

TEST_F(LoadPictureTest, GifAndPngAreReadAsTheyAre)
{
    const QString gif = write(QStringLiteral("to.gif"), gifPicture(3, 2, {0, 1, 0, 1, 1, 0}));
    const auto fromGif = LoadPicture(gif, true);
    ASSERT_TRUE(fromGif.has_value());
    EXPECT_EQ(fromGif->divisor, 1);
    EXPECT_EQ(fromGif->size, QSize(3, 2));
    EXPECT_EQ(fromGif->image.pixelColor(0, 0), QColor(255, 0, 0));
    EXPECT_EQ(fromGif->image.pixelColor(1, 0), QColor(0, 0, 255));
    EXPECT_EQ(fromGif->image.pixelColor(2, 1), QColor(255, 0, 0));

    QImage image(5, 3, QImage::Format_ARGB32);
    image.fill(Qt::green);
    const auto fromPng = LoadPicture(save(QStringLiteral("grøn.Png"), image, "PNG"), true);
    ASSERT_TRUE(fromPng.has_value());
    EXPECT_EQ(fromPng->divisor, 1);
    EXPECT_EQ(fromPng->size, QSize(5, 3));
}

TEST_F(LoadPictureTest, DamagedOrMissingPicturesGiveNothingToShow)
{
    const QImage image = noisePicture(64, 48);
    QFile whole(save(QStringLiteral("hel.jpg"), image, "JPEG"));
    ASSERT_TRUE(whole.open(QIODevice::ReadOnly));
    const QByteArray jpeg = whole.readAll();

    QByteArray binary(5000, '\0');
    for (int i = 0; i < binary.size(); ++i)
        binary[i] = char(i * 131 % 251);
    const struct
    {
        const char *name;
        QByteArray bytes;
    } damaged[] = {
        {"tom.jpg", QByteArray()},
        {"tekst.jpg", QByteArray("ikke et billede")},
        {"binaer.jpeg", binary},
        {"hoved.jpg", jpeg.left(20)}, // ends inside the header
        {"tekst.gif", QByteArray("GIF89a")},
        {"binaer.png", binary},
    };
    for (const auto &c : damaged) {
        const auto picture = LoadPicture(write(QString::fromUtf8(c.name), c.bytes), true);
        ASSERT_TRUE(picture.has_value()) << c.name;
        EXPECT_EQ(picture->divisor, 0) << c.name;
        EXPECT_TRUE(picture->image.isNull()) << c.name;
    }
    EXPECT_EQ(LoadPicture(dir.filePath(QStringLiteral("mangler.jpg")), true)->divisor, 0);

    // A picture cut short in its data is shown as far as it goes.
    const auto cut = LoadPicture(write(QStringLiteral("halv.jpg"), jpeg.left(jpeg.size() / 2)), true);
    ASSERT_TRUE(cut.has_value());
    EXPECT_EQ(cut->divisor, 1);
    EXPECT_EQ(cut->image.size(), QSize(64, 48));

    // Other kinds are not pictures for the previews, even when they hold one.
    EXPECT_FALSE(LoadPicture(save(QStringLiteral("billede.bmp"), image, "BMP"), true).has_value());
}

} // namespace
