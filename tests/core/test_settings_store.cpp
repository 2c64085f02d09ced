#include "core/SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <chrono>
#include <fcntl.h>
#include <future>
#include <sys/stat.h>
#include <unistd.h>

namespace {

class SettingsStoreTest : public ::testing::Test
{
protected:
    QString iniPath() const { return m_dir.filePath(QStringLiteral("Pagewick/Pagewick.ini")); }

    void writeRaw(const QByteArray &bytes, const QString &path = {})
    {
        const QString target = path.isEmpty() ? iniPath() : path;
        QDir().mkpath(QFileInfo(target).absolutePath());
        QFile file(target);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
    }

    static QByteArray readRaw(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
    }

    QTemporaryDir m_dir;
};

TEST_F(SettingsStoreTest, TextValuesSurviveAWriteAndAReadExactly)
{
    const QStringList values = {
        QString(),
        QStringLiteral("plain"),
        QStringLiteral("  blanks around  "),
        QStringLiteral("a, b, c"),
        QStringLiteral("key=value; comment"),
        QStringLiteral("\"quoted\" and 'single'"),
        QStringLiteral("C:\\Mine Dokumenter\\side.htm"),
        QStringLiteral("first line\r\nsecond line\ttab"),
        QStringLiteral("@Variant(not really)"),
        QStringLiteral("æøå ÆØÅ é ü € 😀"),
        QStringLiteral("*.*htm*;*.asp;*.inc;*.php"),
    };
    {
        SettingsStore store(iniPath());
        for (int i = 0; i < values.size(); ++i)
            store.writeText(QStringLiteral("Indstillinger"), QStringLiteral("Værdi%1").arg(i), values[i]);
        store.writeText(QStringLiteral("Ftp2\\Min side"), QStringLiteral("Vært"), QStringLiteral("ftp.example.dk"));
        ASSERT_TRUE(store.flush());
    }
    SettingsStore reread(iniPath());
    for (int i = 0; i < values.size(); ++i) {
        EXPECT_EQ(reread.readText(QStringLiteral("Indstillinger"), QStringLiteral("Værdi%1").arg(i), QStringLiteral("?")),
                  values[i])
            << i;
    }
    EXPECT_EQ(reread.readText(QStringLiteral("Ftp2\\Min side"), QStringLiteral("Vært"), QString()),
              QStringLiteral("ftp.example.dk"));
}

TEST_F(SettingsStoreTest, NamesCompareWithoutRegardToCase)
{
    SettingsStore store(iniPath());
    store.writeText(QStringLiteral("Indstillinger"), QStringLiteral("Browsersti1"), QStringLiteral("/usr/bin/a"));
    store.writeText(QStringLiteral("INDSTILLINGER"), QStringLiteral("BrowserSti1"), QStringLiteral("/usr/bin/b"));
    store.writeInt(QStringLiteral("start"), QStringLiteral("højde"), 300);

    EXPECT_EQ(store.readText(QStringLiteral("indstillinger"), QStringLiteral("BROWSERSTI1"), QString()),
              QStringLiteral("/usr/bin/b"));
    EXPECT_EQ(store.readSection(QStringLiteral("Indstillinger")), QStringList{QStringLiteral("Browsersti1=/usr/bin/b")});
    EXPECT_EQ(store.readInt(QStringLiteral("Start"), QStringLiteral("HØJDE"), 0), 300);
}

TEST_F(SettingsStoreTest, NumbersAndBooleansReadWithTheCallersDefault)
{
    SettingsStore store(iniPath());
    const struct
    {
        const char *stored;
        int asInt;
        bool asBool;
    } cases[] = {
        {"42", 42, true},  {"-7", -7, true}, {"0", 0, false},           {"2", 2, true},     {"x", 99, true},
        {"4.5", 99, true}, {"", 99, true},   {"99999999999", 99, true}, {" 12 ", 12, true}, {"12abc", 99, true},
    };
    for (const auto &c : cases) {
        store.writeText(QStringLiteral("S"), QStringLiteral("K"), QString::fromUtf8(c.stored));
        EXPECT_EQ(store.readInt(QStringLiteral("S"), QStringLiteral("K"), 99), c.asInt) << c.stored;
        EXPECT_EQ(store.readBool(QStringLiteral("S"), QStringLiteral("K"), true), c.asBool) << c.stored;
    }
    EXPECT_EQ(store.readInt(QStringLiteral("S"), QStringLiteral("Missing"), 5), 5);
    EXPECT_FALSE(store.readBool(QStringLiteral("Missing"), QStringLiteral("K"), false));
    store.writeBool(QStringLiteral("S"), QStringLiteral("B"), true);
    EXPECT_EQ(store.readText(QStringLiteral("S"), QStringLiteral("B"), QString()), QStringLiteral("1"));
    store.writeBool(QStringLiteral("S"), QStringLiteral("B"), false);
    EXPECT_EQ(store.readText(QStringLiteral("S"), QStringLiteral("B"), QString()), QStringLiteral("0"));
}

TEST_F(SettingsStoreTest, SectionsReadAsLinesInWriteOrderAndEraseWhole)
{
    {
        SettingsStore store(iniPath());
        store.writeText(QStringLiteral("Koder"), QStringLiteral("b"), QStringLiteral("2"));
        store.writeText(QStringLiteral("Koder"), QStringLiteral("a"), QStringLiteral("1=one"));
        store.writeText(QStringLiteral("Meta"), QStringLiteral("x"), QStringLiteral("y"));
        EXPECT_EQ(store.readSection(QStringLiteral("koder")), (QStringList{QStringLiteral("b=2"), QStringLiteral("a=1=one")}));
        store.eraseSection(QStringLiteral("KODER"));
        EXPECT_TRUE(store.readSection(QStringLiteral("Koder")).isEmpty());
        EXPECT_EQ(store.readText(QStringLiteral("Koder"), QStringLiteral("a"), QStringLiteral("gone")), QStringLiteral("gone"));
    }
    SettingsStore reread(iniPath());
    EXPECT_TRUE(reread.readSection(QStringLiteral("Koder")).isEmpty());
    EXPECT_EQ(reread.readSection(QStringLiteral("Meta")), QStringList{QStringLiteral("x=y")});
}

// Binary garbage with zero bytes, as a damaged file may hold.
const char Garbage[] = "\x00\x01\xff\xfe garbage [[[ \x00 ==";

TEST_F(SettingsStoreTest, AnUnusableFileReadsAsDefaultsAndIsReplacedWhole)
{
    const QList<QByteArray> files = {
        QByteArray(Garbage, sizeof Garbage - 1),
        QByteArray("[Start]\nTop=12\nVenstre=3"), // truncated after a value
        QByteArray("[Start]\nTop=abc\nBredde=\n[Sta"), // garbage values, cut section
    };
    for (const QByteArray &bytes : files) {
        writeRaw(bytes);
        {
            SettingsStore store(iniPath());
            const int top = store.readInt(QStringLiteral("Start"), QStringLiteral("Top"), 5);
            EXPECT_TRUE(top == 5 || top == 12) << bytes.toHex().toStdString();
            EXPECT_EQ(store.readInt(QStringLiteral("Start"), QStringLiteral("Bredde"), 630), 630);
            store.writeInt(QStringLiteral("Start"), QStringLiteral("Bredde"), 700);
        }
        SettingsStore reread(iniPath());
        EXPECT_EQ(reread.readInt(QStringLiteral("Start"), QStringLiteral("Bredde"), 0), 700) << bytes.toHex().toStdString();
    }
}

TEST_F(SettingsStoreTest, ADamagedLineIsPassedOverAndTheLinesAfterItAreRead)
{
    const struct
    {
        const char *file;
        const char *lost; // "Section/Key" of a value on or below the damaged line
    } cases[] = {
        {"[A\nX=1\n[Start]\nTop=12\n[Meta]\nY=2\n", "A/X"}, // an unclosed header first
        {"[Start]\nX=\"unterminated\nTop=12\n[Meta]\nY=2\n", "Start/X"}, // an open quote runs on
        {"[Start]\nTop=12\n[Bro;ken]\nX=1\n[Meta]\nY=2\n", "Start/X"}, // the "]" only in a comment
        {"[Start]\nX=a \\\nTop=12\n[Meta]\nY=2\n", "Start/X"}, // a backslash joins the next line
        {"[Start]\nno equals sign\nTop=12\r\n[Meta]\r\nY=2", "Start/no equals sign"},
        {"\xef\xbb\xbf[Start]\nTop=12\n\"[A]\n[Meta]\nX=\"open\nY=2\n", "Meta/X"},
    };
    for (const auto &c : cases) {
        writeRaw(QByteArray(c.file));
        const SettingsStore store(iniPath());
        EXPECT_EQ(store.readInt(QStringLiteral("Start"), QStringLiteral("Top"), 0), 12) << c.file;
        EXPECT_EQ(store.readInt(QStringLiteral("Meta"), QStringLiteral("Y"), 0), 2) << c.file;
        const QStringList lost = QString::fromLatin1(c.lost).split(QLatin1Char('/'));
        EXPECT_EQ(store.readText(lost[0], lost[1], QStringLiteral("none")), QStringLiteral("none")) << c.file;
        EXPECT_EQ(store.readText(QStringLiteral("A"), QStringLiteral("X"), QStringLiteral("none")), QStringLiteral("none"))
            << c.file;
    }
}

TEST_F(SettingsStoreTest, ADamagedFileIsKeptUnderAFreeBackupNameBeforeItIsReplaced)
{
    const QByteArray first("[A\n[Start]\nTop=12\n");
    const QByteArray second("[Start]\nTop=12\nX=\"open\n");
    for (const QByteArray &damaged : {first, second}) {
        writeRaw(damaged);
        SettingsStore store(iniPath());
        store.writeInt(QStringLiteral("Start"), QStringLiteral("Bredde"), 700);
        ASSERT_TRUE(store.flush());
        store.writeInt(QStringLiteral("Start"), QStringLiteral("Bredde"), 800);
        ASSERT_TRUE(store.flush()); // kept once, not again
    }
    EXPECT_EQ(readRaw(iniPath() + QStringLiteral(".bak")), first);
    EXPECT_EQ(readRaw(iniPath() + QStringLiteral(".1.bak")), second);
    EXPECT_FALSE(QFileInfo::exists(iniPath() + QStringLiteral(".2.bak")));
    const SettingsStore reread(iniPath());
    EXPECT_EQ(reread.readInt(QStringLiteral("Start"), QStringLiteral("Top"), 0), 12);
    EXPECT_EQ(reread.readInt(QStringLiteral("Start"), QStringLiteral("Bredde"), 0), 800);

    // A whole file is replaced without a copy.
    SettingsStore whole(iniPath());
    whole.writeInt(QStringLiteral("Start"), QStringLiteral("Bredde"), 900);
    ASSERT_TRUE(whole.flush());
    EXPECT_FALSE(QFileInfo::exists(iniPath() + QStringLiteral(".2.bak")));
}

// A pipe with no writer would hold a reader that waits for one; the wait is
// bounded by opening the other end, which lets such a reader go.
TEST_F(SettingsStoreTest, WhatIsNoRegularFileReadsAsUnreadableAndIsNeverWritten)
{
    const QString pipe = m_dir.filePath(QStringLiteral("pipe/Pagewick.ini"));
    ASSERT_TRUE(QDir().mkpath(QFileInfo(pipe).absolutePath()));
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    const QString folder = m_dir.filePath(QStringLiteral("folder/Pagewick.ini"));
    ASSERT_TRUE(QDir().mkpath(folder + QStringLiteral("/inside")));

    for (const QString &path : {pipe, folder}) {
        auto opened = std::async(std::launch::async, [path] { return std::make_unique<SettingsStore>(path); });
        if (opened.wait_for(std::chrono::seconds(5)) != std::future_status::ready) {
            const int writer = ::open(QFile::encodeName(pipe).constData(), O_WRONLY | O_NONBLOCK);
            ::close(writer);
            FAIL() << "opening waited: " << path.toStdString();
        }
        const std::unique_ptr<SettingsStore> store = opened.get();
        EXPECT_TRUE(store->unreadable()) << path.toStdString();
        EXPECT_EQ(store->readInt(QStringLiteral("Start"), QStringLiteral("Top"), 5), 5);
        store->writeInt(QStringLiteral("Start"), QStringLiteral("Top"), 7);
        EXPECT_FALSE(store->flush());
    }
    struct stat status;
    ASSERT_EQ(::lstat(QFile::encodeName(pipe).constData(), &status), 0);
    EXPECT_TRUE(S_ISFIFO(status.st_mode));
    EXPECT_TRUE(QFileInfo(folder + QStringLiteral("/inside")).isDir());
    EXPECT_FALSE(QFileInfo::exists(pipe + QStringLiteral(".new")));

    SettingsStore missing(m_dir.filePath(QStringLiteral("none/Pagewick.ini")));
    EXPECT_FALSE(missing.unreadable());
}

TEST_F(SettingsStoreTest, ALinkedFileIsWrittenThroughItsLink)
{
    const struct
    {
        const char *target; // relative to the link's folder
        bool exists;
    } cases[] = {
        {"../dotfiles/pagewick.ini", true},
        {"../dotfiles/not-yet.ini", false},
    };
    for (const auto &c : cases) {
        const QString target =
            QFileInfo(m_dir.filePath(QStringLiteral("Pagewick/") + QString::fromLatin1(c.target))).absoluteFilePath();
        if (c.exists)
            writeRaw("[Start]\nTop=12\n", target);
        QDir().mkpath(QFileInfo(iniPath()).absolutePath());
        QFile::remove(iniPath());
        ASSERT_EQ(::symlink(c.target, QFile::encodeName(iniPath()).constData()), 0);
        {
            SettingsStore store(iniPath());
            EXPECT_EQ(store.readInt(QStringLiteral("Start"), QStringLiteral("Top"), 0), c.exists ? 12 : 0);
            store.writeInt(QStringLiteral("Start"), QStringLiteral("Bredde"), 700);
            ASSERT_TRUE(store.flush()) << c.target;
        }
        EXPECT_TRUE(QFileInfo(iniPath()).isSymLink()) << c.target;
        const SettingsStore reread(target);
        EXPECT_EQ(reread.readInt(QStringLiteral("Start"), QStringLiteral("Bredde"), 0), 700) << c.target;
        EXPECT_EQ(reread.readInt(QStringLiteral("Start"), QStringLiteral("Top"), 0), c.exists ? 12 : 0) << c.target;
    }
}

TEST_F(SettingsStoreTest, AReadOnlyStoreNeverWritesItsFile)
{
    const QByteArray unusable(Garbage, sizeof Garbage - 1);
    writeRaw(unusable);
    {
        SettingsStore store(iniPath(), SettingsStore::Access::ReadOnly);
        store.writeInt(QStringLiteral("Start"), QStringLiteral("Top"), 7);
        EXPECT_EQ(store.readInt(QStringLiteral("Start"), QStringLiteral("Top"), 0), 7);
        EXPECT_FALSE(store.flush());
    }
    QFile file(iniPath());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), unusable);
}

