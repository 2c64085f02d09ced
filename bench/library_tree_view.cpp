// Loading each shipped library file into the real tree widget, as the library
// tab does the first time it shows it (run with QT_QPA_PLATFORM=offscreen).
#include "app/Prompter.h"
#include "resources/LibraryLists.h"
#include "resources/LibraryLoading.h"
#include "resources/THETreeView.h"

#include <QApplication>
#include <QFileInfo>
#include <QTreeWidget>

#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {

// Loading a shipped file asks nothing; any prompt would be a fault of the data.
class SilentPrompter : public Prompter
{
public:
    Button message(const Message &message) override
    {
        std::fprintf(stderr, "unexpected message: %s\n", qPrintable(message.text));
        std::abort();
    }
    QStringList openFiles(const FileDialog &) override { return {}; }
    QString openFile(const FileDialog &) override { return {}; }
    QString saveFile(const FileDialog &) override { return {}; }
    QString chooseFolder(const QString &, const QString &) override { return {}; }
    std::optional<QString> inputText(const QString &, const QString &, const QString &) override { return {}; }
    bool chooseFont(QFont &) override { return false; }
    bool chooseColour(QColor &) override { return false; }
    bool printDialog(QPrinter &) override { return false; }
    bool printerSetup(QPrinter &) override { return false; }
};

QString programFile(const char *name)
{
    const QByteArray folder = qgetenv("PAGEWICK_PROGRAM_DIR");
    return (folder.isEmpty() ? QStringLiteral(PAGEWICK_BUILD_DATA_DIR) : QString::fromLocal8Bit(folder)) +
           QLatin1Char('/') + QLatin1String(name);
}

void LoadIntoTree(benchmark::State &state, const char *file)
{
    const QString path = programFile(file);
    if (!QFileInfo::exists(path)) {
        state.SkipWithError("the library files are not built");
        return;
    }
    SilentPrompter prompter;
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
    SilentPrompter prompter;
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

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
