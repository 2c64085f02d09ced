// Typing with code completion on in the main window: a 50 MB page in the
// active document and a library of 100 elements. Each key's time holds the
// typing and painting of the text and the list it brings (looking up the
// caret line's tag, filling, placing and painting the list), but not the
// completion delay, in which the editor is idle. A second case asks for the
// attributes of a tag at the end of a 1 MB line and tells the completion's
// share apart from the editor's own work on that line.
// Usage: QT_QPA_PLATFORM=offscreen code_completion_typing
// (PAGEWICK_BENCH_NOWRAP=1: with word wrap off)
#include "BenchSupport.h"
#include "app/TfrmPW4.h"
#include "completion/CodeCompletion.h"
#include "core/SettingsKeys.h"
#include "core/SettingsStore.h"
#include "documents/DocumentArea.h"
#include "editor/TLEdit.h"
#include "resources/LibraryRecord.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QListWidget>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

// A hundred elements (table among them) of eight attributes each, with values.
QByteArray library()
{
    using LibraryRecordFormat::positionCode;
    const auto record = [](QList<int> path, qint32 kind, const QString &name, const QString &element = QString()) {
        LibraryRecord r;
        r.Id = positionCode(path);
        r.Kind = kind;
        r.Name = name;
        r.Element = element;
        r.Code = kind == 1300 ? name + QStringLiteral("=\"\"") : name;
        r.Values = QStringLiteral("left, center, right, top, bottom, [tal], [url], [farve]");
        return *LibraryRecordFormat::encode(r);
    };
    QByteArray bytes = record({}, 0, QStringLiteral("HTML"));
    for (int category = 0; category < 10; ++category) {
        bytes += record({category}, 1000, QStringLiteral("Kategori %1").arg(category));
        for (int element = 0; element < 10; ++element) {
            const QString name = category == 0 && element == 0 ? QStringLiteral("table")
                                                               : QStringLiteral("t%1x%2").arg(category).arg(element);
            bytes += record({category, element}, 1250, name);
            for (int attribute = 0; attribute < 8; ++attribute)
                bytes += record({category, element, attribute}, 1300, QStringLiteral("attr%1").arg(attribute), name);
        }
    }
    bytes += record({10}, 2000, QStringLiteral("Hændelser"));
    for (int event = 0; event < 10; ++event)
        bytes += record({10, event}, 1701, QStringLiteral("onevent%1").arg(event));
    return bytes;
}

// Times what the completion timer sets off when it fires, by running the
// timer's event itself.
struct Stopwatch : QObject
{
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::Timer)
            return false;
        QElapsedTimer timer;
        timer.start();
        watched->event(event);
        milliseconds += timer.nsecsElapsed() / 1e6;
        return true;
    }
    double milliseconds = 0;
};

// The main window over a temporary program folder, with the shortest delay.
struct Window
{
    Window()
    {
        writeFile(dir.filePath(QStringLiteral("html4bib.dat")), library());
        writeFile(dir.filePath(QStringLiteral("eventmap.dat")), "1701=table,t1x1,t2x2\r\n");
        writeFile(dir.filePath(QStringLiteral("globalmap.dat")), "class=\r\nid=\r\nstyle=\r\ntitle=\r\n");
        store = std::make_unique<SettingsStore>(dir.filePath(QStringLiteral("Pagewick.ini")));
        store->writeInt(Keys::Indstillinger, QStringLiteral("Forsinkelse"), 100); // the shortest offered
        if (qEnvironmentVariableIntValue("PAGEWICK_BENCH_NOWRAP") != 0)
            store->writeBool(Keys::Indstillinger, QStringLiteral("Ombrydning"), false);
        window = std::make_unique<TfrmPW4>(
            MainWindowServices{*store, prompter, dir.path() + QLatin1Char('/'), dir.path() + QLatin1Char('/')});
        window->resize(1000, 700);
        window->show();
        window->grab();
        // The bench only watches the timer; it changes nothing in it.
        const_cast<QTimer &>(window->codeCompletion().timer()).installEventFilter(&stopwatch);
    }
    ~Window() { window->ActiveEditor()->ClearModified(); }

