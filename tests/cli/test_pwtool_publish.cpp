// pwtool publish against a real FTP server: a project arrives whole, only
// changed files go again, nothing changed means no connection at all, and
// what is held back or fails is named.
#include "PwtoolFixture.h"

#include "publish/FtpTestServer.h"

#include "core/SettingsStore.h"
#include "projects/ProjectFile.h"
#include "publish/SiteStore.h"

#include <QDeadlineTimer>

namespace {

class PublishTest : public PwtoolTest
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(server.started());
        m_extraEnvironment.insert(QStringLiteral("PAGEWICK_PASSWORD"), FtpTestServer::Password);
    }

    QString address() const { return QStringLiteral("ftp://pw@127.0.0.1:%1").arg(server.port()); }

    // A project in the user data folder's project file, rooted at `root`
    // below the test folder, with these documents.
    void writeProject(const QString &title, const QString &root, const QStringList &documents) const
    {
        ProjectTree tree;
        const int project = tree.addProject(path(root) + QLatin1Char('/'));
        tree.setTitle(project, title);
        for (const QString &document : documents)
            tree.addDocument(project, document);
        ASSERT_TRUE(QDir().mkpath(path(QStringLiteral("data/Pagewick"))));
        ASSERT_TRUE(saveProjectFile(tree, path(QStringLiteral("data/Pagewick/") + ProjectFileName)));
    }

    void writeInto(const QString &name, const QByteArray &bytes) const
    {
        ASSERT_TRUE(QDir(m_dir.path()).mkpath(QFileInfo(path(name)).path()));
        writeFile(name, bytes);
    }

    ToolRun publish(const QStringList &arguments) const { return run(QStringList{QStringLiteral("publish")} + arguments); }

    // The server's journal lines that begin with this text.
    QStringList seen(const QString &start)
    {
        QStringList lines;
        for (const QString &line : server.journal()) {
            if (line.startsWith(start))
                lines.append(line);
        }
        return lines;
    }

    FtpTestServer server{{.journal = true}};
};

TEST_F(PublishTest, AProjectArrivesWholeThenOnlyItsChangesGoAndNothingChangedMakesNoConnection)
{
    // 150 pages in two folders, each showing one of 50 pictures in a third.
    QStringList documents;
    for (int i = 0; i < 150; ++i) {
        const bool archived = i % 2 == 1;
        const QString page =
            QStringLiteral("%1/side%2.htm").arg(archived ? QStringLiteral("sider/arkiv") : QStringLiteral("sider")).arg(i);
        const QString picture =
            QStringLiteral("%1grafik/billede%2.gif").arg(archived ? QStringLiteral("../../") : QStringLiteral("../")).arg(i % 50);
        writeInto(QStringLiteral("web/") + page,
                  QStringLiteral("<html><body><p>Side %1</p><img src=\"%2\"></body></html>").arg(i).arg(picture).toUtf8());
        documents.append(page);
    }
    for (int i = 0; i < 50; ++i)
        writeInto(QStringLiteral("web/grafik/billede%1.gif").arg(i), QByteArray(1000 + i, char('A' + i % 26)));
    writeProject(QStringLiteral("Min side"), QStringLiteral("web"), documents);

    ToolRun result = publish({QStringLiteral("--to"), address(), QStringLiteral("min side")});
    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    EXPECT_TRUE(result.out.endsWith("200 af 200 filer overført\n")) << result.out.right(200).toStdString();
    EXPECT_EQ(result.out.count("Overført: "), 200);
    EXPECT_EQ(seen(QStringLiteral("CMD STOR")).size(), 200);

    // What a plain client fetches back is the project, byte for byte.
    QProcess lftp;
    lftp.setWorkingDirectory(m_dir.path());
    lftp.start(QStringLiteral("lftp"),
               {QStringLiteral("-u"), FtpTestServer::User + u',' + FtpTestServer::Password, QStringLiteral("-p"),
                QString::number(server.port()), QStringLiteral("-e"), QStringLiteral("mirror / hentet; quit"),
                QStringLiteral("127.0.0.1")});
    ASSERT_TRUE(lftp.waitForFinished(60000));
    ASSERT_EQ(lftp.exitCode(), 0) << lftp.readAllStandardError().toStdString();
    QProcess diff;
    diff.start(QStringLiteral("diff"), {QStringLiteral("-r"), path(QStringLiteral("hentet")), path(QStringLiteral("web"))});
    ASSERT_TRUE(diff.waitForFinished(30000));
    EXPECT_EQ(diff.exitCode(), 0) << diff.readAllStandardOutput().toStdString();

    // Two changed files: pwtool changed, the dry run and the publish agree on them.
    writeFile(QStringLiteral("web/sider/side4.htm"), "<p>ny side</p>");
    writeFile(QStringLiteral("web/grafik/billede7.gif"), "GIF89a nyt billede");
    result = run({QStringLiteral("changed"), QStringLiteral("--to"), address(), QStringLiteral("web")});
    EXPECT_EQ(result.out, "web/grafik/billede7.gif\nweb/sider/side4.htm\n");
    const int connectionsBefore = int(seen(QStringLiteral("CONNECT")).size());
    result = publish({QStringLiteral("--to"), address(), QStringLiteral("--dry-run"), QStringLiteral("Min side")});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out, "sider/side4.htm\ngrafik/billede7.gif\n");
    EXPECT_EQ(seen(QStringLiteral("CONNECT")).size(), connectionsBefore);
    result = publish({QStringLiteral("--to"), address(), QStringLiteral("Min side")});
    EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
    EXPECT_EQ(result.out, "Overført: sider/side4.htm\nOverført: grafik/billede7.gif\n2 af 2 filer overført\n");
    EXPECT_EQ(seen(QStringLiteral("CMD STOR")).size(), 202);

    // Nothing changed: no connection, so no listing and no upload.
    const QStringList journal = server.journal();
    result = publish({QStringLiteral("--to"), address(), QStringLiteral("Min side")});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out, "Ingen filer er ændret, siden de sidst blev overført.\n");
    EXPECT_EQ(server.journal(), journal);
}

