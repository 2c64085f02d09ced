// The publishing window against a real FTP server: connecting, the listing
// and its folders, remote folders, renames and deletions, and closing.
#include "FtpWindowFixture.h"

#include "publish/FtpLog.h"
#include "workbench/HelpLine.h"

#include <QComboBox>

namespace {

using PublishingWindow = FtpWindowFixture;

const QStringList StateCommands = {QStringLiteral("actTilslut"), QStringLiteral("actAfbryd"), QStringLiteral("actStart"),
                                   QStringLiteral("actStop"),    QStringLiteral("actNy"),     QStringLiteral("actNiveauOp"),
                                   QStringLiteral("actNyMappe")};

TEST_F(PublishingWindow, ConnectsListsEntersFoldersAndGoesBack)
{
    writeFile(serverFile(QStringLiteral("web/grafik/logo.gif")), "GIF89a");
    writeFile(serverFile(QStringLiteral("web/index.htm")), "<html>");
    writeFile(serverFile(QStringLiteral("Aaa.txt")), QByteArray(1234, 'x'));

    EXPECT_EQ(enabled(StateCommands), QStringList({QStringLiteral("actTilslut"), QStringLiteral("actNy")}));
    EXPECT_TRUE(window->sitePanel().isEnabled());
    QEvent enter(QEvent::Enter);
    QCoreApplication::sendEvent(window->listing().currentView(), &enter);
    EXPECT_EQ(window->helpLine().text(),
              QStringLiteral("Oversigt over indholdet på serveren. Overfør filer ved at "
                             "trække dem til og fra Pagewicks filhåndtering."));

    connectWindow();
    EXPECT_EQ(shownNames(), QStringList({QStringLiteral("web"), QStringLiteral("Aaa.txt")})) << "folders first";
    EXPECT_EQ(window->listing().model().entry(1).sizeText, QStringLiteral("1.234"));
    EXPECT_EQ(window->listing().model().entry(0).sizeText, QString());
    EXPECT_EQ(window->statusText(), QStringLiteral("Klar"));
    EXPECT_EQ(enabled(StateCommands), QStringList({QStringLiteral("actAfbryd"), QStringLiteral("actNyMappe")}))
        << "at the root there is no level up, and nothing is pending";
    EXPECT_FALSE(window->sitePanel().isEnabled());
    EXPECT_EQ(window->folderList().count(), 1);
    EXPECT_EQ(window->folderList().itemText(0), QStringLiteral("127.0.0.1"));
    EXPECT_TRUE(window->log().lines().first().startsWith(QStringLiteral("1: ")));
    EXPECT_TRUE(window->log().lines().join(QLatin1Char('\n')).contains(QStringLiteral("Forbundet til 127.0.0.1")));

    // A double-click on a folder enters it.
    emit window->listing().folderActivated(QStringLiteral("web"));
    EXPECT_EQ(window->ftp().RemoteDir(), QStringLiteral("/web"));
    EXPECT_EQ(shownNames(), QStringList({QStringLiteral("grafik"), QStringLiteral("index.htm")}));
    EXPECT_TRUE(command("actNiveauOp").isEnabled());
    emit window->listing().folderActivated(QStringLiteral("grafik"));
    EXPECT_EQ(shownNames(), QStringList({QStringLiteral("logo.gif")}));
    ASSERT_EQ(window->folderList().count(), 3);
    EXPECT_EQ(window->folderList().itemText(2).trimmed(), QStringLiteral("grafik"));
    EXPECT_EQ(window->folderList().currentIndex(), 2);

    // Level 1 of the folder list, then one level up to the root.
    emit window->folderList().activated(1);
    EXPECT_EQ(window->ftp().RemoteDir(), QStringLiteral("/web"));
    command("actNiveauOp").trigger();
    EXPECT_EQ(window->ftp().RemoteDir(), QStringLiteral("/"));
    EXPECT_FALSE(command("actNiveauOp").isEnabled());

    command("actAfbryd").trigger();
    EXPECT_FALSE(window->isConnected());
    EXPECT_TRUE(shownNames().isEmpty());
    EXPECT_EQ(window->folderList().count(), 0);
    EXPECT_EQ(enabled(StateCommands), QStringList({QStringLiteral("actTilslut"), QStringLiteral("actNy")}));
    EXPECT_TRUE(window->log().lines().last().endsWith(QStringLiteral("Afkoblet fra 127.0.0.1")));
}

TEST_F(PublishingWindow, AsksForThePasswordWhenItIsNotKept)
{
    fillSite();
    window->sitePanel().password->setText(QStringLiteral("forkert"));
    window->sitePanel().savePassword->setChecked(false);

    prompter.expectDialog(QStringLiteral("Adgangskode"), {}, false);
    window->connectToSite();
    EXPECT_FALSE(window->isConnected()) << "cancelled: nothing happens";

    prompter.expectDialog(QStringLiteral("Adgangskode"), [](QDialog &dialog) {
        auto *field = dialog.findChild<QLineEdit *>(QStringLiteral("txtAdgangskode"));
        ASSERT_NE(field, nullptr);
        EXPECT_EQ(field->echoMode(), QLineEdit::Password);
        field->setText(FtpTestServer::Password);
    });
    window->connectToSite();
    EXPECT_TRUE(window->isConnected()) << "the typed password, not the stored one";
}

TEST_F(PublishingWindow, AFailedConnectionIsToldAndLogged)
{
    fillSite();
    window->sitePanel().password->setText(QStringLiteral("forkert"));
    prompter.expect(QStringLiteral("127.0.0.1"));
    window->connectToSite();
    EXPECT_FALSE(window->isConnected());
    EXPECT_FALSE(window->isMinimized());
    EXPECT_TRUE(command("actTilslut").isEnabled());
    EXPECT_EQ(prompter.seen().last().caption, QStringLiteral("Brindle's Pagewick"));
    EXPECT_TRUE(window->log().lines().join(QLatin1Char('\n')).contains(prompter.seen().last().text));
}

TEST_F(PublishingWindow, CreatesRenamesAndDeletesRemoteEntries)
{
    writeFile(serverFile(QStringLiteral("b.txt")), "b");
    writeFile(serverFile(QStringLiteral("full/inside.txt")), "x");
    connectWindow();

    prompter.expectInput(QStringLiteral("ny mappe"));
    command("actNyMappe").trigger();
    EXPECT_TRUE(QFileInfo(serverFile(QStringLiteral("ny mappe"))).isDir());
    EXPECT_TRUE(shownNames().contains(QStringLiteral("ny mappe")));

    // Names that are not one entry are refused before anything is sent.
    for (const QString &name : {QStringLiteral("a/b"), QStringLiteral("x\r\nDELE b.txt")}) {
        prompter.expectInput(name).expect(QStringLiteral("Navnet må ikke"));
        command("actNyMappe").trigger();
        prompter.expect(QStringLiteral("Navnet må ikke"));
        window->renameRemote(QStringLiteral("b.txt"), name);
    }
    EXPECT_TRUE(QFile::exists(serverFile(QStringLiteral("b.txt"))));
    EXPECT_FALSE(QFileInfo::exists(serverFile(QStringLiteral("a"))));

    // An in-place rename, carried out once the edit has ended.
    window->renameRemote(QStringLiteral("b.txt"), QStringLiteral("c.txt"));
    EXPECT_TRUE(window->isBusy()) << "until the listing is read again";
    ASSERT_TRUE(waitUntil([this] { return !window->isBusy(); }));
    EXPECT_TRUE(QFile::exists(serverFile(QStringLiteral("c.txt"))));
    EXPECT_TRUE(shownNames().contains(QStringLiteral("c.txt")));

    // A failed rename is told; the window is ready and shows the server as it is.
    writeFile(serverFile(QStringLiteral("new.txt")), "n");
    prompter.expect(QStringLiteral("Fejl under omdøbning af gone.txt til d.txt"));
    window->renameRemote(QStringLiteral("gone.txt"), QStringLiteral("d.txt"));
    EXPECT_FALSE(window->isBusy());
    EXPECT_EQ(window->statusText(), QStringLiteral("Klar"));
    EXPECT_TRUE(shownNames().contains(QStringLiteral("new.txt")));
    EXPECT_TRUE(command("actOpdater").isEnabled());

    // Deleting: a file goes, a folder that is not empty stays and is told.
    select({QStringLiteral("c.txt"), QStringLiteral("full")});
    EXPECT_TRUE(command("actSlet").isEnabled());
    EXPECT_FALSE(command("actNyMappe").isEnabled()) << "not while entries are selected";
    prompter.expect(QStringLiteral("Ønsker du at slette de markerede filer og mapper på serveren?"), Prompter::Yes)
        .expect(QStringLiteral("Mappen full kunne ikke slettes. Tjek, at den er tom."));
    command("actSlet").trigger();
    EXPECT_EQ(prompter.seen().last().caption, QStringLiteral("Programfejl"));
    EXPECT_FALSE(QFile::exists(serverFile(QStringLiteral("c.txt"))));
    EXPECT_TRUE(QFile::exists(serverFile(QStringLiteral("full/inside.txt"))));
    EXPECT_FALSE(shownNames().contains(QStringLiteral("c.txt")));

    // No answers "No": nothing is deleted.
    select({QStringLiteral("new.txt")});
    prompter.expect(QStringLiteral("Ønsker du at slette"), Prompter::No);
    command("actSlet").trigger();
    EXPECT_TRUE(QFile::exists(serverFile(QStringLiteral("new.txt"))));
}

TEST_F(PublishingWindow, SavesAndDeletesSitesFromTheFields)
{
    fillSite();
    window->sitePanel().startFolder->setText(QStringLiteral("web"));
    prompter.expectInput(QStringLiteral("Min side"));
    command("actGem").trigger();
    EXPECT_EQ(prompter.inputPrompts().last(), QStringLiteral("Skriv forbindelsens titel:"));
    EXPECT_EQ(window->siteList().currentText(), QStringLiteral("Min side"));

    // Another site, then the first one again under its title in other letters.
    window->sitePanel().server->setText(QStringLiteral("ftp.andet.dk"));
    prompter.expectInput(QStringLiteral("Andet"));
    command("actGem").trigger();
    window->sitePanel().server->setText(QStringLiteral("127.0.0.1"));
    window->sitePanel().user->setText(QStringLiteral("ny bruger"));
    prompter.expectInput(QStringLiteral("min side"));
    command("actGem").trigger();
    EXPECT_EQ(store.readSection(QStringLiteral("Ftp")),
              QStringList({QStringLiteral("Ftp1=Andet"), QStringLiteral("Ftp2=min side")}))
        << "one entry per title, sorted";

    // Choosing a site shows it; deleting it shows the first one left.
    window->selectSite(0);
    EXPECT_EQ(window->sitePanel().server->text(), QStringLiteral("ftp.andet.dk"));
    prompter.expect(QStringLiteral("Ønsker du at slette Andet?"), Prompter::Yes);
    command("actSletForbindelse").trigger();
    EXPECT_EQ(prompter.seen().last().caption, QStringLiteral("Slet forbindelse"));
    EXPECT_EQ(window->siteList().count(), 1);
    EXPECT_EQ(window->sitePanel().server->text(), QStringLiteral("127.0.0.1"));
    EXPECT_EQ(window->sitePanel().user->text(), QStringLiteral("ny bruger"));

    // A new window shows the site chosen last, with its kept password.
    closeWindow();
    openWindow();
    EXPECT_EQ(window->siteList().currentText(), QStringLiteral("min side"));
    EXPECT_EQ(window->sitePanel().startFolder->text(), QStringLiteral("web"));
    EXPECT_EQ(window->sitePanel().password->text(), FtpTestServer::Password);

    // "Ny" empties the login fields; the last site deleted leaves them as they are.
    command("actNy").trigger();
    EXPECT_EQ(window->sitePanel().server->text(), QString());
    EXPECT_TRUE(window->propertiesShown());
    window->selectSite(0);
    prompter.expect(QStringLiteral("Ønsker du at slette"), Prompter::Yes);
    command("actSletForbindelse").trigger();
    EXPECT_EQ(window->siteList().count(), 0);
    EXPECT_EQ(window->sitePanel().server->text(), QStringLiteral("127.0.0.1"));
    EXPECT_TRUE(store.readSection(QStringLiteral("Ftp")).isEmpty());
    EXPECT_FALSE(command("actSletForbindelse").isEnabled());
}

TEST_F(PublishingWindow, ClosingWritesTheLogAndTheWindowSettingsWithoutThePassword)
{
    connectWindow();
    // Whatever brings the password into a line, it is blotted out.
    window->log().add(QStringLiteral("PASS ") + FtpTestServer::Password);
    EXPECT_EQ(window->log().lines().last().section(QLatin1Char(' '), 1), QStringLiteral("PASS ********"));
    window->listing().setView(RemoteListing::Details);
    window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_TRUE(window.isNull());

    const QByteArray log = readFile(data.filePath(QStringLiteral("ftp.log")));
    EXPECT_TRUE(log.startsWith("1: ")) << log.constData();
    EXPECT_TRUE(log.contains("Forbundet til 127.0.0.1"));
    EXPECT_TRUE(log.contains("Afkoblet fra 127.0.0.1")) << "closing disconnects";
    EXPECT_TRUE(log.contains(": Afsluttet "));
    EXPECT_FALSE(log.contains(FtpTestServer::Password.toUtf8()));
    EXPECT_EQ(store.readInt(QStringLiteral("Start"), QStringLiteral("FtpVisning"), 0), 4);
    EXPECT_GT(store.readInt(QStringLiteral("Start"), QStringLiteral("FtpBredde"), 0), 0);

    // The next window opens in the same view.
    openWindow();
    EXPECT_EQ(window->listing().view(), RemoteListing::Details);
}

} // namespace
