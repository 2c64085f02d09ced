// The preview server over real connections: Qt's own HTTP client for what a
// browser asks, a raw client for requests no browser would send (steps up,
// encoded separators, foreign Host headers), and a WebSocket for the reload
// notice.
#include "preview/server/PreviewServer.h"
#include "preview/server/ReloadScript.h"

#include "support/WaitUntil.h"

#include <QDir>
#include <QFile>
#include <QNetworkAccessManager>
#include <QNetworkInterface>
#include <QNetworkReply>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QWebSocket>

#include <gtest/gtest.h>

#include <future>

namespace {

struct Reply
{
    int status = 0;
    QByteArray contentType;
    QByteArray location;
    QByteArray body;
};

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// One request as written, on its own connection, from another thread so that
// the server keeps running here; the answer is read up to its Content-Length.
Reply rawRequest(quint16 port, const QByteArray &requestHead)
{
    auto exchange = std::async(std::launch::async, [port, requestHead] {
        QTcpSocket socket;
        socket.connectToHost(QHostAddress::LocalHost, port);
        if (!socket.waitForConnected(5000))
            return QByteArray();
        socket.write(requestHead + "\r\n");
        socket.waitForBytesWritten(5000);
        QByteArray answer;
        while (socket.waitForReadyRead(5000)) {
            answer += socket.readAll();
            const qsizetype headEnd = answer.indexOf("\r\n\r\n");
            if (headEnd >= 0 && answer.startsWith("HTTP/1.1 101"))
                break;
            const qsizetype lengthAt = answer.toLower().indexOf("content-length:");
            if (headEnd >= 0 && lengthAt >= 0 && lengthAt < headEnd) {
                const qsizetype lengthEnd = answer.indexOf("\r\n", lengthAt);
                const qsizetype length = answer.mid(lengthAt + 15, lengthEnd - lengthAt - 15).trimmed().toLongLong();
                if (answer.size() >= headEnd + 4 + length)
                    break;
            }
        }
        return answer;
    });
    EXPECT_TRUE(waitUntil([&] { return exchange.wait_for(std::chrono::seconds(0)) == std::future_status::ready; }));
    const QByteArray answer = exchange.get();
    Reply reply;
    reply.status = answer.mid(9, 3).toInt();
    reply.body = answer.mid(answer.indexOf("\r\n\r\n") + 4);
    return reply;
}

Reply rawGet(quint16 port, const QByteArray &target, const QByteArray &host)
{
    return rawRequest(port, "GET " + target + " HTTP/1.1\r\nHost: " + host + "\r\nConnection: close\r\n");
}

// root/ holds index.html, a page, a stylesheet, a module, a picture, a folder
// with a page whose name has blanks and æ, and a folder without a page;
// outside/ beside it holds a secret file that a link in root points at.
class PreviewServerTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_temp.isValid());
        const QDir top(m_temp.path());
        ASSERT_TRUE(top.mkpath(QStringLiteral("root/mappe med æ")));
        ASSERT_TRUE(top.mkpath(QStringLiteral("root/tom")));
        ASSERT_TRUE(top.mkpath(QStringLiteral("outside")));
        writeFile(path("index.html"), "<html><body><h1>Forside</h1></body></html>");
        writeFile(path("side.html"), "<html><body><p>Fra filen</p></body></html>");
        writeFile(path("stil.css"), "body { color: red }");
        writeFile(path("modul.mjs"), "export const svar = 42;");
        writeFile(path("billede.png"), m_picture);
        writeFile(path("mappe med æ/side.html"), "<p>Dyb side</p>");
        writeFile(m_temp.path() + QStringLiteral("/outside/secret.txt"), "HEMMELIG");
        ASSERT_TRUE(QFile::link(m_temp.path() + QStringLiteral("/outside/secret.txt"), path("secret.txt")));
        m_server.setRoot(path(""));
        ASSERT_TRUE(m_server.start());
    }

    QString path(const QString &relative) const { return m_temp.path() + QStringLiteral("/root/") + relative; }
    QByteArray ownHost() const { return "127.0.0.1:" + QByteArray::number(m_server.port()); }
    QUrl url(const QByteArray &encodedPath) const { return QUrl::fromEncoded("http://" + ownHost() + encodedPath); }

    Reply get(const QUrl &address)
    {
        QNetworkRequest request(address);
        request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
        QNetworkReply *networkReply = m_network.get(request);
        EXPECT_TRUE(waitUntil([&] { return networkReply->isFinished(); }));
        Reply reply{networkReply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(),
                    networkReply->rawHeader("Content-Type"), networkReply->rawHeader("Location"), networkReply->readAll()};
        networkReply->deleteLater();
        return reply;
    }

    QTemporaryDir m_temp;
    const QByteArray m_picture = QByteArray("\x89PNG\r\n\x1a\n", 8) + QByteArray(3000, '\0');
    QHash<QString, QString> m_openDocuments;
    PreviewServer m_server{[this](const QString &file) -> std::optional<QString> {
        const auto found = m_openDocuments.constFind(file);
        return found == m_openDocuments.cend() ? std::nullopt : std::optional<QString>(*found);
    }};
    QNetworkAccessManager m_network;
};