TEST_F(PublishTest, FilesOutsideTheRootAreHeldBackAndNamedWithoutATerminal)
{
    writeInto(QStringLiteral("web/index.htm"), "<link rel=\"stylesheet\" href=\"../faelles/stil.css\"><p>forside</p>");
    writeInto(QStringLiteral("faelles/stil.css"), "p { color: red }");
    writeProject(QStringLiteral("Min side"), QStringLiteral("web"), {QStringLiteral("index.htm")});

    ToolRun result = publish({QStringLiteral("--to"), address(), QStringLiteral("--dry-run"), QStringLiteral("Min side")});
    EXPECT_EQ(result.out, "index.htm\n../faelles/stil.css (uden for rodmappen)\n");

    result = publish({QStringLiteral("--to"), address(), QStringLiteral("Min side")});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.out,
              "Overført: index.htm\n1 af 2 filer overført\nIkke overført:\n  ../faelles/stil.css (uden for rodmappen)\n");
    EXPECT_TRUE(QFile::exists(server.rootPath(QStringLiteral("index.htm"))));
    EXPECT_EQ(QDir(server.root()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              QStringList{QStringLiteral("index.htm")});
    // Held back, it stays changed.
    result = publish({QStringLiteral("--to"), address(), QStringLiteral("--dry-run"), QStringLiteral("Min side")});
    EXPECT_EQ(result.out, "../faelles/stil.css (uden for rodmappen)\n");
}

