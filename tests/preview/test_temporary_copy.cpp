#include "preview/TemporaryCopy.h"

#include "support/QtPrinters.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace {

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

class TemporaryCopyTest : public ::testing::Test
{
protected:
    QString at(const QString &name) const { return m_dir.filePath(name); }

    QTemporaryDir m_dir;
    TemporaryCopy m_copy;
};

TEST_F(TemporaryCopyTest, SavedDocumentsCopyLiesBesideItInItsEncodingAndIsReplacedByTheNext)
{
    const QString page = at(QStringLiteral("side.html"));
    const auto first = m_copy.write(page, 0, QString(), QStringLiteral("<p>blåbær</p>"), FileEncoding::Windows1252);
    ASSERT_TRUE(first);
    EXPECT_EQ(*first, at(QStringLiteral("~side.html")));
    EXPECT_EQ(contents(*first),
              QByteArray("<p>bl\xe5"
                         "b\xe6r</p>"));

    const auto again = m_copy.write(page, 0, QString(), QStringLiteral("<p>nyt</p>"), FileEncoding::Utf8);
    ASSERT_TRUE(again);
    EXPECT_EQ(*again, *first);
    EXPECT_EQ(contents(*again), QByteArray("<p>nyt</p>"));

    // Another document's copy replaces this one, which goes.
    const auto other = m_copy.write(at(QStringLiteral("anden.htm")), 1, QString(), QStringLiteral("x"), FileEncoding::Utf8);
    ASSERT_TRUE(other);
    EXPECT_FALSE(QFile::exists(*first));
    EXPECT_EQ(m_copy.path(), *other);
}

TEST_F(TemporaryCopyTest, UnsavedDocumentsCopyIsNumberedByTabInTheScratchFolderAndGoesAtTheEnd)
{
    auto copy = std::make_unique<TemporaryCopy>();
    const auto path = copy->write(QString(), 3, m_dir.path(), QStringLiteral("<b>"), FileEncoding::Utf8);
    ASSERT_TRUE(path);
    EXPECT_EQ(*path, at(QStringLiteral("~pwtmp3.htm")));
    EXPECT_TRUE(QFile::exists(*path));
    copy.reset();
    EXPECT_FALSE(QFile::exists(*path));
}

TEST_F(TemporaryCopyTest, FilesTheProgramDidNotWriteAreNeverOverwrittenNorRemoved)
{
    const QString page = at(QStringLiteral("side.html"));
    const QString users = at(QStringLiteral("~side.html"));
    writeFile(users, "the user's own");
    // A dangling link would create its target if written through.
    ASSERT_TRUE(QFile::link(at(QStringLiteral("nowhere/target.html")), at(QStringLiteral("~2~side.html"))));

    const auto path = m_copy.write(page, 0, QString(), QStringLiteral("copy"), FileEncoding::Utf8);
    ASSERT_TRUE(path);
    EXPECT_EQ(*path, at(QStringLiteral("~3~side.html")));
    EXPECT_EQ(contents(users), QByteArray("the user's own"));
    EXPECT_FALSE(QFile::exists(at(QStringLiteral("nowhere/target.html"))));

    // The user wrote over the copy: it is no longer the program's to remove.
    writeFile(*path, "edited by the user, and longer");
    m_copy.remove();
    EXPECT_EQ(contents(*path), QByteArray("edited by the user, and longer"));
    EXPECT_EQ(contents(users), QByteArray("the user's own"));
}

TEST_F(TemporaryCopyTest, ACopyThatCannotBeWrittenIsReportedByItsName)
{
    const QString missing = at(QStringLiteral("gone"));
    QString failure;
    EXPECT_FALSE(m_copy.write(QString(), 0, missing, QStringLiteral("x"), FileEncoding::Utf8, &failure));
    EXPECT_TRUE(failure.contains(QDir::toNativeSeparators(missing + QStringLiteral("/~pwtmp0.htm")))) << failure.toStdString();
    EXPECT_TRUE(m_copy.path().isEmpty());
}

} // namespace
