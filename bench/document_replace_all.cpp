// Replace all in a document editor: 100,000 matches in a 50 MB page, with the
// editor set up and shown as a document is. The whole replacement must stay
// one undo step.
// Usage: QT_QPA_PLATFORM=offscreen document_replace_all
#include "editor/DocumentEditorSetup.h"
#include "editor/TLEdit.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int Matches = 100000;

// One row of about 520 bytes holding the searched word once.
QString page()
{
    QString row = QStringLiteral("<tr><td class=\"celle\">Tekst med æøå og <b>fed</b> skrift</td><td>GAMMEL værdi</td></tr>");
    while (row.size() < 520)
        row += QStringLiteral("<!-- fyld -->");
    row += QLatin1Char('\n');
    QString text;
    text.reserve(row.size() * Matches + 64);
    text += QStringLiteral("<html>\n<body>\n<table>\n");
    for (int i = 0; i < Matches; ++i)
        text += row;
    return text + QStringLiteral("</table>\n</body>\n</html>\n");
}

// The searches by their ways through the editor: ASCII letters in either
// case, the same bytes, and characters compared without regard to case.
struct Search
{
    const char16_t *text;
    bool matchCase;
};
constexpr Search Searches[] = {{u"gammel", false}, {u"GAMMEL", true}, {u"VÆRDI", false}};

void ReplaceAllInLargeDocument(benchmark::State &state)
{
    const Search search = Searches[state.range(0)];
    const bool matchCase = search.matchCase;
    const QString text = page();
    TLEdit editor;
    editor.resize(1000, 700);
    configureDocumentEditor(editor, DocumentEditorLook{});
    editor.show();
    editor.SetFindText(QString::fromUtf16(search.text));
    editor.SetReplaceText(QStringLiteral("ny og længere"));
    editor.SetSearchFlags(SearchOptions{SearchOptions::Forward, false, matchCase}.toFlags());
    int replaced = 0;
    for (auto _ : state) {
        state.PauseTiming();
        editor.SetText(text);
        editor.ClearUndo();
        editor.grab();
        state.ResumeTiming();
        replaced = editor.ReplaceAllMatches();
        editor.grab();
    }
    if (replaced != Matches || !editor.CanUndo())
        state.SkipWithError("not every match was replaced");
    editor.Undo();
    if (editor.GetTextLength() != text.size() || editor.CanUndo())
        state.SkipWithError("the replacement was not one undo step");
    state.counters["MB"] = text.toUtf8().size() / 1048576.0;
    state.counters["matches"] = replaced;
}

BENCHMARK(ReplaceAllInLargeDocument)->ArgName("search")->DenseRange(0, 2)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