TEST_F(PublishTest, AServerThatDiesMidwayLeavesTheRestNamedAndTheNextPublishSendsExactlyThose)
{
    QStringList files;
    // Each file takes the throttled server about two seconds.
    constexpr int Size = 1200 * 1024;
    for (int i = 1; i <= 3; ++i) {
        files.append(QStringLiteral("mappe/fil%1.bin").arg(i));
        writeInto(QStringLiteral("web/") + files.last(), QByteArray(Size, char('a' + i)));
    }
    FtpTestServer slow({.throttleBytesPerSecond = 512 * 1024});
    ASSERT_TRUE(slow.started());
    const QString slowAddress = QStringLiteral("ftp://pw@127.0.0.1:%1").arg(slow.port());
    QProcess publishing;
    start(publishing, {QStringLiteral("publish"), QStringLiteral("--to"), slowAddress, QStringLiteral("web")});
    QByteArray out;
    // The server dies while the second file is on its way.
    QDeadlineTimer deadline(20000);
    while (!out.contains("Overført: ") && !deadline.hasExpired() && publishing.state() != QProcess::NotRunning) {
        publishing.waitForReadyRead(50);
        out += publishing.readAllStandardOutput();
    }
    slow.kill();
    ASSERT_TRUE(publishing.waitForFinished(30000));
    out += publishing.readAllStandardOutput();
    EXPECT_EQ(publishing.exitCode(), 1) << publishing.readAllStandardError().toStdString();

    // Whatever lies on the server under its own name is whole; the rest is named.
    QStringList arrived;
    QStringList missing;
    for (const QString &file : std::as_const(files)) {
        if (QFile::exists(slow.rootPath(file))) {
            EXPECT_EQ(QFile(slow.rootPath(file)).size(), Size) << file.toStdString();
            arrived.append(file);
        } else {
            missing.append(file);
        }
    }
    ASSERT_FALSE(arrived.isEmpty());
    ASSERT_FALSE(missing.isEmpty());
    QByteArray expected = QStringLiteral("%1 af 3 filer overført\nIkke overført:\n").arg(arrived.size()).toUtf8();
    for (const QString &file : std::as_const(missing))
        expected += "  " + file.toUtf8() + '\n';
    EXPECT_TRUE(out.endsWith(expected)) << out.toStdString();

    // The same server again, on its port and folder: exactly the rest goes.
    FtpTestServer again({.journal = true, .port = slow.port(), .root = slow.root()});
    ASSERT_TRUE(again.started());
    const ToolRun next = publish({QStringLiteral("--to"), slowAddress, QStringLiteral("web")});
    EXPECT_EQ(next.exitCode, 0) << next.err.toStdString();
    QStringList stored;
    for (const QString &line : again.journal()) {
        if (line.startsWith(QLatin1String("CMD RNTO /")))
            stored.append(line.mid(10));
    }
    EXPECT_EQ(stored, missing);
    for (const QString &file : std::as_const(files))
        EXPECT_EQ(QFile(slow.rootPath(file)).size(), Size) << file.toStdString();
}

TEST_F(PublishTest, AtATerminalFilesOutsideTheRootGoAfterAYesAndThePasswordIsAskedWithoutEcho)
{
    m_extraEnvironment.remove(QStringLiteral("PAGEWICK_PASSWORD"));
    ASSERT_TRUE(QDir(server.root()).mkdir(QStringLiteral("www")));
    ASSERT_TRUE(QDir(server.root()).mkdir(QStringLiteral("faelles")));
    writeInto(QStringLiteral("web/index.htm"), "<link rel=\"stylesheet\" href=\"../faelles/stil.css\"><p>forside</p>");
    writeInto(QStringLiteral("faelles/stil.css"), "p { color: red }");
    writeProject(QStringLiteral("Min side"), QStringLiteral("web"), {QStringLiteral("index.htm")});

    const ToolRun result = runShell(
        QStringLiteral("/usr/bin/python3 '%1' --expect '(j/n) ' --send j --expect 'Adgangskode til 127.0.0.1: ' --send '%2' "
                       "-- \"$PWTOOL\" publish --to '%3/www' 'Min side'")
            .arg(QStringLiteral(PAGEWICK_TERMINAL_SESSION), FtpTestServer::Password, address()),
        QStringLiteral("C.UTF-8"));
    const QString shown = QString::fromUtf8(result.out);
    EXPECT_EQ(result.exitCode, 0) << shown.toStdString() << result.err.toStdString();
    EXPECT_TRUE(shown.contains(QStringLiteral("  ../faelles/stil.css\r\n"))) << shown.toStdString();
    EXPECT_TRUE(shown.contains(QStringLiteral("2 af 2 filer overført"))) << shown.toStdString();
    EXPECT_FALSE(shown.contains(FtpTestServer::Password));
    EXPECT_TRUE(QFile::exists(server.rootPath(QStringLiteral("www/index.htm"))));
    EXPECT_TRUE(QFile::exists(server.rootPath(QStringLiteral("faelles/stil.css"))));
}

