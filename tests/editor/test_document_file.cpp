// Document files read as their text a piece at a time, and written beside
// the old file and renamed over it: the text and encoding are those of the
// whole bytes, the old file stays whole on every failure, and each failure
// keeps the system's reason.
#include "editor/AtomicFileWriter.h"
#include "editor/DocumentFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr qsizetype Megabyte = 1 << 20;

QByteArray native(const QString &path)
{
    return QFile::encodeName(path);
}

// By the name's bytes, which Qt would take as UTF-8.
void writeAll(const QByteArray &path, const QByteArray &bytes)
{
    std::FILE *file = std::fopen(path.constData(), "wb");
    ASSERT_TRUE(file);
    EXPECT_EQ(std::fwrite(bytes.constData(), 1, size_t(bytes.size()), file), size_t(bytes.size()));
    std::fclose(file);
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// ASCII up to `at`, then `middle`, then ASCII to `size`.
QByteArray pageWith(qsizetype at, const QByteArray &middle, qsizetype size = 2 * Megabyte + 100)
{
    return QByteArray(at, 'a') + middle + QByteArray(size - at - middle.size(), 'b');
}

TEST(DocumentFile, LargePagesAreReadAsTheirWholeBytesWouldBe)
{
    QTemporaryDir dir;
    const QByteArray bom = "\xEF\xBB\xBF";
    const struct
    {
        const char *name;
        QByteArray bytes;
        FileEncoding encoding;
    } cases[] = {
        // Characters of two, three and four bytes cut by the end of a piece read.
        {"two bytes across", pageWith(Megabyte - 1, "\xC3\xA6"), FileEncoding::Utf8},
        {"three bytes across", pageWith(Megabyte - 2, "\xE2\x82\xAC"), FileEncoding::Utf8},
        {"four bytes across", pageWith(2 * Megabyte - 1, "\xF0\x9F\x98\x80"), FileEncoding::Utf8},
        // A zero-width no-break space starting a piece is text, not a mark.
        {"U+FEFF at a piece", pageWith(Megabyte, bom), FileEncoding::Utf8},
        {"byte order mark", bom + pageWith(Megabyte - 4, "\xC3\xB8"), FileEncoding::Utf8WithBom},
        // Bytes that are no UTF-8 late in the file: all of it is Windows-1252.
        {"late Windows-1252", pageWith(Megabyte - 1, "\xC3\xA6") + "bl\xE5", FileEncoding::Windows1252},
        {"mark and Windows-1252", bom + pageWith(Megabyte + 7, "\xE6"), FileEncoding::Windows1252},
        {"cut last character", pageWith(10, "\xC3\xA6", 3 * Megabyte) + "\xE2\x82", FileEncoding::Windows1252},
        {"empty", QByteArray(), FileEncoding::Utf8},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const QByteArray path = native(dir.filePath(QStringLiteral("side.html")));
        writeAll(path, c.bytes);
        const std::optional<DocumentFile> file = readDocumentFile(path);
        ASSERT_TRUE(file);
        EXPECT_EQ(file->encoding, c.encoding);
        EXPECT_EQ(detectFileEncoding(c.bytes), c.encoding);
        EXPECT_TRUE(file->text.toUtf8() == decodedAsUtf8(c.bytes, c.encoding));
    }
}

TEST(DocumentFile, ANameThatIsNoUtf8IsReadAndWrittenByItsBytes)
{
    QTemporaryDir dir;
    const QByteArray path = native(dir.path()) + "/bl\xE5.html";
    writeAll(path, "<p>gammel</p>");
    const std::optional<DocumentFile> file = readDocumentFile(path);
    ASSERT_TRUE(file);
    EXPECT_EQ(file->text, QStringLiteral("<p>gammel</p>"));

    AtomicFileWriter writer(path);
    EXPECT_TRUE(writer.write("<p>ny</p>"));
    EXPECT_TRUE(writer.commit());
    EXPECT_EQ(readDocumentFile(path)->text, QStringLiteral("<p>ny</p>"));
    // Nor can QTemporaryDir remove it.
    EXPECT_EQ(::unlink(path.constData()), 0);
}

TEST(AtomicFileWriter, ReplacesByRenameKeepingPermissionsAndLinks)
{
    QTemporaryDir dir;
    const QString page = dir.filePath(QStringLiteral("side.html"));
    const QString link = dir.filePath(QStringLiteral("genvej.html"));
    const QString oldName = dir.filePath(QStringLiteral("gammel.html"));
    writeAll(native(page), "old");
    ASSERT_EQ(::chmod(native(page).constData(), 0640), 0);
    ASSERT_EQ(::symlink("side.html", native(link).constData()), 0);
    // A second name for the old file: a rename leaves it with the old bytes.
    ASSERT_EQ(::link(native(page).constData(), native(oldName).constData()), 0);

    AtomicFileWriter writer(native(link));
    EXPECT_TRUE(writer.write("new "));
    EXPECT_TRUE(writer.write("page"));
    EXPECT_EQ(readAll(page), "old") << "nothing shows before the commit";
    EXPECT_TRUE(writer.commit());

    EXPECT_EQ(readAll(page), "new page");
    EXPECT_EQ(readAll(oldName), "old");
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    struct stat status;
    ASSERT_EQ(::stat(native(page).constData(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0640u);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::System).size(), 3);
}

TEST(AtomicFileWriter, AnAbandonedWriteLeavesTheOldFileAndNoCopy)
{
    QTemporaryDir dir;
    const QString page = dir.filePath(QStringLiteral("side.html"));
    writeAll(native(page), "old");
    {
        AtomicFileWriter writer(native(page));
        EXPECT_TRUE(writer.write("half"));
    }
    EXPECT_EQ(readAll(page), "old");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("side.html")});
}

