// Copies, moves to another file system (copy, compare, delete) and the file
// finder on trees of many small files: each should run near the disk's speed
// and grow with the bytes and the entries, no faster.
#include "BenchSupport.h"
#include "files/FileOperations.h"
#include "files/TFileFinder.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

// A site of `files` pages of 10 kB in folders of 100.
void makeSite(const QString &root, int files)
{
    const QByteArray page = sampleHtml(10 * 1024);
    for (int i = 0; i < files; ++i) {
        const QString folder = QStringLiteral("%1/mappe%2").arg(root).arg(i / 100);
        QDir().mkpath(folder);
        writeFile(QStringLiteral("%1/side%2.htm").arg(folder).arg(i), page);
    }
}

void CopyFolderOfSmallFiles(benchmark::State &state)
{
    QTemporaryDir dir;
    makeSite(dir.filePath(QStringLiteral("site")), int(state.range(0)));
    QuietPrompter prompter;
    int round = 0;
    for (auto _ : state) {
        const QString target = dir.filePath(QStringLiteral("kopi%1").arg(round++));
        QDir().mkpath(target);
        const FileOperationOutcome outcome = copyFiles({dir.filePath(QStringLiteral("site"))}, target, prompter);
        if (!outcome.failed.isEmpty())
            state.SkipWithError("copy failed");
        state.PauseTiming();
        QDir(target).removeRecursively();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
    state.SetBytesProcessed(state.iterations() * state.range(0) * 10 * 1024);
}

// tmpfs at /dev/shm against the test folder's disk.
void MoveLargeFileToAnotherFileSystem(benchmark::State &state)
{
    QTemporaryDir here;
    QTemporaryDir there(QStringLiteral("/dev/shm/pagewick-bench-XXXXXX"));
    if (!there.isValid()) {
        state.SkipWithError("no /dev/shm");
        return;
    }
    const qint64 bytes = state.range(0) << 20;
    QuietPrompter prompter;
    for (auto _ : state) {
        state.PauseTiming();
        writeFile(here.filePath(QStringLiteral("stor.bin")), QByteArray(bytes, 'x'));
        QFile::remove(there.filePath(QStringLiteral("stor.bin")));
        state.ResumeTiming();
        if (!moveFiles({here.filePath(QStringLiteral("stor.bin"))}, there.path(), prompter).failed.isEmpty())
            state.SkipWithError("move failed");
    }
    state.SetBytesProcessed(state.iterations() * bytes);
}

void FindInSite(benchmark::State &state)
{
    QTemporaryDir dir;
    makeSite(dir.path(), int(state.range(0)));
    TFileFinder finder;
    finder.setRootFolder(dir.path());
    finder.setFileFilter(QStringLiteral("*.htm"));
    finder.setProcessMessages(state.range(1) != 0);
    qint64 found = 0;
    QObject::connect(&finder, &TFileFinder::fileFound, [&found] { ++found; });
    for (auto _ : state)
        finder.execute();
    if (found != state.iterations() * state.range(0))
        state.SkipWithError("entries missing");
    state.SetItemsProcessed(found);
}

} // namespace

BENCHMARK(CopyFolderOfSmallFiles)->Arg(1000)->Unit(benchmark::kMillisecond);
BENCHMARK(MoveLargeFileToAnotherFileSystem)->Arg(200)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(FindInSite)->Args({5000, 0})->Args({5000, 1})->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
