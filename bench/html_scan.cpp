// The scans over a whole page that markup writing relies on, on 5 MB and
// 50 MB pages: they must grow with the text, no faster.
#include "BenchSupport.h"
#include "editor/TextBuffer.h"
#include "html/ElementSections.h"
#include "html/HeadPlacement.h"

#include <benchmark/benchmark.h>

namespace {

QString page(qsizetype megabytes)
{
    const QString row = QStringLiteral("<tr><td class=\"c\">Celle æøå</td><td><a href=\"side.htm\">Link</a></td></tr>\n"
                                       "<script>var x = 1 < 2;</script><div><div>indhold</div></div>\n");
    QString text = QStringLiteral(
        "<html>\n<head>\n<title>Stor</title>\n<link rel=\"stylesheet\" href=\"s.css\">\n</head>\n<body>\n");
    while (text.size() < megabytes * 1024 * 1024)
        text += row;
    return text + QStringLiteral("</body>\n</html>\n");
}

void FindElementSectionsOnPage(benchmark::State &state)
{
    const TextBuffer text(page(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(FindElementSections(text, QStringLiteral("div,script")));
    state.SetBytesProcessed(state.iterations() * state.range(0) * 1024 * 1024);
}

void PositionInHeadOnPage(benchmark::State &state)
{
    TextBuffer text(page(state.range(0)));
    QuietPrompter prompter;
    for (auto _ : state)
        benchmark::DoNotOptimize(PositionInHead(text, QStringLiteral("meta"), false, prompter, QString()));
    state.SetBytesProcessed(state.iterations() * state.range(0) * 1024 * 1024);
}

BENCHMARK(FindElementSectionsOnPage)->Arg(5)->Arg(50)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(PositionInHeadOnPage)->Arg(5)->Arg(50)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

BENCHMARK_MAIN();
