// Measures the internal browser on a 100 KB page: the first preview, which
// loads and starts the web engine, and later previews, each from the command
// to the page's load signal, and the memory the engine adds.
// Usage: internal_preview   (run offscreen)
#include "BenchWindow.h"
#include "app/PagewickApplication.h"
#include "documents/DocumentCommands.h"
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
double previewMs(TfrmPW4 &window)
{
    QElapsedTimer timer;
    timer.start();
    window.commands().require(QStringLiteral("actInternBrowser")).trigger();
    auto *view = window.findChild<QWebEngineView *>(QStringLiteral("wbInternBrowser"));
    if (!view)
        return -1;
    QSignalSpy finished(view, &QWebEngineView::loadFinished);
    if (!finished.wait(30000))
        return -1;
    return timer.nsecsElapsed() / 1e6;
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

    const double first = previewMs(window);
    std::printf("first preview of a 100 KB page (engine cold): %.0f ms\n", first);
    std::printf("memory added by the engine: %.0f MB\n", (residentKilobytes() - before) / 1024.0);

    QList<double> later;
    for (int run = 0; run < 10; ++run) {
        window.commands().require(QStringLiteral("actKodeeditor")).trigger();
        later.append(previewMs(window));
    }
    std::sort(later.begin(), later.end());
    std::printf("later previews: median %.0f ms, max %.0f ms (%lld runs)\n", later.at(later.size() / 2), later.last(),
                static_cast<long long>(later.size()));
    return 0;
}
