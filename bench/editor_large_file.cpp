// Measures the document editor on a large HTML file: loading it to the first
// paint, scrolling to its end, typing at its end, and the memory it takes.
// Usage: editor_large_file [megabytes]   (default 50; run offscreen)
#include "BenchSupport.h"
#include "editor/DocumentEditorSetup.h"
#include "editor/TLEdit.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const int megabytes = argc > 1 ? std::max(1, atoi(argv[1])) : 50;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("stor.htm"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            return 1;
        file.write(sampleHtml(qsizetype(megabytes) << 20));
    }
    const double fileMb = QFileInfo(path).size() / 1048576.0;

    TLEdit editor;
    editor.resize(1000, 700);
    DocumentEditorLook look;
    // PAGEWICK_BENCH_NOWRAP=1 measures with word wrap off (the setting "Ombrydning").
    look.options.wordWrap = qEnvironmentVariableIntValue("PAGEWICK_BENCH_NOWRAP") == 0;
    configureDocumentEditor(editor, look);
    editor.show();
    editor.grab();
    const long baseline = residentKilobytes();

    QElapsedTimer timer;
    timer.start();
    editor.LoadFromFile(path);
    editor.ClearModified();
    editor.ClearUndo();
    editor.grab();
    const double loadMs = timer.nsecsElapsed() / 1e6;
    const long afterLoad = residentKilobytes();

    timer.restart();
    editor.SetTopLine(editor.GetLineCount());
    editor.grab();
    const double scrollMs = timer.nsecsElapsed() / 1e6;

    const int lastLine = editor.GetLineCount();
    editor.SetSelection(SelectionRecord::at({lastLine, editor.GetLineLength(lastLine)}));
    editor.grab();
    // What a keystroke costs: handling the key and painting the result.
    std::vector<double> typing;
    for (int i = 0; i < 30; ++i) {
        timer.restart();
        QKeyEvent press(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
        QApplication::sendEvent(&editor, &press);
        editor.grab();
        typing.push_back(timer.nsecsElapsed() / 1e6);
    }
    // Work left for idle time (wrapping the rest of a wrapped text): the
    // longest slice is the longest a keystroke may wait behind it.
    double longestIdleSlice = 0;
    QElapsedTimer idle;
    idle.start();
    while (idle.elapsed() < 2000) {
        timer.restart();
        QCoreApplication::processEvents();
        longestIdleSlice = std::max(longestIdleSlice, timer.nsecsElapsed() / 1e6);
    }
    const long afterAll = residentKilobytes();

    std::printf("file: %.1f MB, %d lines, word wrap %s\n", fileMb, lastLine, look.options.wordWrap ? "on" : "off");
    std::printf("LoadFromFile to first paint: %.0f ms\n", loadMs);
    std::printf("scroll to the end and paint: %.0f ms\n", scrollMs);
    std::printf("type a character at the end and paint: median %.1f ms, worst %.1f ms\n", median(typing),
                *std::max_element(typing.begin(), typing.end()));
    std::printf("longest slice of idle work in the 2 s after typing: %.1f ms\n", longestIdleSlice);
    std::printf("memory: process %.0f MB (%.2f x file); added by the file %.0f MB (%.2f x file)\n", afterAll / 1024.0,
                afterAll / 1024.0 / fileMb, (afterLoad - baseline) / 1024.0, (afterLoad - baseline) / 1024.0 / fileMb);
    return 0;
}
