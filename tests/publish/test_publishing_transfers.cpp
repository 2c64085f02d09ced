// Transfers through the publishing window against a real FTP server: the
// pending transfer, a project's update with its folders, downloads over
// existing files, drops on the listing, and closing while a file is sent.
#include "FtpWindowFixture.h"

#include "projects/PublishRecord.h"
#include "publish/FtpLog.h"
#include "publish/SiteAddressing.h"
#include "publish/TfrmProgress.h"
#include "workbench/PublishRequests.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>

namespace {

class PublishingTransfers : public FtpWindowFixture
{
protected:
    PublishingTransfers() { serverOptions.journal = true; }

    QString localFile(const QString &relative, const QByteArray &content = "<html></html>")
    {
        return writeFile(local.filePath(relative), content);
    }
    // The server's commands that make folders or store files, in order.
    QStringList changes()
    {
        QStringList seen;
        for (const QString &line : server().journal()) {
            const QString verb = line.section(QLatin1Char(' '), 1, 1);
            if (line.startsWith(QStringLiteral("CMD ")) && (verb == QStringLiteral("MKD") || verb == QStringLiteral("STOR")))
                seen << verb;
        }
        return seen;
    }
};

TEST_F(PublishingTransfers, FilesQueuedBeforeConnectingAreSentWithStart)
{
    const QString page = localFile(QStringLiteral("side.htm"));
    window->queueUpload({page}, QStringLiteral("side.htm"));
    EXPECT_EQ(window->statusText(), QStringLiteral("side.htm  markeret til overførsel til ftp-server"));
    EXPECT_FALSE(command("actStart").isEnabled()) << "not connected yet";

    connectWindow();
    EXPECT_TRUE(command("actStart").isEnabled());
    EXPECT_FALSE(command("actStop").isEnabled());
    QSignalSpy published(window, &TfrmFtp::filesPublished);
    command("actStart").trigger();
    EXPECT_EQ(published.count(), 1) << "the project page marks its files anew";
    EXPECT_EQ(readFile(serverFile(QStringLiteral("side.htm"))), QByteArray("<html></html>"));
    EXPECT_EQ(window->statusText(), QStringLiteral("1 af 1 filer overført"));
    EXPECT_EQ(window->log().lines().last().section(QLatin1Char(' '), 1), QStringLiteral("1 af 1 filer overført"));
    EXPECT_TRUE(window->pending().isEmpty());
    EXPECT_FALSE(command("actStart").isEnabled()) << "nothing is pending any more";
    EXPECT_TRUE(window->listing().model().rowCount() == 1) << "the listing is read again";
    PublishRecord record(PublishRecord::fileIn(data.path()));
    ASSERT_TRUE(record.open());
    const auto sent = record.siteFiles(*siteAddress(window->sitePanel().record()));
    ASSERT_TRUE(sent.has_value());
    EXPECT_TRUE(sent->contains(page)) << "noted as published";

    // Queued while connected: sent at once; a file that fails is told and counted out.
    window->queueUpload({page, local.filePath(QStringLiteral("mangler.htm"))}, QStringLiteral("2 fil(er)"));
    EXPECT_EQ(window->statusText(), QStringLiteral("1 af 2 filer overført"));
    EXPECT_TRUE(window->log().lines().join(QLatin1Char('\n')).contains(QStringLiteral("mangler.htm")));
}

TEST_F(PublishingTransfers, AProjectUpdateCreatesItsFoldersFirst)
{
    localFile(QStringLiteral("site/index.htm"));
    localFile(QStringLiteral("site/grafik/logo.gif"), "GIF89a");
    const ProjectUpload upload{QStringLiteral("Min side"),
                               local.filePath(QStringLiteral("site/")),
                               {QStringLiteral("index.htm"), QStringLiteral("grafik/logo.gif")},
                               QStringLiteral("2 filer markeret")};

    // No site is titled like the project: the user is asked to save one.
    prompter.expect(QStringLiteral("gem dem under navnet \"Min side\""));
    window->queueProject(upload);
    EXPECT_EQ(window->siteList().currentText(), QStringLiteral("Min side"));
    EXPECT_TRUE(window->propertiesShown());
    EXPECT_EQ(window->statusText(), QStringLiteral("2 filer markeret"));
    EXPECT_EQ(window->pending().foldersToCreate, QStringList({QStringLiteral("grafik")}));

    connectWindow();
    command("actStart").trigger();
    EXPECT_EQ(readFile(serverFile(QStringLiteral("grafik/logo.gif"))), QByteArray("GIF89a"));
    EXPECT_TRUE(QFile::exists(serverFile(QStringLiteral("index.htm"))));
    const QStringList seen = changes();
    ASSERT_FALSE(seen.isEmpty());
    EXPECT_EQ(seen, QStringList({QStringLiteral("MKD"), QStringLiteral("STOR"), QStringLiteral("STOR")}));
    EXPECT_EQ(window->statusText(), QStringLiteral("2 af 2 filer overført"));

    // While connected: the notice about standing in the project's root folder.
    prompter.expect(QStringLiteral("står i projektets rodbibliotek"));
    window->queueProject(upload);
    EXPECT_TRUE(command("actStart").isEnabled());
}

TEST_F(PublishingTransfers, ASiteTitledLikeTheProjectIsChosen)
{
    fillSite();
    prompter.expectInput(QStringLiteral("Min side"));
    command("actGem").trigger();
    window->sitePanel().server->clear();
    window->queueProject({QStringLiteral("min side"), local.path() + QLatin1Char('/'), {QStringLiteral("a.htm")}, {}});
    EXPECT_EQ(window->sitePanel().server->text(), QStringLiteral("127.0.0.1"));
}

TEST_F(PublishingTransfers, DownloadsAskBeforeReplacingLocalFiles)
{
    writeFile(serverFile(QStringLiteral("a.htm")), "ny");
    writeFile(serverFile(QStringLiteral("b.htm")), "b");
    writeFile(serverFile(QStringLiteral("styre\x07tegn.htm")), "x");
    localFile(QStringLiteral("a.htm"), "gammel");
    connectWindow();
    QSignalSpy changed(window.data(), &TfrmFtp::localFilesChanged);

    select({QStringLiteral("a.htm"), QStringLiteral("b.htm")});
    prompter.expect(QStringLiteral("a.htm\nfindes i forvejen i mappen"), Prompter::No);
    window->downloadSelectedInto(local.path());
    EXPECT_EQ(prompter.seen().last().caption, QStringLiteral("Henter fil(er)"));
    EXPECT_EQ(readFile(local.filePath(QStringLiteral("a.htm"))), QByteArray("gammel")) << "No keeps the old file";
    EXPECT_FALSE(QFile::exists(local.filePath(QStringLiteral("b.htm"))));
    EXPECT_TRUE(changed.isEmpty());

    prompter.expect(QStringLiteral("findes i forvejen"), Prompter::Yes);
    window->downloadSelectedInto(local.path());
    EXPECT_EQ(readFile(local.filePath(QStringLiteral("a.htm"))), QByteArray("ny"));
    EXPECT_EQ(readFile(local.filePath(QStringLiteral("b.htm"))), QByteArray("b"));
    ASSERT_EQ(changed.size(), 1);
    EXPECT_EQ(changed.first().first().toString(), local.path());
    EXPECT_EQ(window->statusText(), QStringLiteral("2 af 2 filer overført"));

    // A name that is no safe local name is shown, but not fetched.
    EXPECT_TRUE(window->listing().model().rowCount() == 3);
    select({QStringLiteral("styre\x07tegn.htm")});
    prompter.expect(QStringLiteral("Disse filer hentes ikke"));
    window->downloadSelectedInto(local.path());
    EXPECT_EQ(QDir(local.path()).entryList(QDir::Files).size(), 2);

    // "Overfør til..." asks for the folder first.
    QTemporaryDir other;
    select({QStringLiteral("b.htm")});
    prompter.expectFiles({other.path()});
    command("actOverfoerTil").trigger();
    EXPECT_EQ(readFile(other.filePath(QStringLiteral("b.htm"))), QByteArray("b"));
}

TEST_F(PublishingTransfers, DropsOnTheListingAreSentAtOnceWhenConnected)
{
    const QString page = localFile(QStringLiteral("drop.htm"));
    QDir(local.path()).mkpath(QStringLiteral("mappe"));

    prompter.expect(QStringLiteral("Du skal være forbundet til serveren for at kunne overføre filer."));
    emit window->listing().filesDropped({page});
    EXPECT_EQ(prompter.seen().last().caption, QStringLiteral("Overførsel til Internet"));

    connectWindow();
    emit window->listing().filesDropped({local.filePath(QStringLiteral("mappe"))});
    EXPECT_TRUE(changes().isEmpty()) << "a dropped folder sends nothing";
    emit window->listing().filesDropped({page, local.filePath(QStringLiteral("mappe"))});
    EXPECT_EQ(changes(), QStringList({QStringLiteral("STOR")})) << "only the file";
    EXPECT_TRUE(QFile::exists(serverFile(QStringLiteral("drop.htm"))));
}

class SlowTransfers : public PublishingTransfers
{
protected:
    SlowTransfers() { serverOptions.throttleBytesPerSecond = 64 * 1024; }
};

TEST_F(SlowTransfers, ClosingDuringATransferEndsItBeforeTheWindowGoes)
{
    const QString big = localFile(QStringLiteral("stor.bin"), sampleBytes(4 * 1024 * 1024));
    connectWindow();
    bool closedDuringTransfer = false;
    // Runs inside the blocking upload, as the user's click would.
    QTimer::singleShot(400, window.data(), [this, &closedDuringTransfer] {
        ASSERT_TRUE(window->isBusy());
        ASSERT_NE(window->progressWindow(), nullptr);
        EXPECT_TRUE(window->progressWindow()->isVisible());
        EXPECT_EQ(enabled({QStringLiteral("actTilslut"), QStringLiteral("actAfbryd"), QStringLiteral("actStart"),
                           QStringLiteral("actStop"), QStringLiteral("actNy")}),
                  QStringList({QStringLiteral("actAfbryd"), QStringLiteral("actStop")}));
        EXPECT_FALSE(window->sitePanel().isEnabled());
        prompter.expect(QStringLiteral("Der udveksles stadig data"), Prompter::Yes);
        window->close();
        EXPECT_EQ(prompter.seen().last().caption, QStringLiteral("Luk ftp"));
        closedDuringTransfer = !window.isNull() && window->isVisible();
    });
    window->queueUpload({big}, QStringLiteral("stor.bin"));
    EXPECT_TRUE(closedDuringTransfer) << "the window waits for the running call";
    ASSERT_TRUE(waitUntil([this] {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return window.isNull();
    }));
    EXPECT_FALSE(QFile::exists(serverFile(QStringLiteral("stor.bin")))) << "the transfer was ended";
    EXPECT_TRUE(readFile(data.filePath(QStringLiteral("ftp.log"))).contains("0 af 1 filer overført"));
}

TEST_F(SlowTransfers, CancelInTheProgressWindowStopsTheTransfer)
{
    const QString big = localFile(QStringLiteral("stor.bin"), sampleBytes(4 * 1024 * 1024));
    connectWindow();
    QTimer::singleShot(400, window.data(), [this] {
        ASSERT_NE(window->progressWindow(), nullptr);
        window->progressWindow()->cancel->click();
    });
    window->queueUpload({big}, QStringLiteral("stor.bin"));
    EXPECT_FALSE(window->isConnected()) << "a stopped transfer ends the connection";
    EXPECT_FALSE(window->isBusy());
    EXPECT_FALSE(window->progressWindow()->isVisible());
    EXPECT_EQ(window->statusText(), QStringLiteral("0 af 1 filer overført"));
    EXPECT_TRUE(command("actTilslut").isEnabled());
    EXPECT_FALSE(QFile::exists(serverFile(QStringLiteral("stor.bin"))));
}

} // namespace
