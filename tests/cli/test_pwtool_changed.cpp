// pwtool changed: the files of a folder changed since their upload to a site,
// read from the same publish record the editor keeps.
#include "PwtoolFixture.h"

#include "projects/PublishRecord.h"

#include <QDateTime>

namespace {

class ChangedTest : public PwtoolTest
{
protected:
    // The record in the user data folder pwtool finds in this test's environment.
    QString recordFile() const { return path(QStringLiteral("data/Pagewick/publish-record.sqlite")); }

    void upload(const QString &site, const QString &title, const QStringList &names) const
    {
        PublishRecord record(recordFile());
        ASSERT_TRUE(record.open()) << record.errorText().toStdString();
        QStringList files;
        for (const QString &name : names)
            files.append(QDir::cleanPath(path(name)));
        ASSERT_TRUE(record.recordUploaded(site, title, files)) << record.errorText().toStdString();
    }

    void makeSite() const
    {
        ASSERT_TRUE(QDir(m_dir.path()).mkpath(QStringLiteral("site/sub")));
        writeFile(QStringLiteral("site/index.html"), "<p>forside</p>");
        writeFile(QStringLiteral("site/sub/a.html"), "<p>a</p>");
        writeFile(QStringLiteral("site/sub/b.css"), "p {}");
        writeFile(QStringLiteral("site/.htaccess"), "Options -Indexes");
    }

    void touch(const QString &name) const
    {
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.setFileTime(QDateTime::currentDateTime().addSecs(30), QFileDevice::FileModificationTime));
    }
};

TEST_F(ChangedTest, ListsTheChangedFilesBelowTheFolderAsItWasNamed)
{
    makeSite();
    const QStringList all = {QStringLiteral("site/.htaccess"), QStringLiteral("site/index.html"),
                             QStringLiteral("site/sub/a.html"), QStringLiteral("site/sub/b.css")};
    upload(QStringLiteral("ftp://web@ftp.example.dk/www"), QStringLiteral("Min side"), all);
    touch(QStringLiteral("site/index.html"));
    writeFile(QStringLiteral("site/sub/a.html"), "<p>A</p>");
    touch(QStringLiteral("site/sub/a.html"));
    writeFile(QStringLiteral("site/sub/new.html"), "ny");

    // Another spelling of the same address is the same site.
    ToolRun result = run({QStringLiteral("changed"), QStringLiteral("--to"), QStringLiteral("FTP://web@FTP.example.dk:21/www/"),
                          QStringLiteral("site/")});
    EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
    EXPECT_EQ(result.out, "site/sub/a.html\nsite/sub/new.html\n");

    // An absolute folder gives absolute names; a file is checked alone.
    result = run({QStringLiteral("changed"), QStringLiteral("--to"), QStringLiteral("ftp://web@ftp.example.dk/www"),
                  path(QStringLiteral("site/sub"))});
    EXPECT_EQ(QString::fromUtf8(result.out),
              path(QStringLiteral("site/sub/a.html")) + QLatin1Char('\n') + path(QStringLiteral("site/sub/new.html"))
                  + QLatin1Char('\n'));
    result = run(
        {QStringLiteral("changed"), QStringLiteral("--to"), QStringLiteral("ftp.example.dk"), QStringLiteral("site/index.html")});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out, "site/index.html\n");
}

TEST_F(ChangedTest, ASiteIsNamedByItsSavedTitleOrTheTitleOfItsLastUpload)
{
    makeSite();
    upload(QStringLiteral("ftp://web@ftp.example.dk/www"), QStringLiteral("Gammel titel"),
           {QStringLiteral("site/.htaccess"), QStringLiteral("site/index.html"), QStringLiteral("site/sub/a.html")});
    const QString expected = QStringLiteral("site/sub/b.css\n");

    EXPECT_EQ(QString::fromUtf8(run({QStringLiteral("changed"), QStringLiteral("--site"), QStringLiteral("gammel titel"),
                                     QStringLiteral("site")})
                                    .out),
              expected);

    // The saved site under another title has the same address.
    SettingsStore store(userSettingsPath());
    store.writeText(QStringLiteral("Ftp2\\Min side"), QStringLiteral("Server"), QStringLiteral("ftp.example.dk"));
    store.writeText(QStringLiteral("Ftp2\\Min side"), QStringLiteral("Bruger"), QStringLiteral("web"));
    store.writeText(QStringLiteral("Ftp2\\Min side"), QStringLiteral("StartBib"), QStringLiteral("/www"));
    ASSERT_TRUE(store.flush());
    const ToolRun result = run(
        {QStringLiteral("changed"), QStringLiteral("--site"), QStringLiteral("Min side"), QStringLiteral("site")});
    EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
    EXPECT_EQ(QString::fromUtf8(result.out), expected);
}

TEST_F(ChangedTest, ProblemsExitTwoWithADanishMessage)
{
    makeSite();
    const struct
    {
        QStringList arguments;
        const char *message;
    } cases[] = {
        {{QStringLiteral("changed"), QStringLiteral("site")}, "enten --site TITEL eller --to ADRESSE"},
        {{QStringLiteral("changed"), QStringLiteral("--site"), QStringLiteral("a"), QStringLiteral("--to"), QStringLiteral("b"),
          QStringLiteral("site")},
         "enten --site TITEL eller --to ADRESSE"},
        {{QStringLiteral("changed"), QStringLiteral("--site"), QStringLiteral("Ukendt"), QStringLiteral("site")},
         "ingen forbindelse med titlen Ukendt"},
        {{QStringLiteral("changed"), QStringLiteral("--to"), QStringLiteral("ftp://"), QStringLiteral("site")},
         "ftp:// er ikke adressen på en server"},
        {{QStringLiteral("changed"), QStringLiteral("--to"), QStringLiteral("ftp.example.dk"), QStringLiteral("mangler")},
         "mangler findes ikke"},
        {{QStringLiteral("check"), QStringLiteral("--to"), QStringLiteral("ftp.example.dk"), QStringLiteral("site/index.html")},
         "--to kan ikke bruges med check"},
        {{QStringLiteral("changed"), QStringLiteral("site"), QStringLiteral("--site")}, "--site skal efterfølges af en værdi"},
    };
    for (const auto &c : cases) {
        const ToolRun result = run(c.arguments);
        EXPECT_EQ(result.exitCode, 2) << c.arguments.join(QLatin1Char(' ')).toStdString();
        EXPECT_TRUE(result.out.isEmpty());
        EXPECT_TRUE(result.err.contains(QString::fromUtf8(c.message))) << result.err.toStdString();
    }
}

TEST_F(ChangedTest, ADamagedRecordIsToldAndKept)
{
    makeSite();
    ASSERT_TRUE(QDir(m_dir.path()).mkpath(QStringLiteral("data/Pagewick")));
    writeFile(QStringLiteral("data/Pagewick/publish-record.sqlite"), QByteArray(4096, '#'));
    const ToolRun result = run(
        {QStringLiteral("changed"), QStringLiteral("--to"), QStringLiteral("ftp.example.dk"), QStringLiteral("site")});
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_TRUE(result.out.isEmpty());
    EXPECT_TRUE(result.err.contains(QStringLiteral("er beskadiget"))) << result.err.toStdString();
    EXPECT_EQ(readFile(QStringLiteral("data/Pagewick/publish-record.sqlite")), QByteArray(4096, '#'));
    EXPECT_EQ(readFile(QStringLiteral("site/index.html")), "<p>forside</p>");
}

} // namespace
