// The file panel on large folders (run with QT_QPA_PLATFORM=offscreen): a
// folder of 10,000 files read into the details view, set beside `ls -l` on the
// same folder; the longest time the window does not answer while a folder of
// 50,000 files fills the list; and opening a tree node with 2,000 subfolders.
#include "filepanel/TDirTree.h"
#include "filepanel/TFileList.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <benchmark/benchmark.h>

namespace {

// A folder of `count` empty files with the extensions of a web site.
const QTemporaryDir &folderOfFiles(int count)
{
    static std::map<int, std::unique_ptr<QTemporaryDir>> folders;
    auto &folder = folders[count];
    if (!folder) {
        folder = std::make_unique<QTemporaryDir>();
        const char *extensions[] = {"htm", "html", "gif", "jpg", "css", "js", "txt", "png"};
        for (int i = 0; i < count; ++i) {
            QFile file(folder->filePath(QStringLiteral("fil%1.%2").arg(i).arg(QLatin1String(extensions[i % 8]))));
            if (!file.open(QIODevice::WriteOnly))
                qFatal("cannot write in %s", qPrintable(folder->path()));
            file.write(QByteArray(i % 5000, 'x'));
        }
    }
    return *folder;
}

void waitForListing(TFileList &list)
{
    while (list.listing())
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    QCoreApplication::processEvents(); // the view lays out and paints what it got
}

void ListFolderIntoDetails(benchmark::State &state)
{
    const QTemporaryDir &folder = folderOfFiles(int(state.range(0)));
    TFileList list;
    list.setDisplayDirectory(false);
    list.setViewStyle(TFileList::Details);
    list.resize(600, 400);
    list.show();
    for (auto _ : state) {
        list.setDirectory(folder.path());
        waitForListing(list);
    }
    state.counters["entries"] = list.count();
}

void LsLong(benchmark::State &state)
{
    const QTemporaryDir &folder = folderOfFiles(int(state.range(0)));
    for (auto _ : state) {
        QProcess ls;
        ls.setStandardOutputFile(QProcess::nullDevice());
        ls.start(QStringLiteral("ls"), {QStringLiteral("-l"), folder.path()});
        ls.waitForFinished();
    }
}

// The longest stretch between two turns of the event loop while the list fills.
void LongestPauseWhileListing(benchmark::State &state)
{
    const QTemporaryDir &folder = folderOfFiles(int(state.range(0)));
    TFileList list;
    list.setDisplayDirectory(false);
    list.resize(600, 400);
    list.show();
    qint64 longest = 0;
    for (auto _ : state) {
        QElapsedTimer sinceTurn;
        QTimer ping;
        QObject::connect(&ping, &QTimer::timeout, [&] { longest = std::max(longest, sinceTurn.restart()); });
        ping.start(0);
        sinceTurn.start();
        list.setDirectory(folder.path());
        longest = std::max(longest, sinceTurn.restart()); // the first piece, read at once
        waitForListing(list);
    }
    state.counters["longest_pause_ms"] = double(longest);
    state.counters["entries"] = list.count();
}

void ExpandFolderWithSubfolders(benchmark::State &state)
{
    static QTemporaryDir parent(QDir::home().filePath(QStringLiteral("pw-bench-XXXXXX")));
    const QString big = parent.filePath(QStringLiteral("mange"));
    if (!QFileInfo(big).isDir()) {
        QDir().mkpath(big);
        for (int i = 0; i < state.range(0); ++i)
            QDir(big).mkdir(QStringLiteral("mappe%1").arg(i));
    }
    for (auto _ : state) {
        state.PauseTiming();
        TDirTree tree;
        tree.goTo(big);
        QTreeWidgetItem *node = tree.currentItem();
        state.ResumeTiming();
        node->setExpanded(true);
        benchmark::DoNotOptimize(node->childCount());
    }
}

BENCHMARK(ListFolderIntoDetails)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(LsLong)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(LongestPauseWhileListing)->Arg(50000)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(ExpandFolderWithSubfolders)->Arg(2000)->Unit(benchmark::kMillisecond);

} // namespace
