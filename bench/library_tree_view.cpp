// Loading each shipped library file into the real tree widget, as the library
// tab does the first time it shows it (run with QT_QPA_PLATFORM=offscreen).
#include "BenchSupport.h"
#include "resources/LibraryLists.h"
#include "resources/LibraryLoading.h"
#include "resources/THETreeView.h"

#include <QFileInfo>
#include <QTreeWidget>

#include <benchmark/benchmark.h>

namespace {

QString programFile(const char *name)
{
    const QByteArray folder = qgetenv("PAGEWICK_PROGRAM_DIR");
    return (folder.isEmpty() ? QStringLiteral(PAGEWICK_BUILD_DATA_DIR) : QString::fromLocal8Bit(folder)) + QLatin1Char('/')
        + QLatin1String(name);
}

void LoadIntoTree(benchmark::State &state, const char *file)
{
    const QString path = programFile(file);
    if (!QFileInfo::exists(path)) {
        state.SkipWithError("the library files are not built");
        return;
    }
    QuietPrompter prompter;
    THETreeView tree;
    for (auto _ : state) {
        LibraryLists lists;
        LoadLibrary(path, tree, lists, {QStringLiteral("P"), QStringLiteral("PARAM")}, prompter);
    }
    state.counters["nodes"] = double(tree.topLevelItemCount() ? tree.topLevelItem(0)->childCount() : 0);
}

void LoadSpecialCharacterList(benchmark::State &state)
{
    const QString path = programFile("specialtegn.dat");
    if (!QFileInfo::exists(path)) {
        state.SkipWithError("the library files are not built");
        return;
    }
    QuietPrompter prompter;
    QTreeWidget list;
    list.setColumnCount(4);
    for (auto _ : state)
        LoadSpecialCharacters(path, list, prompter);
    state.counters["rows"] = double(list.topLevelItemCount());
}

BENCHMARK_CAPTURE(LoadIntoTree, html4bib, "html4bib.dat")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(LoadIntoTree, css2bib, "css2bib.dat")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(LoadIntoTree, js12bib, "js12bib.dat")->Unit(benchmark::kMillisecond);
BENCHMARK(LoadSpecialCharacterList)->Unit(benchmark::kMillisecond);

} // namespace
