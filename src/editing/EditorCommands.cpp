#include "editing/EditorCommands.h"

#include "core/Prompter.h"
#include "documents/DocumentArea.h"
#include "documents/DocumentCommands.h"
#include "documents/DocumentList.h"
#include "editing/BookmarkBar.h"
#include "editing/CaretPlacement.h"
#include "editing/DocumentDrops.h"
#include "editing/EditorContextMenu.h"
#include "editing/EditorStatus.h"
#include "editing/WheelScrolling.h"
#include "editor/TLEdit.h"
#include "editor/TLEditLines.h"
#include "html/MarkupWriting.h"
#include "workbench/CommandRegistry.h"
#include "workbench/TFriendlyStatusBar.h"
#include "workbench/Workbench.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMouseEvent>

namespace {

// A dropped file as its path relative to the document, with slashes.
QString relativeReference(const QString &documentPath, const QString &file)
{
    if (documentPath.isEmpty())
        return QDir::fromNativeSeparators(file);
    return QDir(QFileInfo(documentPath).absolutePath()).relativeFilePath(file);
}

} // namespace

EditorCommands::EditorCommands(Workbench &workbench)
    : QObject(&workbench.window())
    , m_workbench(workbench)
    , m_bookmarks(new BookmarkBar(workbench))
    , m_contextMenu(new EditorContextMenu(workbench))
    , m_status(new EditorStatus(workbench))
    , m_wheel(std::make_unique<WheelScrolling>())
{
    m_drops = new DocumentDrops(
        [this](TLEdit &editor, const QPoint &at) {
            if (&editor == &m_workbench.activeEditor())
                CaretToPoint(at.x(), at.y());
        },
        [this](TLEdit &editor, const QString &path) { insertReference(editor, path); }, this);
    attachCommands();
    connect(&workbench.documentArea(), &DocumentArea::editorAdded, this, &EditorCommands::watch);
    connect(&workbench.documents(), &DocumentList::activeShown, this, &EditorCommands::showEditorState);
}

EditorCommands::~EditorCommands() = default;

void EditorCommands::attachCommands()
{
    CommandRegistry &commands = m_workbench.commands();
    commands.handle(QStringLiteral("actKlip"), [this] { m_workbench.activeEditor().CutToClipboard(); });
    commands.handle(QStringLiteral("actKopier"), [this] { m_workbench.activeEditor().CopyToClipboard(); });
    commands.handle(QStringLiteral("actSaetInd"), [this] { m_workbench.activeEditor().PasteFromClipboard(); });
    commands.handle(QStringLiteral("actSlet"), [this] { m_workbench.activeEditor().DeleteSelection(); });
    commands.handle(QStringLiteral("actMarkerAlt"), [this] {
        // A list of several-at-once entries, such as the file list, takes it while it has the focus.
        auto *list = qobject_cast<QAbstractItemView *>(QApplication::focusWidget());
        if (list && list->selectionMode() == QAbstractItemView::ExtendedSelection)
            list->selectAll();
        else
            m_workbench.activeEditor().SelectAll();
    });
    const auto selected = [this] { return !m_workbench.activeEditor().GetSelection().isEmpty(); };
    for (const char *id : {"actKlip", "actKopier", "actSlet"})
        commands.enableWhile(QString::fromLatin1(id), CommandCause::Selection, selected);
    commands.enableWhile(QStringLiteral("actSaetInd"), CommandCause::Clipboard,
                         [] { return !QApplication::clipboard()->text().isEmpty(); });

    commands.handle(QStringLiteral("actFortryd"), [this] { undo(); });
    commands.handle(QStringLiteral("actAnnullerFortryd"), [this] { redo(); });
    commands.handle(QStringLiteral("actTekstombrydning"), [this] { toggleWordWrap(); });
    commands.handle(QStringLiteral("actSkrivebeskyttet"), [this] { toggleReadOnly(); });
    commands.handle(QStringLiteral("actGaaTilLinie"), [this] { goToLine(); });
    commands.checkWhile(QStringLiteral("actTekstombrydning"), CommandCause::View,
                        [this] { return m_workbench.activeEditor().WordWrap(); });
    commands.checkWhile(QStringLiteral("actSkrivebeskyttet"), CommandCause::ReadOnly,
                        [this] { return m_workbench.activeEditor().IsReadOnly(); });
}

