// Pages read and written through the document model: bytes kept as they
// were, every read failure told as its kind with the text the user sees, and
// every write failure with the system's reason.
#include "documents/DocumentIo.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

namespace {

void writeAll(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(DocumentIo, ReadsTheBytesTheirEncodingLineBreakAndTime)
{
    QTemporaryDir dir;
    const struct
    {
        QByteArray bytes;
        FileEncoding encoding;
        QString lineBreak;
    } cases[] = {
        {QByteArray("<p>bl\xc3\xa5</p>\r\nx"), FileEncoding::Utf8, QStringLiteral("\r\n")},
        {QByteArray("\xef\xbb\xbf<p>\xc3\xb8</p>\n"), FileEncoding::Utf8WithBom, QStringLiteral("\n")},
        {QByteArray("bl\xe5\rb\xe6r"), FileEncoding::Windows1252, QStringLiteral("\r")},
    };
    for (const auto &c : cases) {
        const QString path = dir.filePath(QStringLiteral("side.htm"));
        writeAll(path, c.bytes);
        const auto read = DocumentIo::read(path);
        ASSERT_TRUE(std::holds_alternative<PageFile>(read)) << c.bytes.toHex().toStdString();
        const PageFile &page = std::get<PageFile>(read);
        EXPECT_EQ(page.bytes, c.bytes);
        EXPECT_EQ(page.encoding, c.encoding);
        EXPECT_EQ(page.lineBreak, c.lineBreak);
        EXPECT_EQ(page.fileTime, QFileInfo(path).lastModified());
    }
}

TEST(DocumentIo, FailuresAreToldByKindWithTheDanishText)
{
    QTemporaryDir dir;
    const QString missing = dir.filePath(QStringLiteral("mangler.htm"));
    const QString pipe = dir.filePath(QStringLiteral("rør.htm"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    const struct
    {
        QString path;
        DocumentError::Kind kind;
        QString text;
    } cases[] = {
        {missing, DocumentError::Kind::Missing, QStringLiteral("Filen %1 findes ikke.")},
        {dir.path(), DocumentError::Kind::Folder, QStringLiteral("%1 er en mappe, ikke en fil.")},
        {pipe, DocumentError::Kind::Unreadable, QStringLiteral("Filen %1 kan ikke læses.")},
        {QStringLiteral("/dev/zero"), DocumentError::Kind::Unreadable, QStringLiteral("Filen %1 kan ikke læses.")},
    };
    for (const auto &c : cases) {
        const auto read = DocumentIo::read(c.path);
        ASSERT_TRUE(std::holds_alternative<DocumentError>(read)) << c.path.toStdString();
        EXPECT_EQ(std::get<DocumentError>(read).kind, c.kind) << c.path.toStdString();
        EXPECT_EQ(std::get<DocumentError>(read).text, c.text.arg(QDir::toNativeSeparators(c.path)));
    }
}

TEST(DocumentIo, WritesInTheEncodingReadAndLeavesTheOldFileWholeOnFailure)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("side.htm"));
    FileEncoding encoding = FileEncoding::Windows1252;
    EXPECT_FALSE(DocumentIo::write(path, QByteArray("bl\xc3\xa5"), encoding));
    EXPECT_EQ(readAll(path), QByteArray("bl\xe5"));
    EXPECT_EQ(encoding, FileEncoding::Windows1252);

    // A character Windows-1252 has no byte for: the page becomes UTF-8, nothing lost.
    EXPECT_FALSE(DocumentIo::write(path, QByteArray("bl\xc3\xa5 \xe2\x86\x92"), encoding));
    EXPECT_EQ(readAll(path), QByteArray("bl\xc3\xa5 \xe2\x86\x92"));
    EXPECT_EQ(encoding, FileEncoding::Utf8);

    const QString nowhere = dir.filePath(QStringLiteral("ingen/mappe/side.htm"));
    const std::optional<FileWriteError> error = DocumentIo::write(nowhere, QByteArray("x"), encoding);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->reason(), QStringLiteral("mappen findes ikke"));
    EXPECT_EQ(DocumentIo::fileTime(nowhere), QDateTime());
}

TEST(DocumentIo, AFolderThatMayNotBeWrittenKeepsTheOldFileAndSaysWhy)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "root may write anywhere";
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("side.htm"));
    writeAll(path, "old");
    ASSERT_TRUE(QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    FileEncoding encoding = FileEncoding::Utf8;
    const std::optional<FileWriteError> error = DocumentIo::write(path, QByteArray("new"), encoding);
    QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->reason(), QStringLiteral("du har ikke tilladelse til at skrive der"));
    EXPECT_EQ(readAll(path), QByteArray("old"));
}

} // namespace
