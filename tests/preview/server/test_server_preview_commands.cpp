// "Vis i ekstern browser via forhåndsvisningsserver" in the real window: the
// desktop browser is given the server's address of the active document, the
// server answers with the editor's text, and saving announces a reload.
#include "preview/server/ReloadScript.h"

#include "support/MainWindowFixture.h"
#include "support/WaitUntil.h"

#include <QDesktopServices>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QWebSocket>

namespace {

// Stands in for the desktop's browser: keeps the addresses it is given.
class RecordingBrowser : public QObject
{
    Q_OBJECT
public:
    RecordingBrowser() { QDesktopServices::setUrlHandler(QStringLiteral("http"), this, "open"); }
    ~RecordingBrowser() override { QDesktopServices::unsetUrlHandler(QStringLiteral("http")); }

    QList<QUrl> opened;

public slots:
    void open(const QUrl &address) { opened.append(address); }
};

class ServerPreviewCommandTest : public MainWindowFixture
{
protected:
    QByteArray fetch(const QUrl &address)
    {
        QNetworkReply *reply = m_network.get(QNetworkRequest(address));
        EXPECT_TRUE(waitUntil([&] { return reply->isFinished(); }));
        const QByteArray body = reply->readAll();
        reply->deleteLater();
        return body;
    }

    RecordingBrowser m_browser;
    QNetworkAccessManager m_network;
};

TEST_F(ServerPreviewCommandTest, TheBrowserGetsTheServersAddressAndTheEditorsText)
{
    QDir().mkpath(m_dir.filePath(QStringLiteral("site med æ")));
    const QString page = m_dir.filePath(QStringLiteral("site med æ/side.html"));
    QFile file(page);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("<html><body><p>Gemt</p></body></html>");
    file.close();
    m_window->documentCommands().FilAabn(page);
    editor().SetText(QStringLiteral("<html><head><title>Side</title></head><body><p>Ændret i editoren</p></body></html>"));

    run("actEksternBrowserServer");
    ASSERT_EQ(m_browser.opened.size(), 1);
    const QUrl address = m_browser.opened.first();
    EXPECT_EQ(address.host(), QStringLiteral("127.0.0.1"));
    EXPECT_EQ(address.path(QUrl::FullyEncoded), QStringLiteral("/side.html"));
    EXPECT_TRUE(QString::fromUtf8(fetch(address)).contains(QStringLiteral("Ændret i editoren")));

    QWebSocket listener;
    QStringList notices;
    QObject::connect(&listener, &QWebSocket::textMessageReceived, [&](const QString &notice) { notices.append(notice); });
    listener.open(QUrl(u"ws://" % address.authority() % QString::fromLatin1(ReloadSocketPath)));
    ASSERT_TRUE(waitUntil([&] { return listener.state() == QAbstractSocket::ConnectedState; }));
    m_prompter.expect(QStringLiteral("indeholder ikke en Auto-opdateringsdato"), Prompter::No);
    ASSERT_TRUE(m_window->documentCommands().FilGem(m_window->documents().activeIndex()));
    EXPECT_TRUE(waitUntil([&] { return !notices.isEmpty(); }));
}

TEST_F(ServerPreviewCommandTest, WithTheOptionOnAPauseInTypingAnnouncesAReload)
{
    const QString page = m_dir.filePath(QStringLiteral("side.html"));
    QFile file(page);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("<html><body><p>Gemt</p></body></html>");
    file.close();
    m_window->documentCommands().FilAabn(page);
    run("actEksternBrowserServer");
    ASSERT_EQ(m_browser.opened.size(), 1);

    QWebSocket listener;
    QStringList notices;
    QObject::connect(&listener, &QWebSocket::textMessageReceived, [&](const QString &notice) { notices.append(notice); });
    listener.open(QUrl(u"ws://" % m_browser.opened.first().authority() % QString::fromLatin1(ReloadSocketPath)));
    ASSERT_TRUE(waitUntil([&] { return listener.state() == QAbstractSocket::ConnectedState; }));

    // Off, as it starts: typing alone reloads nothing.
    ASSERT_FALSE(command("actOpdaterUnderSkrivning")->isChecked());
    QTest::keyClicks(&editor(), QStringLiteral("abc"));
    QTest::qWait(1000);
    EXPECT_TRUE(notices.isEmpty());

    run("actOpdaterUnderSkrivning");
    EXPECT_TRUE(settings().readBool(QStringLiteral("Start"), QStringLiteral("OpdaterUnderSkrivning"), false));
    QTest::keyClicks(&editor(), QStringLiteral("def"));
    ASSERT_TRUE(waitUntil([&] { return !notices.isEmpty(); }));
    EXPECT_EQ(notices.size(), 1); // one reload for the pause, not one per key
    EXPECT_TRUE(QString::fromUtf8(fetch(m_browser.opened.first())).contains(QStringLiteral("def")));
}

TEST_F(ServerPreviewCommandTest, AnUnsavedDocumentIsNotShown)
{
    m_prompter.expect(QStringLiteral("Gem dokumentet, før det kan vises"));
    run("actEksternBrowserServer");
    EXPECT_TRUE(m_browser.opened.isEmpty());
}

} // namespace

#include "test_server_preview_commands.moc"
