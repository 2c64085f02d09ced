// The document properties window on a page with 2,000 references, from
// creating it to its first paint (run with QT_QPA_PLATFORM=offscreen).
#include "BenchSupport.h"
#include "core/SettingsOptions.h"
#include "filepanel/ReferencePage.h"
#include "filepanel/TfrmEgenskaber.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTreeWidget>

#include <benchmark/benchmark.h>

namespace {

constexpr int References = 2000;

// Pictures on disk, links, stylesheets, scripts and frames, a tenth of each
// referenced twice; half the referenced files exist.
QString writePage(const QTemporaryDir &dir)
{
    QDir(dir.path()).mkpath(QStringLiteral("billeder"));
    QByteArray page = "<html><head><title>Mange henvisninger</title></head><body>\n";
    for (int i = 0; i < References; ++i) {
        const QByteArray n = QByteArray::number(i % (References * 9 / 10));
        switch (i % 5) {
        case 0:
            page += "<img src=\"billeder/b" + n + ".gif\" alt=\"Billede " + n + "\">\n";
            break;
        case 1:
            page += "<a href=\"side" + n + ".htm\">Side " + n + "</a>\n";
            break;
        case 2:
            page += "<a href=\"http://example.com/" + n + "\">Web " + n + "</a>\n";
            break;
        case 3:
            page += "<script src=\"kode" + n + ".js\"></script>\n";
            break;
        default:
            page += "<a href=\"#m" + n + "\">Mål " + n + "</a><a name=\"m" + n + "\"></a>\n";
            break;
        }
        if (i % 2 == 0) {
            QFile file(dir.filePath(QStringLiteral("billeder/b%1.gif").arg(i)));
            if (file.open(QIODevice::WriteOnly))
                file.write(QByteArray(1000 + i, 'g'));
        }
    }
    page += "</body></html>\n";
    const QString path = dir.filePath(QStringLiteral("side.htm"));
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(page);
    return path;
}

void ShowPropertiesWindow(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString page = writePage(dir);
    const SettingsOptions options;
    QuietPrompter prompter;
    int rows = 0;
    for (auto _ : state) {
        TfrmEgenskaber window(TfrmEgenskaber::Mode::File, options, prompter);
        window.showFile(page);
        window.show();
        QApplication::processEvents();
        rows = window.references().fullList().topLevelItemCount();
    }
    state.counters["rows"] = double(rows);
}

BENCHMARK(ShowPropertiesWindow)->Unit(benchmark::kMillisecond);

} // namespace
