// Finding the files changed since publishing in a site of 10,000 pages, side
// by side with sha256sum over the same files:
// - warm: the record's times match, so only sizes and times are read;
// - cold: every time differs from the record, so every file is hashed;
// - pwtool changed on the same folder, the whole process.
// Each figure is the median of several runs with the files in the page cache.
// Usage: changed_files [files, default 10000]
#include "BenchSupport.h"

#include "projects/ChangedFiles.h"
#include "projects/FolderFiles.h"
#include "projects/PublishRecord.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QThreadPool>

#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

constexpr int Runs = 5;
const QString Site = QStringLiteral("ftp://bench.example.dk/www");

// Pages of 2 to 34 kB in folders of 100.
qint64 makeSite(const QString &root, int files)
{
    qint64 bytes = 0;
    for (int i = 0; i < files; ++i) {
        const QString folder = QStringLiteral("%1/mappe%2").arg(root).arg(i / 100);
        QDir().mkpath(folder);
        const QByteArray page = sampleHtml(2048 + (qint64(i) * 7919) % (32 * 1024)) + QByteArray::number(i);
        writeFile(QStringLiteral("%1/side%2.htm").arg(folder).arg(i), page);
        bytes += page.size();
    }
    return bytes;
}

double medianMs(const std::function<void()> &work)
{
    QList<double> times;
    for (int run = 0; run < Runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        work();
        times.append(timer.nsecsElapsed() / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times.at(Runs / 2);
}

void shiftTime(const QString &path, int seconds)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite)
        || !file.setFileTime(file.fileTime(QFileDevice::FileModificationTime).addSecs(seconds),
                             QFileDevice::FileModificationTime))
        qFatal("cannot touch %s", qPrintable(path));
}

int runQuietly(const QString &program, const QStringList &arguments, const QProcessEnvironment &environment)
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setStandardOutputFile(QProcess::nullDevice());
    process.start(program, arguments);
    process.waitForFinished(-1);
    return process.exitCode();
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int count = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 10000;
    QTemporaryDir dir;
    const QString root = dir.filePath(QStringLiteral("site"));
    const qint64 bytes = makeSite(root, count);
    const QStringList files = filesBelow(root);

    // The record where pwtool finds it with this user data folder.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_DATA_HOME"), dir.filePath(QStringLiteral("data")));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), dir.filePath(QStringLiteral("config")));
    PublishRecord record(dir.filePath(QStringLiteral("data/Pagewick/publish-record.sqlite")));
    if (!record.open() || !record.recordUploaded(Site, QStringLiteral("Bench"), files))
        qFatal("%s", qPrintable(record.errorText()));

    // Two files touched, three with new content (one of them the same size).
    shiftTime(files.at(10), 60);
    shiftTime(files.at(20), -60);
    QFile page(files.at(30));
    if (!page.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(files.at(30)));
    QByteArray sameSize = page.readAll();
    page.close();
    sameSize[sameSize.size() / 2] = '#';
    writeFile(files.at(30), sameSize);
    writeFile(files.at(40), "<p>ny</p>");
    writeFile(files.at(50), sampleHtml(40000));
    const QStringList changed = changedSincePublishing(record, Site, filesBelow(root)).value();
    std::printf("%d files, %.1f MB; touched 2, changed 3: reported %lld changed (%s)\n", count, bytes / 1e6,
                qlonglong(changed.size()),
                changed == QStringList{files.at(30), files.at(40), files.at(50)} ? "exactly those" : "WRONG");

    const double walkMs = medianMs([&] { filesBelow(root); });
    const double warmMs = medianMs([&] { changedSincePublishing(record, Site, filesBelow(root)); });
    const double loadMs = medianMs([&] { record.siteFiles(Site); });
    const QHash<QString, RecordedFile> recorded = record.siteFiles(Site).value();
    const double compareMs = medianMs([&] { checkFiles(recorded, files); });

    // Every recorded time one nanosecond off: every file is hashed.
    QHash<QString, RecordedFile> stale = record.siteFiles(Site).value();
    for (RecordedFile &file : stale)
        file.state.modified -= 1;
    const double coldMs = medianMs([&] {
        if (checkFiles(stale, files).touched.size() != count - 3)
            qFatal("cold check went wrong");
    });

    const QString shell = QStringLiteral("/bin/sh");
    const QStringList sha256sum = {QStringLiteral("-c"), QStringLiteral("find \"$1\" -type f -print0 | xargs -0 sha256sum"),
                                   QStringLiteral("sh"), root};
    const double sumMs = medianMs([&] { runQuietly(shell, sha256sum, environment); });

    const QString pwtool = QCoreApplication::applicationDirPath() + QStringLiteral("/pwtool");
    const double pwtoolMs = medianMs([&] {
        if (runQuietly(pwtool, {QStringLiteral("changed"), QStringLiteral("--to"), Site, root}, environment) != 0)
            qFatal("pwtool changed failed");
    });

    std::printf("walk of the folder:                    %8.1f ms\n", walkMs);
    std::printf("warm (walk, sizes and times):          %8.1f ms\n", warmMs);
    std::printf("  of which reading the record:         %8.1f ms\n", loadMs);
    std::printf("  of which comparing sizes and times:  %8.1f ms\n", compareMs);
    std::printf("cold (every file hashed, %d threads):  %8.1f ms  %.0f MB/s\n", QThreadPool::globalInstance()->maxThreadCount(),
                coldMs, bytes / 1e3 / coldMs);
    std::printf("find | xargs sha256sum:                %8.1f ms  %.0f MB/s\n", sumMs, bytes / 1e3 / sumMs);
    std::printf("cold / sha256sum:                      %8.2f\n", coldMs / sumMs);
    std::printf("pwtool changed (whole process, warm):  %8.1f ms\n", pwtoolMs);
    return 0;
}