    TLEdit &editor() { return *window->ActiveEditor(); }
    // With word wrap on, the editor wraps a long text in the background
    // after opening it, and the rows shown move as it goes. Typing is
    // measured once that has run, as it has a while after opening a page:
    // when the row count of the text has stood still for a second.
    void settleWrapping()
    {
        const auto rows = [this] {
            return editor().SendScintilla(QsciScintillaBase::SCI_VISIBLEFROMDOCLINE, editor().GetLineCount());
        };
        for (long before = -1; before != rows();) {
            before = rows();
            QElapsedTimer second;
            second.start();
            while (!second.hasExpired(1000))
                QCoreApplication::processEvents(QEventLoop::AllEvents, 100);
        }
    }
    // The milliseconds of work a key caused: its own handling and painting,
    // and the completion it started.
    struct Work
    {
        double key = 0;
        double completion = 0;
        double total() const { return key + completion; }
    };
    // The completion delay itself (at least 100 ms) is the user's time, in
    // which the editor waits idle, so it is slept through and not counted.
    Work type(int key, const QString &text)
    {
        stopwatch.milliseconds = 0;
        QElapsedTimer timer;
        timer.start();
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
        QApplication::sendEvent(&editor(), &press);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
        QApplication::sendEvent(&editor(), &release);
        QCoreApplication::processEvents();
        window->documentArea().grab();
        double milliseconds = timer.nsecsElapsed() / 1e6;

        const QTimer &completion = window->codeCompletion().timer();
        if (completion.isActive()) {
            QThread::msleep(std::max(0, completion.remainingTime()));
            timer.restart();
            do
                QCoreApplication::processEvents();
            while (completion.isActive());
            window->documentArea().grab();
            milliseconds += timer.nsecsElapsed() / 1e6;
        }
        return {milliseconds - stopwatch.milliseconds, stopwatch.milliseconds};
    }

    QTemporaryDir dir;
    QuietPrompter prompter;
    Stopwatch stopwatch;
    std::unique_ptr<SettingsStore> store;
    std::unique_ptr<TfrmPW4> window;
};

void report(benchmark::State &state, std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    state.counters["median_ms"] = times[times.size() / 2];
    state.counters["worst_ms"] = times.back();
}

struct Key
{
    int key;
    const char *text;
};
// An element from the list, an attribute and its value, then text.
constexpr Key Script[] = {{Qt::Key_Less, "<"},    {Qt::Key_T, "t"},       {Qt::Key_A, "a"},       {Qt::Key_Return, "\r"},
                          {Qt::Key_Space, " "},   {Qt::Key_Down, ""},     {Qt::Key_Return, "\r"}, {Qt::Key_C, "c"},
                          {Qt::Key_Return, "\r"}, {Qt::Key_Greater, ">"}, {Qt::Key_X, "x"},       {Qt::Key_Y, "y"}};

void TypingWithCompletionIn50MB(benchmark::State &state)
{
    Window w;
    const QString path = w.dir.filePath(QStringLiteral("stor.htm"));
    writeFile(path, sampleHtml(qsizetype(50) << 20));
    w.editor().LoadFromFile(path);
    w.editor().ClearUndo();
    const int last = w.editor().GetLineCount();
    w.editor().SetSelection(SelectionRecord::at({last, 0}));
    // The caret line in the middle of the view: no scrolling hides the list.
    w.editor().SetTopLine(last - 10);
    w.settleWrapping();
    w.window->documentArea().grab();

    const QListWidget *list = w.window->codeCompletion().CompletionList();
    std::vector<double> times;
    int shown = 0;
    size_t next = 0;
    for (auto _ : state) {
        const Key &key = Script[next++ % std::size(Script)];
        const double milliseconds = w.type(key.key, QString::fromLatin1(key.text)).total();
        state.SetIterationTime(milliseconds / 1e3);
        times.push_back(milliseconds);
        shown += list->isVisible() ? 1 : 0;
    }
    report(state, times);
    state.counters["keys_with_list"] = shown;
    if (shown == 0)
        state.SkipWithError("the list never showed");
}

void AttributesAtTheEndOfA1MBLine(benchmark::State &state)
{
    Window w;
    w.editor().SetText(QString(1 << 20, QLatin1Char('x')) + QStringLiteral("<table"));
    w.editor().SetSelection(SelectionRecord::at({1, w.editor().GetLineLength(1)}));
    w.window->documentArea().grab();
    const QListWidget *list = w.window->codeCompletion().CompletionList();
    std::vector<double> times;
    std::vector<double> completions;
    for (auto _ : state) {
        const Window::Work work = w.type(Qt::Key_Space, QStringLiteral(" "));
        state.SetIterationTime(work.total() / 1e3);
        times.push_back(work.total());
        completions.push_back(work.completion);
        if (!list->isVisible()) {
            state.SkipWithError("no attribute list");
            break;
        }
        w.type(Qt::Key_Escape, QString());
        w.type(Qt::Key_Backspace, QStringLiteral("\b"));
    }
    report(state, times);
    // The editor lays out the whole line again for the typed blank; the
    // completion's own share is this.
    std::sort(completions.begin(), completions.end());
    state.counters["completion_median_ms"] = completions[completions.size() / 2];
    state.counters["completion_worst_ms"] = completions.back();
}

BENCHMARK(TypingWithCompletionIn50MB)->UseManualTime()->Iterations(120)->Unit(benchmark::kMillisecond);
BENCHMARK(AttributesAtTheEndOfA1MBLine)->UseManualTime()->Iterations(20)->Unit(benchmark::kMillisecond);

} // namespace
