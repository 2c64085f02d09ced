// Loading a library file into its tree, and the lookups behind completion and
// the dialogs' help line, on a synthetic library of about 1,000 records and on
// the shipped one when the build has made it (the folder PAGEWICK_PROGRAM_DIR,
// else the build's data folder).
#include "resources/CompletionCandidates.h"
#include "resources/LibraryTree.h"
#include "resources/TextMaps.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

// Ten categories of ten elements with eight attributes each, nine event kinds.
void writeSyntheticLibrary(const QString &folder)
{
    using LibraryRecordFormat::positionCode;
    const auto record = [](QList<int> path, qint32 kind, const QString &name, const QString &element = QString()) {
        LibraryRecord r;
        r.Id = positionCode(path);
        r.HelpKey = r.Id;
        r.Kind = kind;
        r.Name = name;
        r.Element = element;
        r.Code = kind == 1300 ? name + QStringLiteral("=\"\"") : name;
        r.Description = QStringLiteral("En beskrivelse af %1 på et par linjer, som hjælpelinjen viser.").arg(name);
        r.Values = QStringLiteral("[url], _blank, _self, \"en værdi\", [tal], top, bottom");
        return *LibraryRecordFormat::encode(r);
    };
    QByteArray bytes = record({}, 0, QStringLiteral("HTML"));
    for (int category = 0; category < 10; ++category) {
        bytes += record({category}, 1000, QStringLiteral("Kategori %1").arg(category));
        for (int element = 0; element < 10; ++element) {
            const QString name = QStringLiteral("e%1x%2").arg(category).arg(element);
            bytes += record({category, element}, 1250, name);
            for (int attribute = 0; attribute < 8; ++attribute)
                bytes += record({category, element, attribute}, 1300, QStringLiteral("attr%1").arg(attribute), name);
        }
    }
    bytes += record({10}, 1000, QStringLiteral("Hændelser"));
    for (int event = 0; event < 90; ++event)
        bytes += record({10, event}, 1701 + event % 9, QStringLiteral("onevent%1").arg(event));

    QFile library(folder + QStringLiteral("/html4bib.dat"));
    library.open(QIODevice::WriteOnly);
    library.write(bytes);
    QStringList elements;
    for (int category = 0; category < 10; ++category)
        for (int element = 0; element < 10; ++element)
            elements.append(QStringLiteral("e%1x%2").arg(category).arg(element));
    QFile events(folder + QStringLiteral("/eventmap.dat"));
    events.open(QIODevice::WriteOnly);
    for (int kind = 1701; kind <= 1709; ++kind)
        events.write(QStringLiteral("%1=%2\n").arg(kind).arg(elements.join(QStringLiteral(", "))).toUtf8());
    QFile globals(folder + QStringLiteral("/globalmap.dat"));
    globals.open(QIODevice::WriteOnly);
    for (int global = 0; global < 25; ++global)
        globals.write(QStringLiteral("global%1=!DOCTYPE, e0x1, e0x2, e0x3\n").arg(global).toUtf8());
}

struct Library
{
    QString folder;
    QString element; // an element with attributes, for completion
    QString attribute; // one of its attributes with values
    qint32 helpKey;
};

LibraryLists loadedLists(const Library &library)
{
    LibraryLists lists;
    lists.EventMap = TextMaps::load(library.folder + QStringLiteral("/eventmap.dat")).value_or(QStringList());
    lists.GlobalAttributeMap = TextMaps::load(library.folder + QStringLiteral("/globalmap.dat")).value_or(QStringList());
    LoadLibraryTree(library.folder + QStringLiteral("/html4bib.dat"), lists, {QStringLiteral("P"), QStringLiteral("PARAM")});
    return lists;
}

void LoadTree(benchmark::State &state, Library library)
{
    const QString path = library.folder + QStringLiteral("/html4bib.dat");
    qsizetype nodes = 0;
    for (auto _ : state) {
        LibraryLists lists;
        const std::optional<LibraryTree> tree = LoadLibraryTree(path, lists, {QStringLiteral("P"), QStringLiteral("PARAM")});
        nodes = tree ? tree->nodes.size() : -1;
        benchmark::DoNotOptimize(nodes);
    }
    state.counters["nodes"] = double(nodes);
}

void CompleteAttributes(benchmark::State &state, Library library)
{
    const LibraryLists lists = loadedLists(library);
    LibraryFiles files(library.folder);
    const QString line = QStringLiteral("  <p>Tekst <") + library.element + QLatin1Char(' ');
    qsizetype items = 0;
    for (auto _ : state) {
        const CompletionList list = CompletionCandidates(QLatin1Char(' '), line, int(line.size()), lists, files);
        items = list.items.size();
        benchmark::DoNotOptimize(items);
    }
    state.counters["items"] = double(items);
}

void CompleteValues(benchmark::State &state, Library library)
{
    const LibraryLists lists = loadedLists(library);
    LibraryFiles files(library.folder);
    const QString line = QStringLiteral("  <p>Tekst <") + library.element + QLatin1Char(' ') + library.attribute
        + QLatin1Char('=');
    qsizetype items = 0;
    for (auto _ : state) {
        const CompletionList list = CompletionCandidates(QLatin1Char('='), line, int(line.size()), lists, files);
        items = list.items.size();
        benchmark::DoNotOptimize(items);
    }
    state.counters["items"] = double(items);
}

void HelpText(benchmark::State &state, Library library)
{
    LibraryFiles files(library.folder);
    for (auto _ : state)
        benchmark::DoNotOptimize(files.HelpText(library.helpKey));
}

// The first lookup of a run reads the file and builds its index.
void HelpTextFirstCall(benchmark::State &state, Library library)
{
    for (auto _ : state) {
        LibraryFiles files(library.folder);
        benchmark::DoNotOptimize(files.HelpText(library.helpKey));
    }
}

void registerAll(const char *name, const Library &library)
{
    const auto add = [name](const char *what, auto function, const Library &library) {
        return benchmark::RegisterBenchmark((std::string(what) + "/" + name).c_str(), function, library);
    };
    add("LoadTree", LoadTree, library)->Unit(benchmark::kMillisecond);
    add("CompleteAttributes", CompleteAttributes, library)->Unit(benchmark::kMicrosecond);
    add("CompleteValues", CompleteValues, library)->Unit(benchmark::kMicrosecond);
    add("HelpText", HelpText, library)->Unit(benchmark::kMicrosecond);
    add("HelpTextFirstCall", HelpTextFirstCall, library)->Unit(benchmark::kMillisecond);
}

// A help key that the shipped library gives a record: the first one found.
qint32 someHelpKey(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    for (const LibraryRecord &record : LibraryRecordFormat::decodeFile(file.readAll()))
        if (record.HelpKey > 0)
            return record.HelpKey;
    return -1;
}

} // namespace

int main(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    QTemporaryDir synthetic;
    writeSyntheticLibrary(synthetic.path());
    registerAll("synthetic", {synthetic.path(), QStringLiteral("e5x5"), QStringLiteral("attr3"), 50605});

    const QString shipped = qEnvironmentVariable("PAGEWICK_PROGRAM_DIR", QStringLiteral(PAGEWICK_BUILD_DATA_DIR));
    const QString shippedLibrary = shipped + QStringLiteral("/html4bib.dat");
    if (QFile::exists(shippedLibrary))
        registerAll("shipped", {shipped, QStringLiteral("a"), QStringLiteral("target"), someHelpKey(shippedLibrary)});
    else
        std::fprintf(stderr, "No shipped library in %s: timing the synthetic one only.\n", qPrintable(shipped));

    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
