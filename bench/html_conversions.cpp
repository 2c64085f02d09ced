// The whole-text conversions and the HTML check on 1 MB and 10 MB pages, and on
// texts built to make a scan that looks ahead afresh from every tag quadratic:
// the time must grow with the text, no faster.
#include "html/CharacterReferences.h"
#include "html/HtmlCheck.h"
#include "html/MarkupCase.h"
#include "html/MarkupStrip.h"

#include <benchmark/benchmark.h>

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

template <typename Conversion>
void run(benchmark::State &state, const QString &text, Conversion conversion)
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
    const QStringList list = {QStringLiteral("tr"), QStringLiteral("td"), QStringLiteral("a"), QStringLiteral("div"),
                              QStringLiteral("table"), QStringLiteral("b"), QStringLiteral("i"), QStringLiteral("span")};
    run(state, page(state.range(0)), [&](const QString &t) { return CheckHtml(QStringView(t), list); });
}

BENCHMARK(MarkupToXhtml)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(MarkupCaseAwkwardQuotes)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(StripAllMarkup)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(DanishLettersBothWays)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(CheckPage)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

BENCHMARK_MAIN();
