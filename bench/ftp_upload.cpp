// Uploads a site tree to a local pyftpdlib with TSimpleFTP and with
// `lftp -e 'mirror -R'`, side by side, and times 300 listings on one
// connection. Usage: ftp_upload [script-of-the-test-server]
#include "publish/TSimpleFTP.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <cstdio>

namespace {

const QString User = QStringLiteral("pw");
const QString Password = QStringLiteral("bench-kode");

struct Server
{
    QProcess process;
    int port = 0;
    bool start(const QString &script, const QString &root)
    {
        process.start(QStringLiteral("/usr/bin/python3"), {script, QStringLiteral("--root"), root, QStringLiteral("--user"),
                                                           User, QStringLiteral("--password"), Password});
        QByteArray out;
        for (int i = 0; i < 150 && port == 0; ++i) {
            process.waitForReadyRead(100);
            out += process.readAllStandardOutput();
            const qsizetype at = out.indexOf("PORT ");
            const qsizetype end = out.indexOf('\n', at);
            if (at >= 0 && end > at)
                port = out.mid(at + 5, end - at - 5).trimmed().toInt();
        }
        return port > 0;
    }
    ~Server()
    {
        process.kill();
        process.waitForFinished(3000);
    }
};

void makeTree(const QString &root)
{
    auto *random = QRandomGenerator::global();
    for (int i = 0; i < 1000; ++i) {
        const QString folder = root + QStringLiteral("/side%1").arg(i / 100);
        QDir().mkpath(folder);
        QFile file(folder + QStringLiteral("/fil%1.htm").arg(i));
        file.open(QIODevice::WriteOnly);
        QByteArray data(int(1024 + random->bounded(19 * 1024)), 'x');
        file.write(data);
    }
    QDir().mkpath(root + QStringLiteral("/store"));
    for (int i = 0; i < 10; ++i) {
        QFile file(root + QStringLiteral("/store/stor%1.bin").arg(i));
        file.open(QIODevice::WriteOnly);
        QByteArray data(5 * 1024 * 1024, Qt::Uninitialized);
        random->fillRange(reinterpret_cast<quint32 *>(data.data()), data.size() / 4);
        file.write(data);
    }
}

qint64 uploadWithComponent(const QString &tree, int port, const QString &target)
{
    TSimpleFTP ftp;
    ftp.setHostName(QStringLiteral("127.0.0.1"));
    ftp.setPort(port);
    ftp.setUserName(User);
    ftp.setPassword(Password);
    ftp.setPassive(true);
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
        {QStringLiteral("-u"), User + u',' + Password, QStringLiteral("-p"), QString::number(port),
         QStringLiteral("-e"),
         QStringLiteral("set ftp:ssl-allow no; mirror -R %1 %2; quit").arg(tree, target), QStringLiteral("127.0.0.1")});
    return code == 0 ? timer.elapsed() : -1;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QString script = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(PAGEWICK_FTP_SERVER_SCRIPT);
    QTemporaryDir tree, root;
    makeTree(tree.path());
    Server server;
    if (!server.start(script, root.path())) {
        std::fprintf(stderr, "the FTP server did not start\n");
        return 1;
    }
    // Alternate the two so that a warm cache favours neither.
    const qint64 lftp1 = uploadWithLftp(tree.path(), server.port, QStringLiteral("/lftp1"));
    const qint64 own1 = uploadWithComponent(tree.path(), server.port, QStringLiteral("/own1/"));
    const qint64 lftp2 = uploadWithLftp(tree.path(), server.port, QStringLiteral("/lftp2"));
    const qint64 own2 = uploadWithComponent(tree.path(), server.port, QStringLiteral("/own2/"));
    std::printf("upload of 1000 files of 1-20 KB and 10 of 5 MB\n");
    std::printf("  lftp mirror -R: %lld ms, %lld ms\n", lftp1, lftp2);
    std::printf("  TSimpleFTP:     %lld ms, %lld ms\n", own1, own2);
    if (lftp1 > 0 && lftp2 > 0 && own1 > 0 && own2 > 0)
        std::printf("  ratio (best of two each): %.2f\n", double(std::min(own1, own2)) / double(std::min(lftp1, lftp2)));

    TSimpleFTP ftp;
    ftp.setHostName(QStringLiteral("127.0.0.1"));
    ftp.setPort(server.port);
    ftp.setUserName(User);
    ftp.setPassword(Password);
    ftp.setPassive(true);
    if (!ftp.Connect() || !ftp.ChangeDir(QStringLiteral("/own1/side0")))
        return 1;
    QElapsedTimer timer;
    timer.start();
    int entries = 0;
    for (int i = 0; i < 300; ++i)
        entries += ftp.List();
    std::printf("300 listings of a 100-entry folder on one connection: %lld ms (%d entries)\n",
                timer.elapsed(), entries);
    return 0;
}
