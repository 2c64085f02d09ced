#include "core/SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class SettingsStoreTest : public ::testing::Test
{
protected:
    QString iniPath() const { return m_dir.filePath(QStringLiteral("Pagewick/Pagewick.ini")); }

    void writeRaw(const QByteArray &bytes)
    {
        QDir().mkpath(QFileInfo(iniPath()).absolutePath());
        QFile file(iniPath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
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

} // namespace