void EditorCommands::watch(TLEdit &editor)
{
    EditorBookmarks::prepare(editor);
    editor.setAcceptDrops(true);
    // The mouse over the selection shows that it can be dragged.
    editor.viewport()->setMouseTracking(true);
    editor.viewport()->installEventFilter(this);
    editor.installEventFilter(this);
    m_status->watch(editor);
}

void EditorCommands::insertReference(TLEdit &editor, const QString &path)
{
    if (m_insertReference)
        m_insertReference(editor, path);
    else
        InsertAtCaret(editor, relativeReference(m_workbench.documents().active().path, path));
}

// ----- the editor's state in the window --------------------------------------

void EditorCommands::showEditorState()
{
    CommandRegistry &commands = m_workbench.commands();
    commands.refresh(CommandCause::View);
    commands.refresh(CommandCause::ReadOnly);
    m_status->show();
    m_bookmarks->refreshButtons();
}

// ----- commands ----------------------------------------------------------------

void EditorCommands::undo()
{
    // The empty text before a file was loaded is no state to go back to.
    TLEdit &editor = m_workbench.activeEditor();
    editor.Undo();
    if (editor.GetTextLength() == 0)
        editor.Undo();
}

void EditorCommands::redo()
{
    TLEdit &editor = m_workbench.activeEditor();
    editor.Redo();
    if (editor.GetTextLength() == 0)
        editor.Redo();
}

void EditorCommands::goToLine()
{
    const std::optional<QString> answer = m_workbench.prompter().inputText(QStringLiteral("Gå til linie"),
                                                                           QStringLiteral("Linienummer:"), QString());
    if (!answer)
        return;
    bool number = false;
    const int line = answer->trimmed().toInt(&number);
    if (number)
        m_workbench.activeEditor().SetSelection(SelectionRecord::at({line, 0}));
}

void EditorCommands::toggleReadOnly()
{
    TLEdit &editor = m_workbench.activeEditor();
    editor.SetReadOnly(!editor.IsReadOnly());
    m_workbench.commands().refresh(CommandCause::ReadOnly);
    m_status->editorChanged(editor); // nothing is undone in a read-only text
}

void EditorCommands::toggleWordWrap()
{
    TLEdit &editor = m_workbench.activeEditor();
    editor.SetWordWrap(!editor.WordWrap());
    editor.SetScrollBars(editor.WordWrap() ? TLEdit::lsbVertical : TLEdit::lsbBoth);
    m_workbench.commands().refresh(CommandCause::View);
    m_workbench.documentArea().gutter()->update();
}

void EditorCommands::CaretToPoint(int x, int y)
{
    ::CaretToPoint(m_workbench.activeEditor(), x, y);
}

// ----- the mouse -------------------------------------------------------------------

TLEdit *EditorCommands::editorOf(QObject *watched) const
{
    if (auto *editor = qobject_cast<TLEdit *>(watched))
        return editor;
    if (watched && watched->parent())
        return qobject_cast<TLEdit *>(watched->parent());
    return nullptr;
}

bool EditorCommands::eventFilter(QObject *watched, QEvent *event)
{
    TLEdit *editor = editorOf(watched);
    if (!editor)
        return false;
    if (watched == editor) {
        // A key that is a command's shortcut is the command's, though the
        // editor would take it too (Shift+Enter would replace the selection).
        if (event->type() == QEvent::ShortcutOverride
            && m_workbench.commands().takesShortcut(QKeySequence(static_cast<QKeyEvent *>(event)->keyCombination()))) {
            event->ignore();
            return true;
        }
        // The keyboard's menu key and Shift+F10 reach the editor itself.
        if (event->type() == QEvent::ContextMenu) {
            if (static_cast<QContextMenuEvent *>(event)->reason() == QContextMenuEvent::Keyboard)
                m_contextMenu->contextMenuFromKeyboard();
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
        showDocumentStatus(m_workbench.status(), m_workbench.documents().active().path);
        return m_drops->handle(*editor, event);
    case QEvent::MouseButtonRelease: {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::RightButton) {
            m_contextMenu->contextMenuAt(mouse->position().toPoint());
            return true;
        }
        return m_drops->handle(*editor, event);
    }
    case QEvent::MouseButtonDblClick: {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() != Qt::LeftButton)
            return false;
        CaretToPoint(mouse->position().toPoint().x(), mouse->position().toPoint().y());
        selectWordAtCaret(*editor);
        return true;
    }
    case QEvent::Wheel:
        return m_wheel->scroll(*editor, static_cast<const QWheelEvent &>(*event));
    default:
        return m_drops->handle(*editor, event);
    }
}
