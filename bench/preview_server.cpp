// Requests per second of the preview server beside `python3 -m http.server`
// on the same files: a 20 KB page and a 2 MB picture, each fetched over 2
// connections at once for a few seconds. Each server keeps its own manner:
// the preview server keeps a connection open, Python's closes it after each
// answer, and the client connects again when it does.
// Usage: preview_server [seconds per run, default 3]
#include "BenchSupport.h"

#include "preview/server/PreviewServer.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QProcess>
#include <QRandomGenerator>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QThread>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <thread>
#include <vector>

namespace {

constexpr int Connections = 2;

// A blocking HTTP/1.1 client on one connection, opened again whenever the
// server closes it. Answers are read whole (by their Content-Length).
class PlainClient
{
public:
    PlainClient(quint16 port, const QByteArray &path)
        : m_port(port)
        , m_request("GET " + path + " HTTP/1.1\r\nHost: 127.0.0.1:" + QByteArray::number(port) + "\r\n\r\n")
    {
    }
    ~PlainClient() { disconnect(); }

    // One request and its answer; false on a failure or an answer other than 200.
    bool fetch()
    {
        if (m_socket < 0 && !connectToServer())
            return false;
        if (::send(m_socket, m_request.constData(), m_request.size(), MSG_NOSIGNAL) != m_request.size()) {
            disconnect();
            return false;
        }
        const bool ok = readAnswer();
        if (!ok || m_closeAfter)
            disconnect();
        return ok;
    }

private:
    bool connectToServer()
    {
        m_socket = ::socket(AF_INET, SOCK_STREAM, 0);
        const int on = 1;
        ::setsockopt(m_socket, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_port = htons(m_port);
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        if (::connect(m_socket, reinterpret_cast<sockaddr *>(&address), sizeof address) != 0) {
            disconnect();
            return false;
        }
        return true;
    }

    void disconnect()
    {
        if (m_socket >= 0)
            ::close(m_socket);
        m_socket = -1;
        m_pending.clear();
    }

    bool receiveMore()
    {
        char chunk[65536];
        const ssize_t got = ::recv(m_socket, chunk, sizeof chunk, 0);
        if (got <= 0)
            return false;
        m_pending.append(chunk, got);
        return true;
    }

    bool readAnswer()
    {
        qsizetype headEnd;
        while ((headEnd = m_pending.indexOf("\r\n\r\n")) < 0) {
            if (!receiveMore())
                return false;
        }
        const QByteArray head = m_pending.left(headEnd).toLower();
        const qsizetype lengthAt = head.indexOf("content-length:");
        if (lengthAt < 0)
            return false;
        const qsizetype length = head.mid(lengthAt + 15, head.indexOf('\r', lengthAt) - lengthAt - 15).trimmed().toLongLong();
        m_closeAfter = head.startsWith("http/1.0") || head.contains("connection: close");
        // The body is counted, not kept: the client's copying must not be what is measured.
        m_pending.remove(0, headEnd + 4);
        qsizetype missing = length - m_pending.size();
        while (missing > 0) {
            char chunk[262144];
            const ssize_t got = ::recv(m_socket, chunk, std::min<qsizetype>(missing, sizeof chunk), 0);
            if (got <= 0)
                return false;
            missing -= got;
        }
        m_pending.remove(0, std::min(length, m_pending.size()));
        return head.startsWith("http/1.1 200") || head.startsWith("http/1.0 200");
    }

    quint16 m_port;
    QByteArray m_request;
    int m_socket = -1;
    bool m_closeAfter = false;
    QByteArray m_pending;
};

// Fetches the path over `Connections` connections for the given time while
// this thread runs the event loop (the preview server lives in it); requests
// per second, or -1 when a request failed.
double requestsPerSecond(quint16 port, const QByteArray &path, int seconds)
{
    std::atomic<long> done{0};
    std::atomic<bool> failed{false};
    std::atomic<int> running{Connections};
    QEventLoop loop;
    const QDeadlineTimer deadline(seconds * 1000);
    std::vector<std::thread> clients;
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < Connections; ++i) {
        clients.emplace_back([&] {
            PlainClient client(port, path);
            while (!deadline.hasExpired() && !failed) {
                if (client.fetch())
                    ++done;
                else
                    failed = true;
            }
            if (--running == 0)
                QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
        });
    }
    // The preview server answers here until the last client has its last answer.
    loop.exec();
    for (std::thread &client : clients)
        client.join();
    const double elapsed = clock.nsecsElapsed() / 1e9;
    return failed ? -1 : done / elapsed;
}

quint16 freePort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int seconds = argc > 1 ? std::max(1, atoi(argv[1])) : 3;

    QTemporaryDir folder;
    writeFile(folder.filePath(QStringLiteral("side.html")), sampleHtml(20 * 1024));
    QByteArray picture(2 * 1024 * 1024, Qt::Uninitialized);
    QRandomGenerator(7).fillRange(reinterpret_cast<quint32 *>(picture.data()), picture.size() / 4);
    writeFile(folder.filePath(QStringLiteral("billede.png")), picture);

    PreviewServer preview([](const QString &) { return std::optional<QString>(); });
    preview.setRoot(folder.path());
    if (!preview.start())
        qFatal("the preview server did not start");

    const quint16 pythonPort = freePort();
    QProcess python;
    python.start(QStringLiteral("/usr/bin/python3"),
                 {QStringLiteral("-m"), QStringLiteral("http.server"), QStringLiteral("--bind"), QStringLiteral("127.0.0.1"),
                  QStringLiteral("--directory"), folder.path(), QString::number(pythonPort)});
    bool pythonUp = false;
    for (int i = 0; i < 100 && !pythonUp; ++i) {
        QThread::msleep(50);
        pythonUp = PlainClient(pythonPort, "/side.html").fetch();
    }
    if (!pythonUp)
        qFatal("python3 -m http.server did not start");

    std::printf("%-22s %14s %14s %8s\n", "requests per second", "preview server", "http.server", "ratio");
    for (const char *path : {"/side.html", "/billede.png"}) {
        const double ours = requestsPerSecond(preview.port(), path, seconds);
        const double theirs = requestsPerSecond(pythonPort, path, seconds);
        std::printf("%-22s %14.0f %14.0f %8.1f\n", path, ours, theirs, theirs > 0 ? ours / theirs : 0.0);
    }
    python.terminate();
    python.waitForFinished(3000);
    return 0;
}
