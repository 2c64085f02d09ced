#include "files/FileOperations.h"
#include "support/ScriptedPrompter.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

void write(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray read(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// A temporary folder on another file system than the test's own, when the
// machine has one (tmpfs at /dev/shm on Linux).
std::unique_ptr<QTemporaryDir> folderOnOtherFileSystem(const QString &besides)
{
    struct stat here
    {
    }, there{};
    if (stat("/dev/shm", &there) != 0 || stat(QFile::encodeName(besides).constData(), &here) != 0 || here.st_dev == there.st_dev)
        return nullptr;
    auto dir = std::make_unique<QTemporaryDir>(QStringLiteral("/dev/shm/pagewick-XXXXXX"));
    return dir->isValid() ? std::move(dir) : nullptr;
}

class FileOperations : public ::testing::Test
{
protected:
    QString from(const QString &name) const { return m_dir.filePath(QStringLiteral("fra/") + name); }
    QString to(const QString &name) const { return m_dir.filePath(QStringLiteral("til/") + name); }
    QString target() const { return m_dir.filePath(QStringLiteral("til")); }

    void SetUp() override { QDir(m_dir.path()).mkpath(QStringLiteral("til")); }

    QTemporaryDir m_dir;
    ScriptedPrompter m_prompter;
};

TEST_F(FileOperations, MoveAsksBeforeReplacingAndLeavesBothFilesWhenTheUserDeclines)
{
    write(from(QStringLiteral("a.htm")), "ny a");
    write(from(QStringLiteral("b.htm")), "ny b");
    write(from(QStringLiteral("Ærø.htm")), "ny c");
    write(to(QStringLiteral("a.htm")), "gammel a");
    write(to(QStringLiteral("b.htm")), "gammel b");

    m_prompter.expect(QStringLiteral("Der findes allerede en fil med navnet \"a.htm\""), Prompter::No)
        .expect(QStringLiteral("Der findes allerede en fil med navnet \"b.htm\""), Prompter::Yes);
    const FileOperationOutcome outcome = moveFiles(
        {from(QStringLiteral("a.htm")), from(QStringLiteral("b.htm")), from(QStringLiteral("Ærø.htm"))}, target(), m_prompter);

    EXPECT_TRUE(m_prompter.allAnswered());
    EXPECT_EQ(outcome.changed, QStringList({from(QStringLiteral("b.htm")), from(QStringLiteral("Ærø.htm"))}));
    EXPECT_TRUE(outcome.failed.isEmpty());
    EXPECT_EQ(read(from(QStringLiteral("a.htm"))), "ny a");
    EXPECT_EQ(read(to(QStringLiteral("a.htm"))), "gammel a");
    EXPECT_EQ(read(to(QStringLiteral("b.htm"))), "ny b");
    EXPECT_FALSE(QFile::exists(from(QStringLiteral("b.htm"))));
    EXPECT_EQ(read(to(QStringLiteral("Ærø.htm"))), "ny c");
}

TEST_F(FileOperations, CancelAtAClashLeavesTheRestAlone)
{
    write(from(QStringLiteral("a.htm")), "ny a");
    write(from(QStringLiteral("b.htm")), "ny b");
    write(to(QStringLiteral("a.htm")), "gammel a");

    m_prompter.expect(QStringLiteral("a.htm"), Prompter::Cancel);
    const FileOperationOutcome outcome = copyFiles({from(QStringLiteral("a.htm")), from(QStringLiteral("b.htm"))}, target(),
                                                   m_prompter);

    EXPECT_FALSE(outcome.anyChanged());
    EXPECT_EQ(read(to(QStringLiteral("a.htm"))), "gammel a");
    EXPECT_FALSE(QFile::exists(to(QStringLiteral("b.htm"))));
}

TEST_F(FileOperations, MovingIntoTheFolderAFileIsInDoesNothing)
{
    write(from(QStringLiteral("a.htm")), "a");
    const FileOperationOutcome moved = moveFiles({from(QStringLiteral("a.htm"))}, m_dir.filePath(QStringLiteral("fra")),
                                                 m_prompter);
    const FileOperationOutcome copied = copyFiles({from(QStringLiteral("a.htm"))}, m_dir.filePath(QStringLiteral("fra/")),
                                                  m_prompter);
    EXPECT_FALSE(moved.anyChanged());
    EXPECT_FALSE(copied.anyChanged());
    EXPECT_TRUE(moved.failed.isEmpty());
    EXPECT_EQ(read(from(QStringLiteral("a.htm"))), "a");
}

TEST_F(FileOperations, FoldersAreCopiedWithEverythingInThemAndLinksStayLinks)
{
    write(from(QStringLiteral("site/index.htm")), "forside");
    write(from(QStringLiteral("site/billeder/logo.gif")), "GIF89a");
    write(from(QStringLiteral("site/.skjult")), "skjult");
    // A link back to the folder itself would make a copy that follows links endless.
    ASSERT_TRUE(QFile::link(from(QStringLiteral("site")), from(QStringLiteral("site/tilbage"))));

    const FileOperationOutcome outcome = copyFiles({from(QStringLiteral("site"))}, target(), m_prompter);

    EXPECT_EQ(outcome.changed, QStringList{from(QStringLiteral("site"))});
    EXPECT_EQ(read(to(QStringLiteral("site/index.htm"))), "forside");
    EXPECT_EQ(read(to(QStringLiteral("site/billeder/logo.gif"))), "GIF89a");
    EXPECT_EQ(read(to(QStringLiteral("site/.skjult"))), "skjult");
    const QFileInfo link(to(QStringLiteral("site/tilbage")));
    EXPECT_TRUE(link.isSymLink());
    EXPECT_EQ(link.symLinkTarget(), from(QStringLiteral("site")));
    EXPECT_EQ(read(from(QStringLiteral("site/index.htm"))), "forside");
}

TEST_F(FileOperations, MovingAFolderIntoAnExistingOneMergesAndAsksPerFile)
{
    write(from(QStringLiteral("site/a.htm")), "ny a");
    write(from(QStringLiteral("site/under/b.htm")), "ny b");
    write(to(QStringLiteral("site/a.htm")), "gammel a");
    write(to(QStringLiteral("site/c.htm")), "c");

    m_prompter.expect(QStringLiteral("a.htm"), Prompter::No);
    const FileOperationOutcome outcome = moveFiles({from(QStringLiteral("site"))}, target(), m_prompter);

    EXPECT_TRUE(outcome.anyChanged());
    EXPECT_EQ(read(to(QStringLiteral("site/a.htm"))), "gammel a");
    EXPECT_EQ(read(to(QStringLiteral("site/under/b.htm"))), "ny b");
    EXPECT_EQ(read(to(QStringLiteral("site/c.htm"))), "c");
    // The declined file stays where it was, and so does its folder.
    EXPECT_EQ(read(from(QStringLiteral("site/a.htm"))), "ny a");
    EXPECT_FALSE(QFileInfo::exists(from(QStringLiteral("site/under"))));
}

TEST_F(FileOperations, AFolderCannotGoIntoItselfAndAMissingFileIsReported)
{
    write(from(QStringLiteral("site/a.htm")), "a");
    m_prompter.expect(QStringLiteral("Følgende filer kunne ikke kopieres:"));
    FileOperationOutcome outcome = copyFiles({from(QStringLiteral("site"))}, from(QStringLiteral("site")), m_prompter);
    EXPECT_EQ(outcome.failed, QStringList{from(QStringLiteral("site"))});

    QDir().mkpath(from(QStringLiteral("site/under")));
    m_prompter.expect(QStringLiteral("Følgende filer kunne ikke flyttes:"));
    outcome = moveFiles({from(QStringLiteral("site")), from(QStringLiteral("væk.htm"))}, from(QStringLiteral("site/under")),
                        m_prompter);
    EXPECT_EQ(outcome.failed.size(), 2);
    EXPECT_TRUE(m_prompter.seen().last().text.contains(QDir::toNativeSeparators(from(QStringLiteral("væk.htm")))));
    EXPECT_EQ(read(from(QStringLiteral("site/a.htm"))), "a");
    EXPECT_TRUE(m_prompter.allAnswered());
}

TEST_F(FileOperations, AMoveToAnotherFileSystemCopiesComparesAndThenDeletes)
{
    const auto other = folderOnOtherFileSystem(m_dir.path());
    if (!other)
        GTEST_SKIP() << "no second file system here";
    const QDateTime old = QDateTime::currentDateTimeUtc().addDays(-30);
    write(from(QStringLiteral("stor.bin")), QByteArray(3 << 20, 'x'));
    {
        QFile file(from(QStringLiteral("stor.bin")));
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        file.setFileTime(old, QFileDevice::FileModificationTime);
    }
    write(from(QStringLiteral("site/a.htm")), "a");
    write(from(QStringLiteral("site/under/Blå bånd.htm")), "b");
    write(other->filePath(QStringLiteral("stor.bin")), "gammel");

    QList<int> percents;
    m_prompter.expect(QStringLiteral("stor.bin"), Prompter::Yes);
    const FileOperationOutcome outcome = moveFiles({from(QStringLiteral("stor.bin")), from(QStringLiteral("site"))},
                                                   other->path(), m_prompter, [&](int percent) { percents.append(percent); });

    EXPECT_EQ(outcome.changed.size(), 2);
    EXPECT_TRUE(outcome.failed.isEmpty());
    EXPECT_EQ(read(other->filePath(QStringLiteral("stor.bin"))), QByteArray(3 << 20, 'x'));
    EXPECT_EQ(QFileInfo(other->filePath(QStringLiteral("stor.bin"))).lastModified().toSecsSinceEpoch(), old.toSecsSinceEpoch());
    EXPECT_EQ(read(other->filePath(QStringLiteral("site/under/Blå bånd.htm"))), "b");
    EXPECT_FALSE(QFileInfo::exists(from(QStringLiteral("stor.bin"))));
    EXPECT_FALSE(QFileInfo::exists(from(QStringLiteral("site"))));
    ASSERT_FALSE(percents.isEmpty());
    EXPECT_TRUE(std::is_sorted(percents.begin(), percents.end()));
    EXPECT_EQ(percents.last(), 100);
}

class Trash : public FileOperations
{
protected:
    void SetUp() override
    {
        FileOperations::SetUp();
        m_oldDataHome = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", QFile::encodeName(m_dir.filePath(QStringLiteral("data"))));
    }
    void makeDataFolder() { ASSERT_TRUE(QDir(m_dir.path()).mkdir(QStringLiteral("data"))); }
    void TearDown() override { qputenv("XDG_DATA_HOME", m_oldDataHome); }

    QByteArray m_oldDataHome;
};

TEST_F(Trash, DeletedFilesGoToTheTrash)
{
    makeDataFolder();
    write(from(QStringLiteral("side.htm")), "side");
    write(from(QStringLiteral("site/a.htm")), "a");
    const FileOperationOutcome outcome = deleteFiles({from(QStringLiteral("side.htm")), from(QStringLiteral("site"))},
                                                     m_prompter);

    EXPECT_EQ(outcome.changed.size(), 2);
    EXPECT_FALSE(QFileInfo::exists(from(QStringLiteral("side.htm"))));
    EXPECT_FALSE(QFileInfo::exists(from(QStringLiteral("site"))));
    const QString info = read(m_dir.filePath(QStringLiteral("data/Trash/info/side.htm.trashinfo")));
    EXPECT_TRUE(info.contains(QStringLiteral("Path=")) && info.contains(QStringLiteral("side.htm"))) << info.toStdString();
    EXPECT_EQ(read(m_dir.filePath(QStringLiteral("data/Trash/files/site/a.htm"))), "a");
}

TEST_F(Trash, WithoutATrashFilesAreDeletedForGoodOnlyWhenTheUserAgrees)
{
    // Without a data folder there is no trash (and Qt would put the file in
    // "files" under the current folder, calling that a success).
    write(from(QStringLiteral("side.htm")), "side");

    m_prompter.expect(QStringLiteral("kan ikke lægges i papirkurven"), Prompter::No);
    FileOperationOutcome outcome = deleteFiles({from(QStringLiteral("side.htm"))}, m_prompter);
    EXPECT_FALSE(outcome.anyChanged());
    EXPECT_EQ(read(from(QStringLiteral("side.htm"))), "side");

    m_prompter.expect(QStringLiteral("Vil du slette dem for altid?"), Prompter::Yes);
    outcome = deleteFiles({from(QStringLiteral("side.htm"))}, m_prompter);
    EXPECT_TRUE(outcome.anyChanged());
    EXPECT_FALSE(QFileInfo::exists(from(QStringLiteral("side.htm"))));
    EXPECT_TRUE(m_prompter.allAnswered());
}

TEST_F(FileOperations, RenameRefusesTakenAndImproperNames)
{
    write(from(QStringLiteral("Side.htm")), "stor");
    write(from(QStringLiteral("side.htm")), "lille");
    write(from(QStringLiteral("andet.htm")), "andet");
    QDir().mkpath(from(QStringLiteral("mappe")));
    // A link to nothing still holds its name; renaming onto it must not write through it.
    ASSERT_TRUE(QFile::link(m_dir.filePath(QStringLiteral("mål.htm")), from(QStringLiteral("borte.htm"))));
    const struct
    {
        const char *file;
        const char *newName;
    } refused[] = {
        {"andet.htm", "side.htm"},  {"Side.htm", "side.htm"}, {"mappe", "andet.htm"},     {"andet.htm", "mappe"},
        {"andet.htm", "../ud.htm"}, {"andet.htm", ""},        {"andet.htm", "borte.htm"},
    };
    for (const auto &c : refused) {
        m_prompter.expect(QStringLiteral("Der skete en fejl under omdøbningen."));
        const FileOperationOutcome outcome = renameFile(from(QString::fromUtf8(c.file)), QString::fromUtf8(c.newName),
                                                        m_prompter);
        EXPECT_EQ(outcome.failed.size(), 1) << c.file << " -> " << c.newName;
        EXPECT_EQ(m_prompter.seen().last().icon, Prompter::Icon::Stop);
        EXPECT_EQ(m_prompter.seen().last().caption, QStringLiteral("Brindle's Pagewick"));
    }
    EXPECT_EQ(read(from(QStringLiteral("Side.htm"))), "stor");
    EXPECT_EQ(read(from(QStringLiteral("side.htm"))), "lille");
    EXPECT_EQ(read(from(QStringLiteral("andet.htm"))), "andet");
    EXPECT_FALSE(QFileInfo::exists(m_dir.filePath(QStringLiteral("ud.htm"))));
    EXPECT_FALSE(QFileInfo::exists(m_dir.filePath(QStringLiteral("mål.htm"))));

    EXPECT_TRUE(renameFile(from(QStringLiteral("andet.htm")), QStringLiteral("nyt navn.htm"), m_prompter).anyChanged());
    EXPECT_TRUE(renameFile(from(QStringLiteral("mappe")), QStringLiteral("Mappe 2"), m_prompter).anyChanged());
    EXPECT_EQ(read(from(QStringLiteral("nyt navn.htm"))), "andet");
    EXPECT_TRUE(QFileInfo(from(QStringLiteral("Mappe 2"))).isDir());
    EXPECT_TRUE(m_prompter.allAnswered());
}

} // namespace
