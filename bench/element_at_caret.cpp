// Measures "Rediger HTML-element" (F4) on a 50 MB page: the time from the
// command to the shown dialog (or to the message for an element whose end
// tag is searched for to the end of the page), near the end of the page and
// in its middle.
// Usage: element_at_caret   (run offscreen)
#include "BenchWindow.h"
#include "app/PagewickApplication.h"
#include "app/TfrmPW4.h"
#include "documents/DocumentCommands.h"
#include "editor/TLEdit.h"

#include <QAction>
#include <QDialog>
#include <QElapsedTimer>

#include <cstdio>

namespace {

// The place just after the first "<" of `what` on the line nearest `line` at or after it.
TextPos placeOf(TLEdit &editor, int line, const QString &what)
{
    for (int at = line; at <= editor.GetLineCount(); ++at) {
        const qsizetype column = editor.GetLine(at).indexOf(what);
        if (column >= 0)
            return {at, int(column) + 1};
    }
    qFatal("no %s after line %d", qPrintable(what), line);
}

} // namespace

int main(int argc, char **argv)
{
    PagewickApplication::prepare();
    PagewickApplication app(argc, argv);
    BenchWindow bench;
    TfrmPW4 &window = bench.window();

    QByteArray html = sampleHtml(25 << 20);
    html.insert(html.size() / 2, "<map name=\"uden-slutkode\">\n"); // a map whose end tag never comes
    html += sampleHtml(25 << 20);
    const QString path = bench.filePath(QStringLiteral("stor.htm"));
    writeFile(path, html);
    window.documentCommands().FilAabn(path);
    TLEdit &editor = *window.ActiveEditor();
    QCoreApplication::processEvents();
    const int lines = editor.GetLineCount();

    QElapsedTimer timer;
    double shown = 0;
    bench.prompter().dialogs = [&](QDialog &dialog) {
        dialog.show();
        dialog.grab();
        shown = timer.nsecsElapsed() / 1e6;
        return false;
    };
    bench.prompter().messages = [&](const Prompter::Message &) {
        shown = timer.nsecsElapsed() / 1e6;
        return Prompter::Ok;
    };
    const struct
    {
        const char *name;
        int line;
        const char *element;
    } cases[] = {
        {"td at the end", lines - 12, "<td align"},
        {"a at the end", lines - 12, "<a href"},
        {"td in the middle", lines / 2 + 10, "<td align"},
        {"a in the middle", lines / 2 + 10, "<a href"},
        {"map, no end tag", 1, "<map name"},
    };
    QAction &command = *window.command(QStringLiteral("actRedigerElement"));
    std::printf("%d lines, %lld bytes\n%-18s %10s %10s\n", lines, qlonglong(html.size()), "caret in", "first ms", "worst ms");
    for (const auto &c : cases) {
        double first = 0;
        double worst = 0;
        for (int run = 0; run < 5; ++run) {
            editor.SetSelection(SelectionRecord::at(placeOf(editor, c.line, QString::fromLatin1(c.element))));
            QCoreApplication::processEvents();
            shown = -1;
            timer.start();
            command.trigger();
            if (shown < 0)
                qFatal("nothing was shown for %s", c.name);
            if (run == 0)
                first = shown;
            worst = std::max(worst, shown);
        }
        std::printf("%-18s %10.1f %10.1f\n", c.name, first, worst);
    }
    return 0;
}
