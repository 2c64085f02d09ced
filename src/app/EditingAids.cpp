#include "app/EditingAids.h"

#include "app/DocumentArea.h"
#include "app/DocumentDrops.h"
#include "core/ProductTexts.h"
#include "core/Prompter.h"
#include "app/TFriendlyStatusBar.h"
#include "app/TfrmPW4.h"
#include "editor/TLEdit.h"
#include "editor/TLEditLines.h"
#include "editor/TextCharacters.h"
#include "html/MarkupWriting.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QToolBar>
#include <QToolButton>
#include <QWheelEvent>

namespace {

constexpr int WheelLinesPerNotch = 3;
constexpr int WheelNotch = 120;

// Until references are written by the file helpers, a dropped file is
// inserted as its path relative to the document, with slashes.
QString relativeReference(const QString &documentPath, const QString &file)
{
    if (documentPath.isEmpty())
        return QDir::fromNativeSeparators(file);
    return QDir(QFileInfo(documentPath).absolutePath()).relativeFilePath(file);
}

} // namespace

EditingAids::EditingAids(TfrmPW4 &window, Prompter &prompter)
    : QObject(&window)
    , m_window(window)
    , m_prompter(prompter)
{
    m_drops = new DocumentDrops(
        [this](TLEdit &editor, const QPoint &at) {
            if (&editor == m_window.ActiveEditor())
                CaretToPoint(at.x(), at.y());
        },
        [this](TLEdit &editor, const QString &path) {
            if (m_window.hooks().insertFileReference)
                m_window.hooks().insertFileReference(editor, path);
            else
                InsertAtCaret(editor, relativeReference(m_window.documents()->pathAt(m_window.documents()->currentIndex()), path));
        },
        this);
    buildBookmarkButtons();
    TLEditLines *gutter = m_window.documents()->gutter();
    gutter->installEventFilter(this);
}

void EditingAids::watch(TLEdit &editor)
{
    EditorBookmarks::prepare(editor);
    editor.setAcceptDrops(true);
    // The mouse over the selection shows that it can be dragged.
    editor.viewport()->setMouseTracking(true);
    editor.viewport()->installEventFilter(this);
    editor.installEventFilter(this);
    connect(&editor, &TLEdit::OnChange, this, [this, &editor] { editorChanged(editor); });
    // Saving changes no text, but "Gem" follows the modified flag.
    connect(&editor, &QsciScintilla::modificationChanged, this, [this, &editor] { editorChanged(editor); });
    connect(&editor, &TLEdit::OnChangeMode, this, [this, &editor] {
        if (&editor == m_window.ActiveEditor())
            refreshOverwriteLabel();
    });
}

// ----- the editor's state in the window --------------------------------------

void EditingAids::showEditorState()
{
    TLEdit *editor = m_window.ActiveEditor();
    m_window.command(QStringLiteral("actTekstombrydning"))->setChecked(editor->WordWrap());
    m_window.command(QStringLiteral("actSkrivebeskyttet"))->setChecked(editor->IsReadOnly());
    refreshOverwriteLabel();
    refreshBookmarkButtons();
    editorChanged(*editor);
}

void EditingAids::editorChanged(TLEdit &editor)
{
    if (&editor != m_window.ActiveEditor())
        return;
    m_window.command(QStringLiteral("actGem"))->setEnabled(editor.IsModified());
    m_window.command(QStringLiteral("actFortryd"))->setEnabled(editor.CanUndo());
    m_window.command(QStringLiteral("actAnnullerFortryd"))->setEnabled(editor.CanRedo());
    TFriendlyStatusBar *status = m_window.statusPanels();
    status->setPanelText(1, QStringLiteral("%1 %2").arg(editor.GetTextLength()).arg(QStringLiteral("tegn")));
    const TextPos caret = editor.GetSelection().caret();
    status->setPanelText(2, QStringLiteral("%1 : %2").arg(caret.line).arg(caret.column + 1));
}

void EditingAids::refreshOverwriteLabel()
{
    m_window.statusPanels()->overwriteLabel()->setEnabled(m_window.ActiveEditor()->InsertMode() == TLEdit::limOverwrite);
}

// ----- commands ----------------------------------------------------------------

void EditingAids::undo()
{
    // The empty text before a file was loaded is no state to go back to.
    TLEdit *editor = m_window.ActiveEditor();
    editor->Undo();
    if (editor->GetTextLength() == 0)
        editor->Undo();
}

void EditingAids::redo()
{
    TLEdit *editor = m_window.ActiveEditor();
    editor->Redo();
    if (editor->GetTextLength() == 0)
        editor->Redo();
}

void EditingAids::goToLine()
{
    const std::optional<QString> answer = m_prompter.inputText(QStringLiteral("Gå til linie"), QStringLiteral("Linienummer:"), QString());
    if (!answer)
        return;
    bool number = false;
    const int line = answer->trimmed().toInt(&number);
    if (number)
        m_window.ActiveEditor()->SetSelection(SelectionRecord::at({line, 0}));
}

