#pragma once

#include "resources/CompletionCandidates.h"

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QTimer>

class LibraryFiles;
struct LibraryLists;
class QKeyEvent;
class QListWidget;
class TLEdit;
class Workbench;

// Code completion in the document editors: a trigger character ("<", a
// blank or "=") starts a one-shot timer; when it fires, the elements,
// attributes or values that fit the caret's tag float in a list under the
// caret. Typed letters pick an item, Enter or a click writes it into the text.
class CodeCompletion : public QObject
{
    Q_OBJECT

public:
    CodeCompletion(Workbench &workbench, LibraryLists &lists, LibraryFiles &files);

    // Connects a new document editor.
    void watch(TLEdit &editor);

    // The floating list (hidden at rest) and its kind: 81 elements,
    // 82 attributes, -1 values.
    QListWidget *CompletionList() const { return m_list; }
    int listKind() const { return m_kind; }
    const QTimer &timer() const { return m_timer; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The key as it goes down, while the list is shown or not; true swallows it.
    bool keyDown(QKeyEvent &key);
    // The character the key types; true swallows it.
    bool keyPress(TLEdit &editor, QKeyEvent &key);
    void showCandidates();
    void accept();
    void hide();
    // Hides the list when the editor's scrolling moved the text under it.
    void followScroll();
    void chooseNext(int step);

    Workbench &m_workbench;
    LibraryLists &m_lists;
    LibraryFiles &m_files;
    QListWidget *m_list;
    QTimer m_timer;
    QPointer<TLEdit> m_editor; // where the last completion was started
    long m_shownPosition = 0; // the caret's position when the list was shown
    QPoint m_shownAt; // and where it was drawn then
    int m_kind = CompletionKind::Attributes;
    QChar m_trigger;
    QString m_prefix;
    bool m_closeWithBracket = false;
};