TEST_F(PreviewServerTest, ServesFilesWithTheirTypesAndAddsTheReloadScriptToPages)
{
    const Reply page = get(url("/side.html"));
    EXPECT_EQ(page.status, 200);
    EXPECT_EQ(page.contentType, "text/html");
    EXPECT_TRUE(page.body.startsWith("<html><body><p>Fra filen</p>"));
    EXPECT_TRUE(page.body.contains(ReloadSocketPath));
    EXPECT_TRUE(page.body.endsWith("</body></html>"));

    const Reply style = get(url("/stil.css"));
    EXPECT_EQ(style.contentType, "text/css");
    EXPECT_EQ(style.body, "body { color: red }");

    const Reply module = get(url("/modul.mjs"));
    EXPECT_TRUE(module.contentType.contains("javascript")) << module.contentType.constData();

    const Reply picture = get(url("/billede.png"));
    EXPECT_EQ(picture.contentType, "image/png");
    EXPECT_EQ(picture.body, m_picture);
}

TEST_F(PreviewServerTest, AFileChangedOnDiskIsServedAfresh)
{
    EXPECT_EQ(get(url("/stil.css")).body, "body { color: red }");
    writeFile(path("stil.css"), "p { margin: 0 }");
    EXPECT_EQ(get(url("/stil.css")).body, "p { margin: 0 }");

    // The same size: told apart by the time alone.
    writeFile(path("stil.css"), "p { margin: 1 }");
    QFile file(path("stil.css"));
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(QDateTime::currentDateTime().addSecs(5), QFileDevice::FileModificationTime));
    file.close();
    EXPECT_EQ(get(url("/stil.css")).body, "p { margin: 1 }");

    QFile::remove(path("stil.css"));
    EXPECT_EQ(get(url("/stil.css")).status, 404);
}

TEST_F(PreviewServerTest, AnOpenDocumentIsServedFromTheEditorsText)
{
    m_openDocuments.insert(path("side.html"), QStringLiteral("<html><body><p>Rettet i editoren: æøå</p></body></html>"));
    m_openDocuments.insert(path("ny.html"), QStringLiteral("<p>Endnu ikke gemt</p>"));

    const Reply edited = get(url("/side.html"));
    EXPECT_EQ(edited.contentType, "text/html; charset=utf-8");
    EXPECT_TRUE(QString::fromUtf8(edited.body).contains(QStringLiteral("Rettet i editoren: æøå")));
    EXPECT_FALSE(edited.body.contains("Fra filen"));
    EXPECT_TRUE(edited.body.contains(ReloadSocketPath));

    const Reply unsaved = get(url("/ny.html"));
    EXPECT_EQ(unsaved.status, 200);
    EXPECT_TRUE(unsaved.body.startsWith("<p>Endnu ikke gemt</p>"));
}

TEST_F(PreviewServerTest, FoldersGiveTheirIndexPageNeverAListing)
{
    EXPECT_TRUE(get(url("/")).body.contains("Forside"));

    const Reply withoutSlash = get(url("/mappe%20med%20%C3%A6"));
    EXPECT_EQ(withoutSlash.status, 301);
    EXPECT_EQ(withoutSlash.location, "/mappe%20med%20%C3%A6/");

    for (const char *missing : {"/tom/", "/findes-ikke.html"}) {
        const Reply reply = get(url(missing));
        EXPECT_EQ(reply.status, 404) << missing;
        EXPECT_EQ(reply.contentType, "text/html; charset=utf-8");
        EXPECT_TRUE(QString::fromUtf8(reply.body).contains(QStringLiteral("Siden findes ikke"))) << missing;
    }
}

TEST_F(PreviewServerTest, RequestsForFilesOutsideTheFolderAreRefused)
{
    const char *attempts[] = {
        "/../outside/secret.txt",
        "/mappe%20med%20%C3%A6/../../outside/secret.txt",
        "/%2e%2e/outside/secret.txt",
        "/%2e%2e%2foutside%2fsecret.txt",
        "/..%5coutside%5csecret.txt",
        "/..\\outside\\secret.txt",
        "/secret.txt",
    };
    for (const char *attempt : attempts) {
        const Reply reply = rawGet(m_server.port(), attempt, ownHost());
        EXPECT_EQ(reply.status, 403) << attempt;
        EXPECT_FALSE(reply.body.contains("HEMMELIG")) << attempt;
        EXPECT_TRUE(QString::fromUtf8(reply.body).contains(QStringLiteral("Adgang nægtet"))) << attempt;
    }
    EXPECT_EQ(rawGet(m_server.port(), "/side.html", ownHost()).status, 200);

    // The HTTP parser reads a leading "//etc" as an authority and drops it: the
    // path left over is looked for inside the folder like any other.
    const Reply absolute = rawGet(m_server.port(), "//etc/passwd", ownHost());
    EXPECT_EQ(absolute.status, 404);
    EXPECT_FALSE(absolute.body.contains("root:"));
}