void EditingAids::toggleReadOnly()
{
    TLEdit *editor = m_window.ActiveEditor();
    editor->SetReadOnly(!editor->IsReadOnly());
    m_window.command(QStringLiteral("actSkrivebeskyttet"))->setChecked(editor->IsReadOnly());
    editorChanged(*editor); // nothing is undone in a read-only text
}

void EditingAids::toggleWordWrap()
{
    TLEdit *editor = m_window.ActiveEditor();
    editor->SetWordWrap(!editor->WordWrap());
    editor->SetScrollBars(editor->WordWrap() ? TLEdit::lsbVertical : TLEdit::lsbBoth);
    m_window.command(QStringLiteral("actTekstombrydning"))->setChecked(editor->WordWrap());
    m_window.documents()->gutter()->update();
}

// ----- bookmarks -------------------------------------------------------------------

void EditingAids::buildBookmarkButtons()
{
    QToolBar *toolBar = m_window.documents()->editorToolBar();
    auto *first = toolBar->findChild<QAction *>(QStringLiteral("btnGaaTilBogmaerke1"));
    m_bookmarkMenu = new QMenu(toolBar);
    m_bookmarkMenu->setObjectName(QStringLiteral("popBogmaerker"));
    for (int slot = 1; slot <= EditorBookmarks::Count; ++slot) {
        m_bookmarkMenu->addAction(QString::number(slot), this, [this, slot] { goToBookmark(slot); });
        if (auto *button = toolBar->findChild<QAction *>(QStringLiteral("btnGaaTilBogmaerke%1").arg(slot)))
            connect(button, &QAction::triggered, this, [this, slot] { goToBookmark(slot); });
    }
    connect(m_bookmarkMenu, &QMenu::aboutToShow, this, &EditingAids::refreshBookmarkMenu);
    auto *dropDown = new QAction(QStringLiteral("Gå til bogmærke..."), toolBar);
    dropDown->setObjectName(QStringLiteral("btnGaaTilBogmaerker"));
    dropDown->setToolTip(QStringLiteral("Gå til bogmærke..."));
    dropDown->setMenu(m_bookmarkMenu);
    connect(dropDown, &QAction::triggered, this, [this] {
        if (const int slot = EditorBookmarks::firstSet(*m_window.ActiveEditor()))
            goToBookmark(slot);
    });
    toolBar->insertAction(first, dropDown);
    if (auto *button = qobject_cast<QToolButton *>(toolBar->widgetForAction(dropDown)))
        button->setPopupMode(QToolButton::MenuButtonPopup);
}

void EditingAids::refreshBookmarkButtons()
{
    const TLEdit &editor = *m_window.ActiveEditor();
    QToolBar *toolBar = m_window.documents()->editorToolBar();
    for (int slot = 1; slot <= EditorBookmarks::Count; ++slot) {
        if (auto *button = toolBar->findChild<QAction *>(QStringLiteral("btnGaaTilBogmaerke%1").arg(slot)))
            button->setEnabled(EditorBookmarks::isSet(editor, slot));
    }
}

void EditingAids::refreshBookmarkMenu()
{
    const TLEdit &editor = *m_window.ActiveEditor();
    const QList<QAction *> entries = m_bookmarkMenu->actions();
    for (int slot = 1; slot <= EditorBookmarks::Count; ++slot) {
        const bool set = EditorBookmarks::isSet(editor, slot);
        // A menu takes "&" as an access key and a tab as a column break.
        const QString line = set ? editor.GetLine(editor.GetBookmark(slot)) : QString();
        QString text = EditorBookmarks::entryText(slot, set, line);
        text.replace(QLatin1Char('&'), QStringLiteral("&&")).replace(QLatin1Char('\t'), QLatin1Char(' '));
        entries[slot - 1]->setText(text);
        entries[slot - 1]->setEnabled(set);
    }
}

void EditingAids::setBookmark(int slot)
{
    TLEdit &editor = *m_window.ActiveEditor();
    EditorBookmarks::toggle(editor, slot, editor.GetSelection().anchorLine);
    refreshBookmarkButtons();
}

void EditingAids::goToBookmark(int slot)
{
    EditorBookmarks::goTo(*m_window.ActiveEditor(), slot);
}

void EditingAids::SaveBookmarks()
{
    m_savedBookmarks = EditorBookmarks::lines(*m_window.ActiveEditor());
}

void EditingAids::RestoreBookmarks()
{
    EditorBookmarks::restore(*m_window.ActiveEditor(), m_savedBookmarks);
    refreshBookmarkButtons();
}

// ----- the mouse -------------------------------------------------------------------

void EditingAids::CaretToPoint(int x, int y)
{
    TLEdit *editor = m_window.ActiveEditor();
    // The nearest place: a point past a line's end or below the text still
    // puts the caret on the text.
    if (const std::optional<TextPos> place = editor->PositionFromPoint(x, y, 1))
        editor->SetSelection(SelectionRecord::at(*place));
    editor->setFocus();
}

