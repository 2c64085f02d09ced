// Measures opening and saving documents through the main window: a 50 MB page
// in UTF-8 and in Windows-1252, and 50 pages opened at once.
// Usage: documents_open_save   (run offscreen)
#include "BenchWindow.h"
#include "app/PagewickApplication.h"
#include "app/ShellCommands.h"
#include "app/SingleInstance.h"
#include "app/TfrmPW4.h"
#include "core/SettingsStore.h"
#include "documents/DocumentArea.h"
#include "documents/DocumentCommands.h"
#include "editor/TLEdit.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>

namespace {

QByteArray page(qsizetype bytes, bool windows1252)
{
    const QByteArray letters = windows1252 ? QByteArray("\xe6\xf8\xe5") : QByteArray("\xc3\xa6\xc3\xb8\xc3\xa5");
    const QByteArray row = "<tr><td class=\"c\">Celle " + letters + "</td><td><a href=\"side.htm\">Link</a></td></tr>\r\n";
    QByteArray html = "<html><head><title>Stor side</title></head><body><table>\r\n";
    html.reserve(bytes + row.size());
    while (html.size() < bytes)
        html += row;
    return html + "</table></body></html>\r\n";
}

} // namespace

int main(int argc, char **argv)
{
    PagewickApplication::prepare();
    PagewickApplication app(argc, argv);
    BenchWindow bench;
    TfrmPW4 &window = bench.window();
    const long baseline = residentKilobytes();

    QElapsedTimer timer;
    for (const bool windows1252 : {false, true}) {
        const QString path = bench.filePath(windows1252 ? QStringLiteral("cp1252.htm") : QStringLiteral("utf8.htm"));
        writeFile(path, page(50 << 20, windows1252));
        const double mb = QFileInfo(path).size() / 1048576.0;
        timer.start();
        window.documentCommands().FilAabn(path);
        window.grab();
        const double openMs = timer.nsecsElapsed() / 1e6;
        const long rss = residentKilobytes();
        TLEdit *editor = window.ActiveEditor();
        editor->SetSelection(SelectionRecord::at({1, 0}));
        editor->ReplaceSelection(QStringLiteral("<!-- -->"));
        timer.restart();
        window.documentCommands().FilGem(window.documentArea().currentIndex());
        const double saveMs = timer.nsecsElapsed() / 1e6;
        std::printf("%s, %.1f MB: open and show %.0f ms, save %.0f ms, memory added %.0f MB (%.2f x file)\n",
                    windows1252 ? "Windows-1252" : "UTF-8", mb, openMs, saveMs, (rss - baseline) / 1024.0,
                    (rss - baseline) / 1024.0 / mb);
        window.documentCommands().CloseDocument();
    }

    QStringList paths;
    for (int i = 0; i < 50; ++i) {
        const QString path = bench.filePath(QStringLiteral("side%1.htm").arg(i));
        writeFile(path, page(40 * 1024, false));
        paths.append(path);
    }
    timer.restart();
    window.OpenFiles(FileListMessage::textFor(paths));
    window.grab();
    std::printf("50 pages of 40 KB through OpenFiles: %.0f ms (%d tabs)\n", timer.nsecsElapsed() / 1e6,
                window.documentArea().count());
    for (int tab = 0; tab < window.documentArea().count(); ++tab)
        window.documentArea().editorAt(tab)->ClearModified();
    return 0;
}