TEST_F(PreviewServerTest, OnlyRequestsNamingTheServerItselfAreAnswered)
{
    const QByteArray port = QByteArray::number(m_server.port());
    for (const QByteArray &host : QByteArrayList{"rebind.example:" + port, "127.0.0.1:1", "127.0.0.1"}) {
        const Reply reply = rawGet(m_server.port(), "/side.html", host);
        EXPECT_EQ(reply.status, 403) << host.constData();
        EXPECT_FALSE(reply.body.contains("Fra filen"));
    }
    EXPECT_EQ(rawGet(m_server.port(), "/side.html", "localhost:" + port).status, 200);
    EXPECT_EQ(rawRequest(m_server.port(), "GET /side.html HTTP/1.1\r\nConnection: close\r\n").status, 403);
}

TEST_F(PreviewServerTest, OnlyGetIsAnswered)
{
    const Reply reply = rawRequest(
        m_server.port(), "POST /side.html HTTP/1.1\r\nHost: " + ownHost() + "\r\nContent-Length: 0\r\nConnection: close\r\n");
    EXPECT_EQ(reply.status, 405);
}

TEST_F(PreviewServerTest, ItListensOnTheLoopbackAddressAlone)
{
    for (const QHostAddress &address : QNetworkInterface::allAddresses()) {
        if (address.isLoopback() || address.protocol() != QAbstractSocket::IPv4Protocol)
            continue;
        QTcpSocket socket;
        socket.connectToHost(address, m_server.port());
        EXPECT_FALSE(socket.waitForConnected(1000)) << address.toString().toStdString();
    }
}

TEST_F(PreviewServerTest, AddressesOfFilesBelowTheRootArePercentEncoded)
{
    const std::optional<QUrl> address = m_server.addressOf(path("mappe med æ/side.html"));
    ASSERT_TRUE(address);
    EXPECT_EQ(address->toEncoded(), "http://" + ownHost() + "/mappe%20med%20%C3%A6/side.html");
    EXPECT_TRUE(get(*address).body.startsWith("<p>Dyb side</p>"));

    EXPECT_FALSE(m_server.addressOf(m_temp.path() + QStringLiteral("/outside/secret.txt")));
    EXPECT_FALSE(m_server.addressOf(m_temp.path() + QStringLiteral("/root-2/side.html")));
}

TEST_F(PreviewServerTest, ServedPagesHearTheReloadNotice)
{
    QWebSocket page;
    QStringList notices;
    QObject::connect(&page, &QWebSocket::textMessageReceived, [&](const QString &notice) { notices.append(notice); });
    page.open(QUrl::fromEncoded("ws://" + ownHost() + ReloadSocketPath));
    ASSERT_TRUE(waitUntil([&] { return m_server.reloadListenerCount() == 1; }));

    m_server.announceReload();
    ASSERT_TRUE(waitUntil([&] { return !notices.isEmpty(); }));
    EXPECT_EQ(notices, QStringList{QStringLiteral("reload")});

    page.close();
    EXPECT_TRUE(waitUntil([&] { return m_server.reloadListenerCount() == 0; }));
}

TEST_F(PreviewServerTest, OnlyTheReloadSocketUnderTheServersOwnNameIsKept)
{
    const QByteArray port = QByteArray::number(m_server.port());
    const struct
    {
        QByteArray host;
        QByteArray path;
        int status;
    } cases[] = {
        {"rebind.example:" + port, ReloadSocketPath, 0},
        {ownHost(), "/andet", 0},
        {ownHost(), ReloadSocketPath, 101},
    };
    for (const auto &c : cases) {
        const Reply reply = rawRequest(m_server.port(),
                                       "GET " + c.path + " HTTP/1.1\r\nHost: " + c.host
                                           + "\r\nUpgrade: websocket\r\nConnection: Upgrade\r\n"
                                             "Sec-WebSocket-Key: dGhlIHNhbXBsZSBub25jZQ==\r\n"
                                             "Sec-WebSocket-Version: 13\r\n");
        EXPECT_EQ(reply.status, c.status) << c.host.constData() << c.path.constData();
    }
    EXPECT_TRUE(waitUntil([&] { return m_server.reloadListenerCount() == 0; }));
}

} // namespace
