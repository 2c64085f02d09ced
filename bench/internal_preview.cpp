// Measures the internal browser on a 100 KB page: the first preview, which
// loads and starts the web engine, later previews, and "Gem" while the page
// is shown, each from the command to the page's load signal, and the memory
// the engine adds.
// Usage: internal_preview   (run offscreen)
#include "BenchWindow.h"
#include "app/PagewickApplication.h"
#include "documents/DocumentCommands.h"
#include "editor/TLEdit.h"
#include "workbench/CommandRegistry.h"

#include <QAction>
#include <QElapsedTimer>
#include <QSignalSpy>
#include <QWebEngineView>

#include <algorithm>
#include <cstdio>

namespace {

QByteArray page(qsizetype bytes)
{
    const QByteArray row = "<tr><td class=\"c\">Celle \xc3\xa6\xc3\xb8\xc3\xa5</td><td><a href=\"side.htm\">Link</a></td></tr>\n";
    QByteArray html = "<html><head><meta charset=\"utf-8\"><title>Side</title></head><body><table>\n";
    while (html.size() < bytes)
        html += row;
    return html + "</table></body></html>\n";
}

// From the command to the page's load signal, in milliseconds; -1 when it never came.
double loadMs(TfrmPW4 &window, const char *command)
{
    QElapsedTimer timer;
    timer.start();
    window.commands().require(QString::fromLatin1(command)).trigger();
    auto *view = window.findChild<QWebEngineView *>(QStringLiteral("wbInternBrowser"));
    if (!view)
        return -1;
    QSignalSpy finished(view, &QWebEngineView::loadFinished);
    if (!finished.wait(30000))
        return -1;
    return timer.nsecsElapsed() / 1e6;
}

void printMedian(const char *what, QList<double> runs)
{
    std::sort(runs.begin(), runs.end());
    std::printf("%s: median %.0f ms, max %.0f ms (%lld runs)\n", what, runs.at(runs.size() / 2), runs.last(),
                static_cast<long long>(runs.size()));
}

} // namespace

int main(int argc, char **argv)
{
    PagewickApplication::prepare();
    PagewickApplication app(argc, argv);
    BenchWindow bench;
    TfrmPW4 &window = bench.window();
    const QString path = bench.filePath(QStringLiteral("side.html"));
    writeFile(path, page(100 * 1024));
    window.documentCommands().FilAabn(path);
    const long before = residentKilobytes();

    const double first = loadMs(window, "actInternBrowser");
    std::printf("first preview of a 100 KB page (engine cold): %.0f ms\n", first);
    std::printf("memory added by the engine: %.0f MB\n", (residentKilobytes() - before) / 1024.0);

    QList<double> later;
    for (int run = 0; run < 10; ++run) {
        window.commands().require(QStringLiteral("actKodeeditor")).trigger();
        later.append(loadMs(window, "actInternBrowser"));
    }
    printMedian("later previews", later);

    // A page changed (by "Gem alle", say) and saved while it is shown.
    QList<double> saves;
    for (int run = 0; run < 10; ++run) {
        window.activeEditor().SetText(QString::fromUtf8(page(100 * 1024 + run)));
        saves.append(loadMs(window, "actGem"));
    }
    printMedian("save to reloaded page", saves);
    return 0;
}
