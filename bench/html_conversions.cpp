// The whole-text conversions and the HTML check on 1 MB and 10 MB pages, and on
// texts built to make a scan that looks ahead afresh from every tag quadratic:
// the time must grow with the text, no faster.
//
// With PAGEWICK_CORPUS naming an HTML file (bench/conversion_corpus.sh builds
// one of real pages), the "Corpus/" benchmarks run every conversion and the
// check once on that file, with the shipped special-character list and check list.
#include "html/CharacterReferences.h"
#include "html/HtmlCheck.h"
#include "html/MarkupCase.h"
#include "html/MarkupStrip.h"
#include "html/TextCase.h"
#include "resources/LibraryTree.h"
#include "resources/SpecialCharacters.h"

#include <QFile>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <optional>
#include <vector>

namespace {

QString page(qsizetype megabytes)
{
    const QString row = QStringLiteral("<TR><TD CLASS=c WIDTH=50>Blåbærgrød</TD><TD><A HREF=\"side.htm\">Link</A></TD></TR>\n"
                                       "<!-- note --><SCRIPT>var x = 1 < 2;</SCRIPT><DIV><BR><DIV>indhold</DIV></DIV>\n");
    QString text;
    while (text.size() < megabytes * 1024 * 1024)
        text += row;
    return text;
}

// Every ">" lies inside quotes when counted from any tag start.
QString awkward(qsizetype megabytes)
{
    return QStringLiteral("<\">\"").repeated(megabytes * 1024 * 1024 / 4);
}

template <typename Conversion> void run(benchmark::State &state, const QString &text, Conversion conversion)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(conversion(text));
    state.SetBytesProcessed(state.iterations() * text.size());
}

void MarkupToXhtml(benchmark::State &state)
{
    run(state, page(state.range(0)), [](const QString &t) { return ConvertMarkupCase(t, false, true); });
}

void MarkupCaseAwkwardQuotes(benchmark::State &state)
{
    run(state, awkward(state.range(0)), [](const QString &t) { return ConvertMarkupCase(t, true, false); });
}

void StripAllMarkup(benchmark::State &state)
{
    run(state, page(state.range(0)), [](const QString &t) { return StripMarkup(t); });
}

void DanishLettersBothWays(benchmark::State &state)
{
    run(state, page(state.range(0)), [](const QString &t) { return ReferencesToDanish(DanishToReferences(t)); });
}

void CheckPage(benchmark::State &state)
{
    const QStringList list = {QStringLiteral("tr"),    QStringLiteral("td"), QStringLiteral("a"), QStringLiteral("div"),
                              QStringLiteral("table"), QStringLiteral("b"),  QStringLiteral("i"), QStringLiteral("span")};
    run(state, page(state.range(0)), [&](const QString &t) { return CheckHtml(QStringView(t), list); });
}

BENCHMARK(MarkupToXhtml)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(MarkupCaseAwkwardQuotes)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(StripAllMarkup)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(DanishLettersBothWays)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(CheckPage)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond)->Iterations(3);

QByteArray readFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(path));
        std::exit(2);
    }
    return file.readAll();
}

QList<SpecialCharacterRow> shippedSpecialCharacters()
{
    const QString path = QStringLiteral(PAGEWICK_BUILD_DATA_DIR "/specialtegn.dat");
    const std::optional<QList<SpecialCharacterRow>> rows = LoadSpecialCharacterRows(path);
    if (!rows) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(path));
        std::exit(2);
    }
    return *rows;
}

QStringList shippedCheckList()
{
    LibraryLists lists;
    LoadLibraryTree(QStringLiteral(PAGEWICK_BUILD_DATA_DIR "/html4bib.dat"), lists,
                    {QStringLiteral("P"), QStringLiteral("PARAM")});
    return lists.TagCheckElements;
}

// The corpus is read once, as the editor reads a file, and every benchmark
// converts the same text.
void registerCorpus(const QString &text)
{
    static const QList<SpecialCharacterRow> specials = shippedSpecialCharacters();
    static const QStringList checkList = shippedCheckList();
    const std::pair<const char *, std::function<QString(const QString &)>> conversions[] = {
        {"DanishToReferences", [](const QString &t) { return DanishToReferences(t); }},
        {"ReferencesToDanish", [](const QString &t) { return ReferencesToDanish(t); }},
        {"SpecialToReferences", [](const QString &t) { return SpecialToReferences(t, specials); }},
        {"ReferencesToSpecial", [](const QString &t) { return ReferencesToSpecial(t, specials); }},
        {"MarkupUpper", [](const QString &t) { return ConvertMarkupCase(t, true, false); }},
        {"MarkupLower", [](const QString &t) { return ConvertMarkupCase(t, false, false); }},
        {"MarkupXhtml", [](const QString &t) { return ConvertMarkupCase(t, false, true); }},
        {"StripMarkup", [](const QString &t) { return StripMarkup(t); }},
        {"TextUpper", [](const QString &t) { return ConvertTextCase(t, TextCaseMode::Upper); }},
        {"TextLower", [](const QString &t) { return ConvertTextCase(t, TextCaseMode::Lower); }},
        {"TextSwap", [](const QString &t) { return ConvertTextCase(t, TextCaseMode::Swap); }},
        {"TextWordInitials", [](const QString &t) { return ConvertTextCase(t, TextCaseMode::WordInitials); }},
        {"TextSentenceInitials", [](const QString &t) { return ConvertTextCase(t, TextCaseMode::SentenceInitials); }},
        {"TextLetterSpacing", [](const QString &t) { return ConvertTextCase(t, TextCaseMode::LetterSpacing); }},
        {"CheckHtml", [](const QString &t) { return CheckHtml(QStringView(t), checkList); }},
    };
    for (const auto &[name, conversion] : conversions) {
        benchmark::RegisterBenchmark((std::string("Corpus/") + name).c_str(),
                                     [&text, conversion](benchmark::State &state) { run(state, text, conversion); })
            ->Unit(benchmark::kMillisecond)
            ->Iterations(1)
            ->Repetitions(3)
            // Other work on the machine only ever adds time: the least of the runs is the figure.
            ->ComputeStatistics("min",
                                [](const std::vector<double> &times) { return *std::min_element(times.begin(), times.end()); })
            ->ReportAggregatesOnly(true);
    }
}

} // namespace

int main(int argc, char **argv)
{
    QString corpus;
    if (const char *path = std::getenv("PAGEWICK_CORPUS")) {
        corpus = QString::fromUtf8(readFile(QString::fromLocal8Bit(path)));
        registerCorpus(corpus);
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
