#include "editing/EditorStatus.h"

#include "editor/TLEdit.h"
#include "workbench/CommandRegistry.h"
#include "workbench/TFriendlyStatusBar.h"
#include "workbench/Workbench.h"

#include <QAction>
#include <QEvent>
#include <QLabel>

EditorStatus::EditorStatus(Workbench &workbench)
    : QObject(&workbench.window())
    , m_workbench(workbench)
    , m_statusBar(&workbench.status())
{
    m_statusBar->installEventFilter(this);
}

void EditorStatus::watch(TLEdit &editor)
{
    connect(&editor, &TLEdit::OnChange, this, [this, &editor] { editorChanged(editor); });
    // Saving changes no text, but "Gem" follows the modified flag.
    connect(&editor, &QsciScintilla::modificationChanged, this, [this, &editor] { editorChanged(editor); });
    connect(&editor, &TLEdit::OnChangeMode, this, [this, &editor] {
        if (&editor == &m_workbench.activeEditor())
            refreshOverwriteLabel();
    });
}

void EditorStatus::show()
{
    refreshOverwriteLabel();
    editorChanged(m_workbench.activeEditor());
}

void EditorStatus::editorChanged(TLEdit &editor)
{
    if (&editor != &m_workbench.activeEditor())
        return;
    CommandRegistry &commands = m_workbench.commands();
    // What the menus computed on opening follows the text from then on.
    commands.refresh(CommandCause::Modified);
    commands.require(QStringLiteral("actGem")).setEnabled(editor.IsModified());
    commands.require(QStringLiteral("actFortryd")).setEnabled(editor.CanUndo());
    commands.require(QStringLiteral("actAnnullerFortryd")).setEnabled(editor.CanRedo());
    TFriendlyStatusBar &status = m_workbench.status();
    status.setPanelText(1, QStringLiteral("%1 %2").arg(editor.GetTextLength()).arg(QStringLiteral("tegn")));
    const TextPos caret = editor.GetSelection().caret();
    status.setPanelText(2, QStringLiteral("%1 : %2").arg(caret.line).arg(caret.column + 1));
}

void EditorStatus::refreshOverwriteLabel()
{
    m_workbench.status().overwriteLabel()->setEnabled(m_workbench.activeEditor().InsertMode() == TLEdit::limOverwrite);
}

bool EditorStatus::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_statusBar && event->type() == QEvent::MouseButtonPress) {
        m_statusBar->setPanelText(0,
                                  QStringLiteral("Dokumentet indeholder %1 %2.")
                                      .arg(m_workbench.activeEditor().GetTextLength())
                                      .arg(QStringLiteral("tegn")));
    }
    return false;
}
