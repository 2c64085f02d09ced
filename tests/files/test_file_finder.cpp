#include "files/TFileFinder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

class FileFinder : public ::testing::Test
{
protected:
    void SetUp() override
    {
        for (const char *name : {"b.htm", "a.txt", "site/index.htm", "site/billeder/LOGO.HTM", "site/billeder/logo.gif",
                                 "andet/x.htm", ".skjult/y.htm", ".skjult.htm"})
            create(QString::fromUtf8(name));
        m_finder.setRootFolder(m_dir.path());
        QObject::connect(&m_finder, &TFileFinder::fileFound, [this](const QString &directory, const QFileInfo &entry) {
            EXPECT_TRUE(directory.endsWith(QLatin1Char('/')));
            m_found.append(QDir(m_dir.path()).relativeFilePath(directory + entry.fileName()));
        });
        QObject::connect(&m_finder, &TFileFinder::finished, [this] { ++m_finished; });
    }

    void create(const QString &name)
    {
        const QString path = m_dir.filePath(name);
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }

    QTemporaryDir m_dir;
    TFileFinder m_finder;
    QStringList m_found;
    int m_finished = 0;
};

TEST_F(FileFinder, ReportsEachFolderBeforeGoingIntoItsSubfolders)
{
    m_finder.setFileAttr(TFileFinder::AnyFile & ~TFileFinder::Directory);
    m_finder.execute();
    EXPECT_EQ(m_found,
              QStringList({".skjult.htm", "a.txt", "b.htm", ".skjult/y.htm", "andet/x.htm", "site/index.htm",
                           "site/billeder/LOGO.HTM", "site/billeder/logo.gif"}));
    EXPECT_EQ(m_finished, 1);
}

TEST_F(FileFinder, AFilterFindsFilesInFoldersWhoseNamesItDoesNotMatch)
{
    m_finder.setFileFilter(QStringLiteral("*.htm"));
    m_finder.setFileAttr(TFileFinder::ReadOnly | TFileFinder::Archive);
    m_finder.execute();
    EXPECT_EQ(m_found, QStringList({"b.htm", "andet/x.htm", "site/index.htm", "site/billeder/LOGO.HTM"}));

    m_found.clear();
    m_finder.setSubFolders(false);
    m_finder.execute();
    EXPECT_EQ(m_found, QStringList{"b.htm"});
}

TEST_F(FileFinder, FolderLinksAreReportedButNeverEnteredSoTheSearchEnds)
{
    ASSERT_TRUE(QFile::link(m_dir.path(), m_dir.filePath(QStringLiteral("site/op"))));
    ASSERT_TRUE(QFile::link(m_dir.filePath(QStringLiteral("site")), m_dir.filePath(QStringLiteral("site/billeder/ring"))));
    QTemporaryDir outside;
    QFile(outside.filePath(QStringLiteral("ude.htm"))).open(QIODevice::WriteOnly);
    ASSERT_TRUE(QFile::link(outside.path(), m_dir.filePath(QStringLiteral("site/ude"))));
    m_finder.setFileFilter(QStringLiteral("*.htm;op;ring"));
    m_finder.execute();
    EXPECT_FALSE(m_found.contains(QStringLiteral("site/ude/ude.htm")));
    EXPECT_EQ(m_found.count(QStringLiteral("site/index.htm")), 1);
    EXPECT_TRUE(m_found.contains(QStringLiteral("site/op")));
    EXPECT_TRUE(m_found.contains(QStringLiteral("site/billeder/ring")));
    EXPECT_FALSE(m_found.contains(QStringLiteral("site/op/b.htm")));
    EXPECT_EQ(m_finished, 1);
}

TEST_F(FileFinder, StopEndsTheWholeSearch)
{
    QObject::connect(&m_finder, &TFileFinder::fileFound, &m_finder, [this](const QString &, const QFileInfo &entry) {
        if (entry.fileName() == QLatin1String("index.htm"))
            m_finder.stop();
    });
    m_finder.execute();
    EXPECT_EQ(m_found.last(), QStringLiteral("site/index.htm"));
    EXPECT_FALSE(m_found.contains(QStringLiteral("site/billeder/logo.gif")));
    EXPECT_EQ(m_finished, 1);

    // A stop from outside, while the search lets events through.
    m_found.clear();
    QTimer::singleShot(0, &m_finder, &TFileFinder::stop);
    m_finder.execute();
    EXPECT_EQ(m_found.size(), 1);

    // The next search starts afresh.
    m_found.clear();
    m_finder.setProcessMessages(false);
    m_finder.setFileFilter(QStringLiteral("*.gif"));
    m_finder.execute();
    EXPECT_EQ(m_found, QStringList{"site/billeder/logo.gif"});
}

TEST_F(FileFinder, AMissingRootFindsNothing)
{
    m_finder.setRootFolder(m_dir.filePath(QStringLiteral("findes-ikke")));
    m_finder.execute();
    EXPECT_TRUE(m_found.isEmpty());
    EXPECT_EQ(m_finished, 1);
}

} // namespace
