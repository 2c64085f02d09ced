#include "preview/browser/BrowserEngineLoader.h"
#include "support/WaitUntil.h"

#include <QFile>
#include <QNetworkInterface>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QWebEngineView>

#include <gtest/gtest.h>

namespace {

// Answers every request with a small page and notes the address it was asked on.
class PageServer : public QObject
{
public:
    PageServer()
    {
        EXPECT_TRUE(m_server.listen(QHostAddress::AnyIPv4));
        connect(&m_server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket *socket = m_server.nextPendingConnection()) {
                asked.append(socket->localAddress());
                connect(socket, &QTcpSocket::readyRead, socket, [socket] {
                    socket->readAll();
                    const QByteArray page = "<title>svar</title>";
                    socket->write("HTTP/1.1 200 OK\r\nContent-Type: text/html\r\nConnection: close\r\nContent-Length: "
                                  + QByteArray::number(page.size()) + "\r\n\r\n" + page);
                    socket->disconnectFromHost();
                });
            }
        });
    }
    QUrl urlOn(const QHostAddress &address) const
    {
        return QUrl(QStringLiteral("http://%1:%2/").arg(address.toString()).arg(m_server.serverPort()));
    }

    QList<QHostAddress> asked;

private:
    QTcpServer m_server;
};

std::optional<QHostAddress> outsideAddress()
{
    for (const QHostAddress &address : QNetworkInterface::allAddresses()) {
        if (address.protocol() == QAbstractSocket::IPv4Protocol && !address.isLoopback())
            return address;
    }
    return std::nullopt;
}

class BrowserEngineTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_parent.resize(640, 480);
        m_parent.show();
        m_loaded = loadBrowserEngine(&m_parent);
        ASSERT_TRUE(m_loaded.engine) << m_loaded.error.toStdString();
        m_loaded.engine->view().resize(640, 480);
        m_loaded.engine->view().show();
    }

    QWebEngineView &view() { return *qobject_cast<QWebEngineView *>(&m_loaded.engine->view()); }

    // Loads the address and answers whether the page arrived.
    bool load(const QUrl &url)
    {
        QSignalSpy finished(&view(), &QWebEngineView::loadFinished);
        m_loaded.engine->navigate(url);
        EXPECT_TRUE(finished.wait(20000)) << url.toString().toStdString();
        return !finished.isEmpty() && finished.last().value(0).toBool();
    }

    QVariant evaluate(const QString &script)
    {
        QVariant result;
        bool done = false;
        view().page()->runJavaScript(script, [&](const QVariant &value) {
            result = value;
            done = true;
        });
        EXPECT_TRUE(waitUntil([&] { return done; }));
        return result;
    }

    QWidget m_parent;
    LoadedBrowserEngine m_loaded;
};

} // namespace

TEST_F(BrowserEngineTest, ShowsAPageWhoseTitleAndElementsCanBeRead)
{
    QTemporaryDir dir;
    QFile page(dir.filePath(QStringLiteral("side æ.html")));
    ASSERT_TRUE(page.open(QIODevice::WriteOnly));
    page.write(QStringLiteral("<html><head><title>Forside</title></head>"
                              "<body><p id=\"hilsen\">Goddag, Ærø</p></body></html>")
                   .toUtf8());
    page.close();

    ASSERT_TRUE(load(QUrl::fromLocalFile(page.fileName())));
    EXPECT_EQ(view().title(), QStringLiteral("Forside"));
    EXPECT_EQ(evaluate(QStringLiteral("document.getElementById('hilsen').textContent")).toString(),
              QStringLiteral("Goddag, Ærø"));
}

TEST_F(BrowserEngineTest, OfflineReachesOnlyTheUsersOwnMachine)
{
    const std::optional<QHostAddress> outside = outsideAddress();
    if (!outside)
        GTEST_SKIP() << "no network address besides loopback";
    PageServer server;

    m_loaded.engine->setOffline(true);
    EXPECT_FALSE(load(server.urlOn(*outside)));
    EXPECT_TRUE(load(server.urlOn(QHostAddress::LocalHost)));
    EXPECT_EQ(view().title(), QStringLiteral("svar"));
    EXPECT_FALSE(server.asked.contains(*outside));
    EXPECT_TRUE(server.asked.contains(QHostAddress(QHostAddress::LocalHost)));

    m_loaded.engine->setOffline(false);
    EXPECT_TRUE(load(server.urlOn(*outside)));
    EXPECT_TRUE(server.asked.contains(*outside));
}

TEST(BrowserEngineLoader, AMissingEngineIsReportedNotFatal)
{
    qputenv("PAGEWICK_BROWSER_MODULE", "/nonexistent/pagewick_webengine.so");
    QWidget parent;
    const LoadedBrowserEngine loaded = loadBrowserEngine(&parent);
    qunsetenv("PAGEWICK_BROWSER_MODULE");
    EXPECT_FALSE(loaded.engine);
    EXPECT_FALSE(loaded.error.isEmpty());
}