TEST_F(SettingsStoreTest, AFailedWriteLeavesTheOldFileWhole)
{
    {
        SettingsStore store(iniPath());
        store.writeText(QStringLiteral("Start"), QStringLiteral("Top"), QStringLiteral("11"));
        ASSERT_TRUE(store.flush());
    }
    QFile before(iniPath());
    ASSERT_TRUE(before.open(QIODevice::ReadOnly));
    const QByteArray oldBytes = before.readAll();
    before.close();

    // The file written beside the old one cannot be made.
    ASSERT_TRUE(QDir().mkpath(iniPath() + QStringLiteral(".new/blocker")));
    {
        SettingsStore store(iniPath());
        store.writeText(QStringLiteral("Start"), QStringLiteral("Top"), QStringLiteral("22"));
        EXPECT_FALSE(store.flush());
    }
    QFile after(iniPath());
    ASSERT_TRUE(after.open(QIODevice::ReadOnly));
    EXPECT_EQ(after.readAll(), oldBytes);
}

TEST_F(SettingsStoreTest, ARewriteKeepsTheFilesModeAndAnOwnerOnlyFileStaysSo)
{
    const auto modeOf = [](const QString &path) {
        struct stat status;
        return ::stat(QFile::encodeName(path).constData(), &status) == 0 ? int(status.st_mode & 07777) : -1;
    };
    {
        SettingsStore store(iniPath());
        store.writeText(QStringLiteral("Start"), QStringLiteral("Top"), QStringLiteral("11"));
        ASSERT_TRUE(store.flush());
    }
    ASSERT_EQ(::chmod(QFile::encodeName(iniPath()).constData(), 0640), 0);
    {
        SettingsStore store(iniPath());
        store.writeText(QStringLiteral("Start"), QStringLiteral("Top"), QStringLiteral("22"));
        ASSERT_TRUE(store.flush());
    }
    EXPECT_EQ(modeOf(iniPath()), 0640);

    {
        SettingsStore store(iniPath());
        store.restrictToOwner(); // nothing else changed: the mode alone is reason to write
        ASSERT_TRUE(store.flush());
    }
    EXPECT_EQ(modeOf(iniPath()), 0600);
    {
        SettingsStore store(iniPath());
        store.writeText(QStringLiteral("Start"), QStringLiteral("Top"), QStringLiteral("33"));
        ASSERT_TRUE(store.flush());
    }
    EXPECT_EQ(modeOf(iniPath()), 0600);
    EXPECT_EQ(SettingsStore(iniPath()).readInt(QStringLiteral("Start"), QStringLiteral("Top"), 0), 33);

    // A new file is owner-only from the start.
    const QString fresh = m_dir.filePath(QStringLiteral("Andet/Pagewick.ini"));
    SettingsStore store(fresh);
    store.restrictToOwner();
    store.writeText(QStringLiteral("Ftp2\\Side"), QStringLiteral("Kodeord"), QStringLiteral("12345"));
    ASSERT_TRUE(store.flush());
    EXPECT_EQ(modeOf(fresh), 0600);
}

} // namespace