TEST_F(PublishTest, ASavedSiteGivesItsAddressAndItsPassword)
{
    m_extraEnvironment.remove(QStringLiteral("PAGEWICK_PASSWORD"));
    {
        SettingsStore settings(userSettingsPath());
        SiteStore sites(settings, SiteStore::PasswordPlace::SettingsFile);
        SiteRecord site;
        site.title = QStringLiteral("Min side");
        site.server = QStringLiteral("127.0.0.1");
        site.port = server.port();
        site.user = FtpTestServer::User;
        site.password = FtpTestServer::Password;
        site.startFolder = QStringLiteral("www");
        ASSERT_TRUE(sites.save(site));
    }
    ASSERT_TRUE(QDir(server.root()).mkdir(QStringLiteral("www")));
    writeInto(QStringLiteral("mappe/a.htm"), "a");

    const ToolRun result = publish({QStringLiteral("--site"), QStringLiteral("min side"), QStringLiteral("mappe")});
    EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
    EXPECT_TRUE(QFile::exists(server.rootPath(QStringLiteral("www/a.htm"))));
    // The same site for pwtool changed.
    EXPECT_EQ(run({QStringLiteral("changed"), QStringLiteral("--site"), QStringLiteral("Min side"), QStringLiteral("mappe")}).out,
              QByteArray());
}

TEST_F(PublishTest, UsageAndConnectionErrorsEndWithTwoAndNeverShowThePassword)
{
    writeInto(QStringLiteral("mappe/a.htm"), "a");
    const QString wrong = QStringLiteral("forkert-kode-123");
    const struct
    {
        QStringList arguments;
        QString password; // empty: none in the environment
        QString message;
    } cases[] = {
        {{QStringLiteral("mappe")},
         FtpTestServer::Password,
         QStringLiteral("Angiv serveren med enten --site TITEL eller --to ADRESSE.")},
        {{QStringLiteral("--site"), QStringLiteral("x"), QStringLiteral("--to"), address(), QStringLiteral("mappe")},
         FtpTestServer::Password,
         QStringLiteral("Angiv serveren med enten --site TITEL eller --to ADRESSE.")},
        {{QStringLiteral("--to"), QStringLiteral("ftp://pw:%1@127.0.0.1:%2").arg(wrong).arg(server.port()),
          QStringLiteral("mappe")},
         FtpTestServer::Password,
         QStringLiteral("Skriv ikke adgangskoden i adressen.")},
        {{QStringLiteral("--site"), QStringLiteral("Ukendt"), QStringLiteral("mappe")},
         FtpTestServer::Password,
         QStringLiteral("Der findes ingen forbindelse med titlen Ukendt.")},
        {{QStringLiteral("--to"), address(), QStringLiteral("findes-ikke")},
         FtpTestServer::Password,
         QStringLiteral("findes-ikke er hverken et projekt eller en mappe.")},
        {{QStringLiteral("--to"), address(), QStringLiteral("mappe")},
         wrong,
         QStringLiteral("Forkert adgangskode til 127.0.0.1")},
        {{QStringLiteral("--to"), address(), QStringLiteral("mappe")},
         QString(),
         QStringLiteral("Der er ingen adgangskode til 127.0.0.1.")},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.arguments.join(u' ').toStdString());
        if (c.password.isEmpty())
            m_extraEnvironment.remove(QStringLiteral("PAGEWICK_PASSWORD"));
        else
            m_extraEnvironment.insert(QStringLiteral("PAGEWICK_PASSWORD"), c.password);
        const ToolRun result = publish(c.arguments);
        EXPECT_EQ(result.exitCode, 2);
        EXPECT_TRUE(result.err.contains(c.message)) << result.err.toStdString();
        EXPECT_FALSE(result.err.contains(wrong) || result.err.contains(FtpTestServer::Password));
        EXPECT_FALSE(result.out.contains(wrong.toUtf8()));
    }
    EXPECT_FALSE(QFile::exists(server.rootPath(QStringLiteral("a.htm"))));
    EXPECT_EQ(seen(QStringLiteral("CMD STOR")), QStringList());
}

} // namespace
