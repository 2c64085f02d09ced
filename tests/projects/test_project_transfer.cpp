// Moving and copying a project's files to a new root folder: the files go
// first and the root follows, nothing is written over without asking, and
// what stays behind is told with its reason.
#include "projects/ProjectTransfer.h"
#include "projects/ProjectTree.h"
#include "projects/PublishRecord.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QString Site = QStringLiteral("ftp://host.dk/www");

class ProjectTransferTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_project = m_tree.addProject(oldRoot());
        writeOldFiles();
        m_tree.addDocument(m_project, oldRoot() + QStringLiteral("a.htm"));
        m_tree.addDocument(m_project, oldRoot() + QStringLiteral("A.htm"));
    }

    void writeOldFiles() const
    {
        for (const char *name : {"a.htm", "A.htm", "grafik/logo.gif"})
            write(oldRoot() + QString::fromLatin1(name), QByteArray("old ") + name);
    }
    QString oldRoot() const { return m_dir.filePath(QStringLiteral("old/")); }
    QString newRoot() const { return m_dir.filePath(QStringLiteral("new/")); }
    static void write(const QString &path, const QByteArray &bytes)
    {
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    static QByteArray read(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QList<ProjectFileFailure> move(const QStringList &paths, ClashAnswer answer, PublishRecord *record = nullptr)
    {
        return moveProject(
            m_tree, m_project, m_tree.rootFolder(m_project), newRoot(), paths,
            [this, answer](const QString &existing) {
                m_asked.append(existing);
                return answer;
            },
            record);
    }

    QTemporaryDir m_dir;
    ProjectTree m_tree;
    int m_project = 0;
    QStringList m_asked;
};

const QStringList AllFiles = {QStringLiteral("a.htm"), QStringLiteral("A.htm"), QStringLiteral("grafik/logo.gif")};

TEST_F(ProjectTransferTest, MovesEveryFileIntoItsFolderThenTheRootAndTheRecordsFollow)
{
    PublishRecord record(PublishRecord::fileIn(m_dir.filePath(QStringLiteral("data"))));
    ASSERT_TRUE(record.open());
    ASSERT_TRUE(record.recordUploaded(Site, QStringLiteral("Min side"), {oldRoot() + QStringLiteral("grafik/logo.gif")}));

    EXPECT_TRUE(move(AllFiles, ClashAnswer::Stop, &record).isEmpty());
    EXPECT_TRUE(m_asked.isEmpty());
    // Names that differ only in case are two files, both moved.
    EXPECT_EQ(read(newRoot() + QStringLiteral("a.htm")), "old a.htm");
    EXPECT_EQ(read(newRoot() + QStringLiteral("A.htm")), "old A.htm");
    EXPECT_EQ(read(newRoot() + QStringLiteral("grafik/logo.gif")), "old grafik/logo.gif");
    EXPECT_FALSE(QFile::exists(oldRoot() + QStringLiteral("a.htm")));
    EXPECT_EQ(m_tree.rootFolder(m_project), QDir::toNativeSeparators(newRoot()));
    EXPECT_EQ(m_tree.documentPath(m_project, 1), QDir::cleanPath(newRoot() + QStringLiteral("A.htm")));

    const auto files = record.siteFiles(Site);
    ASSERT_TRUE(files.has_value());
    EXPECT_EQ(files->keys(), QStringList({QDir::cleanPath(newRoot() + QStringLiteral("grafik/logo.gif"))}));
}

TEST_F(ProjectTransferTest, AFileAtTheTargetIsReplacedOnlyWhenTheUserSaysSo)
{
    struct Case
    {
        ClashAnswer answer;
        QByteArray targetAfter;
        QString reasonPart; // empty: no failure
        bool otherFileMoved;
    };
    const Case cases[] = {
        {ClashAnswer::Skip, "theirs", QStringLiteral("blev ikke erstattet"), true},
        {ClashAnswer::Replace, "old a.htm", QString(), true},
        {ClashAnswer::Stop, "theirs", QStringLiteral("afbrudt"), false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(int(c.answer));
        QDir(newRoot()).removeRecursively();
        writeOldFiles();
        m_tree.setRootFolder(m_project, oldRoot(), false);
        write(newRoot() + QStringLiteral("a.htm"), "theirs");
        m_asked.clear();

        const QList<ProjectFileFailure> failures = move({QStringLiteral("a.htm"), QStringLiteral("A.htm")}, c.answer);
        EXPECT_EQ(m_asked, QStringList({QDir::cleanPath(newRoot() + QStringLiteral("a.htm"))}));
        EXPECT_EQ(read(newRoot() + QStringLiteral("a.htm")), c.targetAfter);
        EXPECT_EQ(QFile::exists(newRoot() + QStringLiteral("A.htm")), c.otherFileMoved);
        if (c.reasonPart.isEmpty()) {
            EXPECT_TRUE(failures.isEmpty());
            continue;
        }
        ASSERT_FALSE(failures.isEmpty());
        EXPECT_EQ(failures.first().path, QStringLiteral("a.htm"));
        EXPECT_TRUE(failures.first().reason.contains(c.reasonPart)) << failures.first().reason.toStdString();
        EXPECT_EQ(read(oldRoot() + QStringLiteral("a.htm")), "old a.htm") << "a file that was not moved stays whole";
        if (!c.otherFileMoved) {
            EXPECT_EQ(failures.size(), 2);
        }
    }
}

TEST_F(ProjectTransferTest, AMoveThatBringsNothingOverKeepsTheRootAndTellsWhy)
{
    // The new root's place is taken by a file: no folder can be made there.
    write(m_dir.filePath(QStringLiteral("new")), "a file");
    const QString root = m_tree.rootFolder(m_project);
    const QList<ProjectFileFailure> failures = move({QStringLiteral("a.htm"), QStringLiteral("borte.htm")}, ClashAnswer::Stop);
    ASSERT_EQ(failures.size(), 2);
    EXPECT_TRUE(failures.at(0).reason.startsWith(QStringLiteral("Mappen "))) << failures.at(0).reason.toStdString();
    EXPECT_EQ(failures.at(1).reason, QStringLiteral("Filen findes ikke."));
    EXPECT_EQ(m_tree.rootFolder(m_project), root);
    EXPECT_EQ(read(oldRoot() + QStringLiteral("a.htm")), "old a.htm");
}

TEST_F(ProjectTransferTest, ACopyLeavesTheFilesWhereTheyAre)
{
    EXPECT_TRUE(
        transferProjectFiles(ProjectTransferKind::Copy, m_tree.rootFolder(m_project), newRoot(), AllFiles, [](const QString &) {
            return ClashAnswer::Stop;
        }).isEmpty());
    for (const QString &file : AllFiles) {
        EXPECT_EQ(read(newRoot() + file), read(oldRoot() + file));
        EXPECT_FALSE(read(oldRoot() + file).isEmpty());
    }
}

} // namespace
