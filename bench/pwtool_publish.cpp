// pwtool publish end to end against a local pyftpdlib, side by side with
// lftp's mirror -R on the same server:
//   1. the first publish of 1,000 files of 1-20 KB and 10 of 5 MB;
//   2. again after 10 of them changed (lftp: mirror -R --only-newer);
//   3. again with nothing changed (least of five);
//   4. 100,000 small files of which 10 changed, the rest recorded as published.
// Usage: pwtool_publish [BUILD_BIN_DIR]
#include "LocalFtpServer.h"

#include "projects/PublishRecord.h"
#include "projects/SiteAddress.h"
#include "publish/TSimpleFTP.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

const QString User = LocalFtpServer::User;
const QString Password = LocalFtpServer::Password;

void writeRandom(const QString &path, qint64 size)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return;
    QByteArray block(qsizetype(std::min<qint64>(size, 1 << 20)), Qt::Uninitialized);
    for (qint64 left = size; left > 0; left -= block.size()) {
        QRandomGenerator::global()->fillRange(reinterpret_cast<quint32 *>(block.data()), block.size() / 4);
        file.write(block.constData(), std::min<qint64>(left, block.size()));
    }
}

// Appends to the files so that their size, time and content change.
void change(const QStringList &files)
{
    QThread::msleep(1100); // lftp compares times to the second
    for (const QString &path : files) {
        QFile file(path);
        if (file.open(QIODevice::Append))
            file.write("changed");
    }
}

class Bench
{
public:
    Bench(const QString &binDir, LocalFtpServer &server, const QString &work)
        : m_pwtool(QDir(binDir).absoluteFilePath(QStringLiteral("pwtool")))
        , m_server(server)
        , m_work(work)
    {
        m_env = QProcessEnvironment::systemEnvironment();
        m_env.insert(QStringLiteral("XDG_CONFIG_HOME"), work + QStringLiteral("/config"));
        m_env.insert(QStringLiteral("XDG_DATA_HOME"), work + QStringLiteral("/data"));
        m_env.insert(QStringLiteral("PAGEWICK_PASSWORD"), Password);
    }

    QString address(const QString &folder) const
    {
        return QStringLiteral("ftp://%1@127.0.0.1:%2/%3").arg(User).arg(m_server.port).arg(folder);
    }

    QString recordFile() const { return m_work + QStringLiteral("/data/Pagewick/publish-record.sqlite"); }

    // Milliseconds of one run; the exit code and the output's last line are printed on failure.
    qint64 time(const QString &program, const QStringList &arguments) const
    {
        QProcess process;
        process.setProcessEnvironment(m_env);
        process.setWorkingDirectory(m_work);
        QElapsedTimer timer;
        timer.start();
        process.start(program, arguments);
        process.waitForFinished(-1);
        const qint64 ms = timer.elapsed();
        if (process.exitCode() != 0)
            std::printf("  (%s exited %d: %s)\n", qPrintable(QFileInfo(program).fileName()), process.exitCode(),
                        process.readAllStandardError().trimmed().right(300).constData());
        return ms;
    }

    qint64 publish(const QString &folder, const QString &remote) const
    {
        return time(m_pwtool, {QStringLiteral("publish"), QStringLiteral("--to"), address(remote), folder});
    }

    qint64 mirror(const QString &folder, const QString &remote, bool onlyNewer) const
    {
        const QString command = QStringLiteral("mirror -R %1 %2 %3; quit")
                                    .arg(onlyNewer ? QStringLiteral("--only-newer") : QString(), folder, remote);
        return time(QStringLiteral("lftp"),
                    {QStringLiteral("-u"), User + u',' + Password, QStringLiteral("-p"), QString::number(m_server.port),
                     QStringLiteral("-e"), command, QStringLiteral("127.0.0.1")});
    }

private:
    QString m_pwtool;
    LocalFtpServer &m_server;
    QString m_work;
    QProcessEnvironment m_env;
};