void EditingAids::contextMenuAt(const QPoint &viewportPoint)
{
    TLEdit *editor = m_window.ActiveEditor();
    if (editor->GetSelection().isEmpty())
        CaretToPoint(viewportPoint.x(), viewportPoint.y());
    QMenu *menu = nullptr;
    if (!editor->GetSelection().isEmpty())
        menu = m_window.selectionContextMenu();
    else if (!editor->GetWordAtCaret())
        menu = m_window.documentContextMenu(false);
    if (menu) {
        menu->setAttribute(Qt::WA_DeleteOnClose);
        menu->popup(editor->viewport()->mapToGlobal(viewportPoint));
        return;
    }
    // A word at the caret: the element around it is edited.
    if (m_window.hooks().editElementAtCaret)
        m_window.hooks().editElementAtCaret(*editor);
    else
        m_prompter.message({Product::Caption, QStringLiteral("%1 kan ikke automatisk redigere denne HTML-kode.").arg(Product::Name),
                            Prompter::Icon::Information, Prompter::Ok});
}

void EditingAids::contextMenuFromKeyboard()
{
    contextMenuAt(QPoint(0, 0));
}

void EditingAids::selectWordAtCaret(TLEdit &editor)
{
    // A word here runs to the next blank or markup character, so that a
    // double-click takes a whole address or value.
    editor.SetCurrentWordAsText(true);
    const std::optional<WordPlace> word = editor.GetWordAtCaret();
    editor.SetCurrentWordAsText(false);
    if (word) {
        const int length = static_cast<int>(TextCharacters::characterCount(word->word));
        editor.SetSelection(SelectionRecord::between({word->line, word->column}, {word->line, word->column + length}));
    }
}

bool EditingAids::scrollByWheel(TLEdit &editor, QWheelEvent *wheel)
{
    if (!editor.hasFocus() || wheel->angleDelta().y() == 0)
        return false;
    m_wheelRest += wheel->angleDelta().y();
    const int notches = m_wheelRest / WheelNotch;
    m_wheelRest -= notches * WheelNotch;
    // A forward turn shows earlier lines; the caret stays where it is.
    editor.SendScintilla(QsciScintillaBase::SCI_LINESCROLL, 0UL, static_cast<long>(-notches * WheelLinesPerNotch));
    return true;
}

TLEdit *EditingAids::editorOf(QObject *watched) const
{
    if (auto *editor = qobject_cast<TLEdit *>(watched))
        return editor;
    if (watched && watched->parent())
        return qobject_cast<TLEdit *>(watched->parent());
    return nullptr;
}

bool EditingAids::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_window.documents()->gutter()) {
        auto *gutter = m_window.documents()->gutter();
        if (event->type() == QEvent::MouseButtonRelease && gutter->pressedLine() > 0) {
            TLEdit &editor = *m_window.ActiveEditor();
            const int line = gutter->pressedLine();
            editor.SetSelection(SelectionRecord::at({line, 0}));
            editor.setFocus();
            EditorBookmarks::toggleFromGutter(editor, line);
            refreshBookmarkButtons();
        }
        return false;
    }
    TLEdit *editor = editorOf(watched);
    if (!editor)
        return false;
    if (watched == editor) {
        // The keyboard's menu key and Shift+F10 reach the editor itself.
        if (event->type() == QEvent::ContextMenu) {
            if (static_cast<QContextMenuEvent *>(event)->reason() == QContextMenuEvent::Keyboard)
                contextMenuFromKeyboard();
            return true;
        }
        return false;
    }
    switch (event->type()) {
    case QEvent::ContextMenu:
        return true; // the right button's release decides
    case QEvent::MouseButtonPress:
        if (static_cast<QMouseEvent *>(event)->button() == Qt::RightButton)
            return true;
        m_window.StatusbarOpdater(m_window.documents()->pathAt(m_window.documents()->currentIndex()));
        return m_drops->handle(*editor, event);
    case QEvent::MouseButtonRelease:
        if (static_cast<QMouseEvent *>(event)->button() == Qt::RightButton) {
            contextMenuAt(static_cast<QMouseEvent *>(event)->position().toPoint());
            return true;
        }
        return m_drops->handle(*editor, event);
    case QEvent::MouseButtonDblClick:
        if (static_cast<QMouseEvent *>(event)->button() != Qt::LeftButton)
            return false;
        CaretToPoint(static_cast<QMouseEvent *>(event)->position().toPoint().x(),
                     static_cast<QMouseEvent *>(event)->position().toPoint().y());
        selectWordAtCaret(*editor);
        return true;
    case QEvent::Wheel:
        return scrollByWheel(*editor, static_cast<QWheelEvent *>(event));
    default:
        return m_drops->handle(*editor, event);
    }
}
