// Uploads a site tree to a local pyftpdlib with TSimpleFTP and with
// `lftp -e 'mirror -R'`, side by side, and times 300 listings on one
// connection by TSimpleFTP, by a plain client that does only what the
// protocol needs, and by lftp.
// Usage: ftp_upload [--listings] [script-of-the-test-server]
// where --listings skips the uploads and lists a folder made on the spot.
#include "LocalFtpServer.h"
#include "PlainFtpLister.h"

#include "publish/TSimpleFTP.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

#include <sys/resource.h>
#include <unistd.h>

namespace {

const QString User = LocalFtpServer::User;
const QString Password = LocalFtpServer::Password;

void makePages(const QString &root, int count)
{
    auto *random = QRandomGenerator::global();
    for (int i = 0; i < count; ++i) {
        const QString folder = root + QStringLiteral("/side%1").arg(i / 100);
        QDir().mkpath(folder);
        QFile file(folder + QStringLiteral("/fil%1.htm").arg(i));
        file.open(QIODevice::WriteOnly);
        QByteArray data(int(1024 + random->bounded(19 * 1024)), 'x');
        file.write(data);
    }
}

void makeTree(const QString &root)
{
    auto *random = QRandomGenerator::global();
    makePages(root, 1000);
    QDir().mkpath(root + QStringLiteral("/store"));
    for (int i = 0; i < 10; ++i) {
        QFile file(root + QStringLiteral("/store/stor%1.bin").arg(i));
        file.open(QIODevice::WriteOnly);
        QByteArray data(5 * 1024 * 1024, Qt::Uninitialized);
        random->fillRange(reinterpret_cast<quint32 *>(data.data()), data.size() / 4);
        file.write(data);
    }
}

// The component as the bench uses it: the local server, passive mode.
void setUpForLocalServer(TSimpleFTP &ftp, int port)
{
    ftp.setHostName(QStringLiteral("127.0.0.1"));
    ftp.setPort(port);
    ftp.setUserName(User);
    ftp.setPassword(Password);
    ftp.setPassive(true);
}

qint64 uploadWithComponent(const QString &tree, int port, const QString &target)
{
    TSimpleFTP ftp;
    setUpForLocalServer(ftp, port);
    QElapsedTimer timer;
    timer.start();
    if (!ftp.Connect())
        return -1;
    QDirIterator it(tree, QDir::Files, QDirIterator::Subdirectories);
    QString lastFolder;
    while (it.hasNext()) {
        const QString local = it.next();
        const QString remote = target + QDir(tree).relativeFilePath(local);
        const QString folder = remote.left(remote.lastIndexOf(u'/'));
        if (folder != lastFolder) {
            ftp.ForceDirectories(folder);
            lastFolder = folder;
        }
        if (!ftp.PutFile(local, remote))
            return -1;
    }
    return timer.elapsed();
}

qint64 uploadWithLftp(const QString &tree, int port, const QString &target)
{
    QElapsedTimer timer;
    timer.start();
    const int code = QProcess::execute(
        QStringLiteral("lftp"),
        {QStringLiteral("-u"), User + u',' + Password, QStringLiteral("-p"), QString::number(port), QStringLiteral("-e"),
         QStringLiteral("set ftp:ssl-allow no; mirror -R %1 %2; quit").arg(tree, target), QStringLiteral("127.0.0.1")});
    return code == 0 ? timer.elapsed() : -1;
}

const QString ListedFolder = QStringLiteral("/own1/side0");
constexpr int Listings = 300;

// Wall time of a run of listings and the processor time that the server and
// the client spent meanwhile: side by side they show who waits for whom.
struct ListingCost
{
    qint64 wallMs = -1;
    qint64 serverCpuMs = 0;
    qint64 clientCpuMs = 0;
};

class CostMeter
{
public:
    explicit CostMeter(qint64 serverPid)
        : m_serverStat(QStringLiteral("/proc/%1/stat").arg(serverPid))
    {
    }
    void start()
    {
        m_timer.start();
        m_server = serverCpuMs();
        m_client = clientCpuMs();
    }
    ListingCost stop() const { return {m_timer.elapsed(), serverCpuMs() - m_server, clientCpuMs() - m_client}; }

private:
    qint64 serverCpuMs() const
    {
        QFile stat(m_serverStat);
        if (!stat.open(QIODevice::ReadOnly))
            return 0;
        // User and system time are the 14th and 15th fields; the name in
        // parentheses before them may hold blanks.
        const QByteArray text = stat.readAll();
        const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
        if (fields.size() < 13)
            return 0;
        return (fields[11].toLongLong() + fields[12].toLongLong()) * 1000 / sysconf(_SC_CLK_TCK);
    }
    // This process and the children it has waited for (lftp).
    static qint64 clientCpuMs()
    {
        qint64 total = 0;
        for (const int who : {RUSAGE_SELF, RUSAGE_CHILDREN}) {
            rusage usage{};
            getrusage(who, &usage);
            total += (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1000
                + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1000;
        }
        return total;
    }

    QString m_serverStat;
    QElapsedTimer m_timer;
    qint64 m_server = 0;
    qint64 m_client = 0;
};

ListingCost listWithComponent(int port, CostMeter &meter)
{
    TSimpleFTP ftp;
    setUpForLocalServer(ftp, port);
    if (!ftp.Connect() || !ftp.ChangeDir(ListedFolder))
        return {};
    meter.start();
    for (int i = 0; i < Listings; ++i) {
        if (ftp.List() != 100)
            return {};
    }
    return meter.stop();
}

ListingCost listWithPlainClient(int port, CostMeter &meter)
{
    PlainFtpLister lister;
    if (!lister.login(port, User.toUtf8(), Password.toUtf8()))
        return {};
    meter.start();
    for (int i = 0; i < Listings; ++i) {
        if (lister.list(ListedFolder.toUtf8()) <= 0)
            return {};
    }
    return meter.stop();
}

// Start-up and login included: lftp times nothing of its own.
ListingCost listWithLftp(int port, CostMeter &meter)
{
    QProcess lftp;
    lftp.setStandardOutputFile(QProcess::nullDevice());
    meter.start();
    lftp.start(QStringLiteral("lftp"),
               {QStringLiteral("-u"), User + u',' + Password, QStringLiteral("-p"), QString::number(port), QStringLiteral("-e"),
                QStringLiteral("set ftp:ssl-allow no; set cache:enable no; set ftp:use-mlsd yes; cd %1; "
                               "repeat -c %2 -d 0 cls -1; quit")
                    .arg(ListedFolder)
                    .arg(Listings),
                QStringLiteral("127.0.0.1")});
    if (!lftp.waitForFinished(120000) || lftp.exitCode() != 0)
        return {};
    return meter.stop();
}

qint64 median(QList<qint64> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// "least / median ms wall, median ms of processor time for server + client".
QString summary(const QList<ListingCost> &runs)
{
    QList<qint64> wall, server, client;
    for (const ListingCost &run : runs) {
        wall.append(run.wallMs);
        server.append(run.serverCpuMs);
        client.append(run.clientCpuMs);
    }
    return QStringLiteral("%1 / %2 ms;  CPU server %3 + client %4 ms")
        .arg(*std::min_element(wall.begin(), wall.end()))
        .arg(median(wall))
        .arg(median(server))
        .arg(median(client));
}

bool uploadSideBySide(const QString &tree, int port)
{
    // Alternate the two so that a warm cache favours neither.
    const qint64 lftp1 = uploadWithLftp(tree, port, QStringLiteral("/lftp1"));
    const qint64 own1 = uploadWithComponent(tree, port, QStringLiteral("/own1/"));
    const qint64 lftp2 = uploadWithLftp(tree, port, QStringLiteral("/lftp2"));
    const qint64 own2 = uploadWithComponent(tree, port, QStringLiteral("/own2/"));
    std::printf("upload of 1000 files of 1-20 KB and 10 of 5 MB\n");
    std::printf("  lftp mirror -R: %lld ms, %lld ms\n", lftp1, lftp2);
    std::printf("  TSimpleFTP:     %lld ms, %lld ms\n", own1, own2);
    if (lftp1 > 0 && lftp2 > 0 && own1 > 0 && own2 > 0)
        std::printf("  ratio (best of two each): %.2f\n", double(std::min(own1, own2)) / double(std::min(lftp1, lftp2)));
    return own1 > 0 && own2 > 0;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QStringList arguments = app.arguments().mid(1);
    const bool listingsOnly = arguments.removeAll(QStringLiteral("--listings")) > 0;
    const QString script = arguments.isEmpty() ? QStringLiteral(PAGEWICK_FTP_SERVER_SCRIPT) : arguments.first();
    QTemporaryDir tree, root;
    if (listingsOnly)
        makePages(root.path() + QStringLiteral("/own1"), 100);
    else
        makeTree(tree.path());
    LocalFtpServer server;
    if (!server.start(script, root.path())) {
        std::fprintf(stderr, "the FTP server did not start\n");
        return 1;
    }
    if (!listingsOnly && !uploadSideBySide(tree.path(), server.port))
        return 1;

    // Rounds in turn, so that a busy moment of the machine hits all three.
    CostMeter meter(server.process.processId());
    QList<ListingCost> own, plain, lftp;
    for (int round = 0; round < 5; ++round) {
        own.append(listWithComponent(server.port, meter));
        plain.append(listWithPlainClient(server.port, meter));
        lftp.append(listWithLftp(server.port, meter));
    }
    std::printf("%d listings of a 100-entry folder on one connection, %lld rounds: least / median wall time;\n"
                "median processor time of the server and the client in that time\n",
                Listings, qint64(own.size()));
    std::printf("  TSimpleFTP:                      %s\n", qPrintable(summary(own)));
    std::printf("  plain client (PASV, MLSD, read): %s\n", qPrintable(summary(plain)));
    std::printf("  lftp cls, cache off, with login: %s\n", qPrintable(summary(lftp)));
    const auto failed = [](const ListingCost &run) { return run.wallMs < 0; };
    const bool anyFailed = std::ranges::any_of(own, failed) || std::ranges::any_of(plain, failed);
    return anyFailed ? 1 : 0;
}