qint64 leastOf(int runs, const std::function<qint64()> &run)
{
    qint64 least = -1;
    for (int i = 0; i < runs; ++i) {
        const qint64 ms = run();
        least = least < 0 ? ms : std::min(least, ms);
    }
    return least;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QString binDir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QCoreApplication::applicationDirPath();
    QTemporaryDir work;
    const QString root = work.filePath(QStringLiteral("server"));
    QDir().mkpath(root + QStringLiteral("/pw"));
    QDir().mkpath(root + QStringLiteral("/lftp"));
    QDir().mkpath(root + QStringLiteral("/many"));
    LocalFtpServer server;
    if (!server.start(QStringLiteral(PAGEWICK_FTP_SERVER_SCRIPT), root)) {
        std::printf("the FTP server did not start\n");
        return 1;
    }
    Bench bench(binDir, server, work.path());

    // 1,000 files of 1-20 KB in 20 folders and 10 of 5 MB.
    const QString site = work.filePath(QStringLiteral("site"));
    QStringList small;
    for (int i = 0; i < 1000; ++i) {
        small.append(QStringLiteral("%1/mappe%2/side%3.htm").arg(site).arg(i % 20).arg(i));
        writeRandom(small.last(), 1024 + QRandomGenerator::global()->bounded(19 * 1024));
    }
    for (int i = 0; i < 10; ++i)
        writeRandom(QStringLiteral("%1/store/fil%2.bin").arg(site).arg(i), 5 * 1024 * 1024);
    std::printf("1. first publish of 1,000 files of 1-20 KB and 10 of 5 MB\n");
    std::printf("   pwtool publish:  %lld ms\n", bench.publish(QStringLiteral("site"), QStringLiteral("pw")));
    std::printf("   lftp mirror -R:  %lld ms\n", bench.mirror(QStringLiteral("site"), QStringLiteral("/lftp"), false));

    std::printf("2. again after 10 changed\n");
    change(small.mid(0, 10));
    std::printf("   pwtool publish:               %lld ms\n", bench.publish(QStringLiteral("site"), QStringLiteral("pw")));
    std::printf("   lftp mirror -R --only-newer:  %lld ms\n",
                bench.mirror(QStringLiteral("site"), QStringLiteral("/lftp"), true));

    std::printf("3. again with nothing changed (least of five)\n");
    std::printf("   pwtool publish (no connection needed): %lld ms\n",
                leastOf(5, [&] { return bench.publish(QStringLiteral("site"), QStringLiteral("pw")); }));
    std::printf("   lftp mirror -R --only-newer:           %lld ms\n",
                leastOf(5, [&] { return bench.mirror(QStringLiteral("site"), QStringLiteral("/lftp"), true); }));
    std::printf("   for reference, a connect and login of TSimpleFTP: %.1f ms\n",
                double(leastOf(5, [&] {
                    TSimpleFTP ftp;
                    ftp.setHostName(QStringLiteral("127.0.0.1"));
                    ftp.setPort(server.port);
                    ftp.setUserName(User);
                    ftp.setPassword(Password);
                    QElapsedTimer timer;
                    timer.start();
                    if (!ftp.Connect())
                        std::printf("  (no connection)\n");
                    return timer.nsecsElapsed() / 1000;
                })) / 1000.0);

    // 100,000 small files recorded as published (as the first publish of
    // them would leave the record), then 10 changed.
    const QString many = work.filePath(QStringLiteral("many"));
    QStringList manyFiles;
    for (int i = 0; i < 100000; ++i) {
        manyFiles.append(QStringLiteral("%1/m%2/f%3.htm").arg(many).arg(i % 100).arg(i));
        QDir().mkpath(QFileInfo(manyFiles.last()).path());
        QFile file(manyFiles.last());
        if (file.open(QIODevice::WriteOnly))
            file.write(QByteArray::number(i) + "<p>side</p>");
    }
    {
        PublishRecord record(bench.recordFile());
        const QString key = normaliseSiteAddress(bench.address(QStringLiteral("many"))).value_or(QString());
        if (!record.open() || !record.recordUploaded(key, QString(), manyFiles)) {
            std::printf("the record could not be written: %s\n", qPrintable(record.errorText()));
            return 1;
        }
    }
    std::printf("4. 100,000 small files, 10 changed, end to end (least of three)\n");
    qint64 least = -1;
    for (int run = 0; run < 3; ++run) {
        change(manyFiles.mid(run * 10, 10));
        const qint64 ms = bench.publish(QStringLiteral("many"), QStringLiteral("many"));
        least = least < 0 ? ms : std::min(least, ms);
    }
    std::printf("   pwtool publish: %lld ms\n", least);
    return 0;
}
