// Measures opening the element dialog on a 50 MB page with the caret at its
// end: the time from creating the dialog to its first paint, the first time
// and later, for every panel kind the window opens.
// Usage: element_dialog_open   (run offscreen)
#include "BenchWindow.h"
#include "app/PagewickApplication.h"
#include "app/TfrmPW4.h"
#include "core/SettingsStore.h"
#include "dialogs/element/DialogKinds.h"
#include "dialogs/element/TfrmDialog.h"
#include "documents/DocumentCommands.h"
#include "editor/TLEdit.h"
#include "resources/LibraryLists.h"

#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <cstdio>

int main(int argc, char **argv)
{
    PagewickApplication::prepare();
    PagewickApplication app(argc, argv);
    BenchWindow bench;
    TfrmPW4 &window = bench.window();

    const QByteArray row = "<tr><td class=\"c\">Celle</td><td><a href=\"side.htm\">Link</a></td></tr>\r\n";
    QByteArray html = "<html><head><title>Stor side</title></head><body><table>\r\n";
    while (html.size() < (50 << 20))
        html += row;
    html += "</table></body></html>\r\n";
    const QString path = bench.filePath(QStringLiteral("stor.htm"));
    writeFile(path, html);
    window.documentCommands().FilAabn(path);
    TLEdit &editor = *window.ActiveEditor();
    editor.SetSelection(SelectionRecord::at({editor.GetLineCount(), 0}));
    QCoreApplication::processEvents();

    LibraryLists lists;
    ElementEdit edit;
    const TfrmDialog::Services services{window, lists, [](int) { return QString(); },
                                        [](const QString &, const QString &) { return std::optional<QString>(); }};
    const std::pair<const char *, int> kinds[] = {{"Linie", DialogKind::HorizontalLine},
                                                  {"Punktopstilling", DialogKind::List},
                                                  {"Blok", DialogKind::Block},
                                                  {"Titel", DialogKind::Title},
                                                  {"Basiskoder", DialogKind::Page}};
    std::printf("%-16s %12s %12s\n", "panel", "first ms", "later ms");
    for (const auto &[name, kind] : kinds) {
        double times[6];
        for (double &time : times) {
            QElapsedTimer timer;
            timer.start();
            TfrmDialog dialog(kind, edit, services, &window);
            dialog.show();
            dialog.grab();
            time = timer.nsecsElapsed() / 1e6;
        }
        double later = 0;
        for (int i = 1; i < 6; ++i)
            later = std::max(later, times[i]);
        std::printf("%-16s %12.1f %12.1f\n", name, times[0], later);
    }
    return 0;
}