TEST(AtomicFileWriter, FailuresKeepTheSystemsReason)
{
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("mappe"));
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString loop = dir.filePath(QStringLiteral("ring.html"));
    ASSERT_EQ(::symlink("ring.html", native(loop).constData()), 0);
    const struct
    {
        QString path;
        int errorNumber;
    } cases[] = {
        {dir.filePath(QStringLiteral("væk/side.html")), ENOENT},
        {folder, EISDIR},
        {loop, ELOOP},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.path.toStdString());
        AtomicFileWriter writer(native(c.path));
        EXPECT_FALSE(writer.write("x"));
        EXPECT_FALSE(writer.commit());
        EXPECT_EQ(writer.error().errorNumber, c.errorNumber);
        EXPECT_FALSE(writer.error().systemText.isEmpty());
    }
}

TEST(AtomicFileWriter, AFolderOrFileThatMayNotBeWrittenIsRefused)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "root may write anywhere";
    QTemporaryDir dir;
    const QString locked = dir.filePath(QStringLiteral("låst"));
    ASSERT_TRUE(QDir().mkpath(locked));
    writeAll(native(locked + QStringLiteral("/side.html")), "old");
    const QString protectedPage = dir.filePath(QStringLiteral("beskyttet.html"));
    writeAll(native(protectedPage), "old");
    ASSERT_EQ(::chmod(native(protectedPage).constData(), 0444), 0);
    ASSERT_EQ(::chmod(native(locked).constData(), 0555), 0);
    for (const QString &path : {QString(locked + QStringLiteral("/side.html")), protectedPage}) {
        SCOPED_TRACE(path.toStdString());
        AtomicFileWriter writer(native(path));
        EXPECT_FALSE(writer.write("new"));
        EXPECT_FALSE(writer.commit());
        EXPECT_EQ(writer.error().errorNumber, EACCES);
        EXPECT_EQ(readAll(path), "old");
    }
    ::chmod(native(locked).constData(), 0755);
}

TEST(FileWriteError, CommonReasonsAreDanishAndOthersTheSystemsText)
{
    const struct
    {
        int errorNumber;
        const char *reason;
    } cases[] = {
        {ENOSPC, "der er ikke mere plads på drevet"},
        {EDQUOT, "din plads på drevet er brugt op"},
        {EACCES, "du har ikke tilladelse til at skrive der"},
        {EPERM, "du har ikke tilladelse til at skrive der"},
        {ENOENT, "mappen findes ikke"},
        {EROFS, "drevet er skrivebeskyttet"},
        {EIO, "Input/output error"},
    };
    for (const auto &c : cases) {
        const FileWriteError error{c.errorNumber, QStringLiteral("Input/output error")};
        EXPECT_EQ(error.reason(), QString::fromUtf8(c.reason)) << c.errorNumber;
    }
}

} // namespace
