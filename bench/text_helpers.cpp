// The reference scan and the date refresh on large pages: both must grow with
// the text, no faster, also on markup that never closes.
#include "BenchSupport.h"
#include "core/SettingsOptions.h"
#include "editor/TextBuffer.h"
#include "html/AutoDate.h"
#include "html/LinkScanner.h"

#include <benchmark/benchmark.h>

namespace {

QString repeatedTo(const QString &row, qsizetype megabytes)
{
    QString text;
    while (text.size() < megabytes * 1024 * 1024)
        text += row;
    return text;
}

QString linkPage(qsizetype megabytes)
{
    return repeatedTo(QStringLiteral("<p><a href=\"side.htm#m\">Bl&aring; side</a> <img src=\"b/logo.gif\" alt=\"Logo\">"
                                     "<a name=\"m\"></a><link href=\"s.css\"></p>\n"),
                      megabytes);
}

// Every entry, with the file masks of a first start.
LinkScan allEntries()
{
    const SettingsOptions options;
    LinkScan scan;
    scan.scriptFilter = options.scriptFilter;
    scan.htmlFilter = options.htmlFilter;
    return scan;
}

void ScanLinksOnPage(benchmark::State &state)
{
    const QString text = linkPage(state.range(0));
    for (auto _ : state) {
        QList<LinkItem> items;
        ScanLinksInText(text, QString(), allEntries(), items);
        benchmark::DoNotOptimize(items);
    }
    state.SetBytesProcessed(state.iterations() * state.range(0) * 1024 * 1024);
}

void ScanLinksOnUnclosedTags(benchmark::State &state)
{
    const QString text = repeatedTo(QStringLiteral("<a href=\"x <img src=y "), state.range(0));
    for (auto _ : state) {
        QList<LinkItem> items;
        ScanLinksInText(text, QString(), allEntries(), items);
        benchmark::DoNotOptimize(items);
    }
    state.SetBytesProcessed(state.iterations() * state.range(0) * 1024 * 1024);
}

void RefreshDateOnPage(benchmark::State &state)
{
    const QString page = linkPage(state.range(0)) + AutoDateStartMarker + QStringLiteral("1.1.2000") + AutoDateEndMarker
        + QStringLiteral("\n</body>\n");
    QuietPrompter prompter;
    const AutoDateSettings settings = AutoDateSettings::fromOptions(SettingsOptions{},
                                                                    QDateTime(QDate(2026, 3, 5), QTime(12, 0)));
    for (auto _ : state) {
        state.PauseTiming();
        TextBuffer text(page);
        state.ResumeTiming();
        benchmark::DoNotOptimize(UpdateAutoDate(text, QStringLiteral("side.htm"), AutoDateMode::Save, settings, prompter));
    }
    state.SetBytesProcessed(state.iterations() * state.range(0) * 1024 * 1024);
}

BENCHMARK(ScanLinksOnPage)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(ScanLinksOnUnclosedTags)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(RefreshDateOnPage)->Arg(5)->Arg(50)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

BENCHMARK_MAIN();
