#include "dialogs/ElementAtCaretCommands.h"

#include "core/OptionsModel.h"
#include "core/ProductTexts.h"
#include "core/Prompter.h"
#include "dialogs/element/DialogKinds.h"
#include "dialogs/element/ElementDialogCommands.h"
#include "dialogs/element/ElementLocator.h"
#include "dialogs/element/ElementReading.h"
#include "dialogs/element/ScriptElements.h"
#include "editor/TLEdit.h"
#include "html/HeadPlacement.h"
#include "html/MarkupWriting.h"
#include "resources/ElementEvents.h"
#include "resources/LibraryLists.h"
#include "workbench/CommandRegistry.h"
#include "workbench/Workbench.h"

#include <QAction>
#include <QApplication>
#include <QWidget>

namespace {

// The form dialog stays open beside the window while the user inserts
// controls; an element edited meanwhile would be written into its fields.
bool formDialogOpen()
{
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window->objectName() == QLatin1String("frmFormular") && window->isVisible())
            return true;
    }
    return false;
}

} // namespace

ElementAtCaretCommands::ElementAtCaretCommands(const Services &services)
    : QObject(&services.workbench.window())
    , m_services(services)
{
    CommandRegistry &commands = services.workbench.commands();
    commands.handle(QStringLiteral("actRedigerElement"), [this] { EditElementAtCaret(); });
    commands.handle(QStringLiteral("actTitel"), [this] {
        editFirstOr(QStringLiteral("title"), [this] { m_services.elementDialogs.open(DialogKind::Title); });
    });
    commands.handle(QStringLiteral("actRedigerTypografiregler"),
                    [this] { editFirstOr(QStringLiteral("style"), [this] { editScriptOrStyle(true, nullptr); }); });
    commands.handle(QStringLiteral("actRedigerSkript"),
                    [this] { editFirstOr(QStringLiteral("script"), [this] { editScriptOrStyle(false, nullptr); }); });
}

void ElementAtCaretCommands::EditElementAtCaret()
{
    Workbench &workbench = m_services.workbench;
    if (formDialogOpen()) {
        workbench.prompter().message({Product::Caption, QStringLiteral("Luk formular-dialogboksen, før du redigerer."),
                                      Prompter::Icon::Warning, Prompter::Ok});
        return;
    }
    TLEdit &editor = workbench.activeEditor();
    const TextPos caret = editor.GetSelection().caret();
    std::optional<LocatedElement> element = locateElementAt(editor, caret);
    if (!element) {
        cannotEdit();
        return;
    }
    // An area is edited as part of its map.
    if (ElementTable::entry(element->index).editor == ElementEditor::EnclosingMap) {
        const std::optional<TextPos> map = enclosingMapStart(editor, element->start);
        if (!map)
            return;
        element = locateElementAt(editor, {map->line, map->column + 1});
        if (!element)
            return;
    }
    editLocated(editor, *element);
    editor.SetSelection(SelectionRecord::at({element->start.line, caret.column}));
}

void ElementAtCaretCommands::editLocated(TLEdit &editor, const LocatedElement &element)
{
    // The dialog's output goes in place of the selection: the element, with
    // its content and end tag when it has them.
    editor.SetSelection(SelectionRecord::between(element.start, element.end));
    EditElementText(element.tag, element.content, element.index);
}

void ElementAtCaretCommands::EditElementText(const QString &tag, const QString &content, int index)
{
    Workbench &workbench = m_services.workbench;
    const ElementTableEntry &entry = ElementTable::entry(index);
    if (entry.editor == ElementEditor::None) {
        cannotEdit();
        return;
    }
    const QStringList events = ElementEvents(entry.name, m_services.lists.EventGroups, m_services.lists.EventMap);
    ElementReading reading = prepareElementEdit(index, tag, content, events, workbench.options().options().keepUnknownAttributes);
    switch (entry.editor) {
    case ElementEditor::ElementDialog:
        m_services.elementDialogs.edit() = reading.edit;
        m_services.elementDialogs.open(dialogKindFor(index, reading.edit));
        return;
    case ElementEditor::FontDialog: {
        const ElementEdit &edit = reading.edit;
        const QString kept = FormatCommonAttributes(edit.CommonValues.className, edit.CommonValues.id, edit.CommonValues.style)
            + FormatEventAttributes(edit.eventRows(events));
        if (const std::optional<QString> font = m_services.fontEditor(edit.slot(1), edit.slot(2), edit.slot(3), kept,
                                                                      edit.PreservedRemainder))
            InsertAtCaret(workbench.activeEditor(), *font);
        return;
    }
    case ElementEditor::ScriptEditor:
    case ElementEditor::StylesheetEditor:
        editScriptOrStyle(entry.editor == ElementEditor::StylesheetEditor, &reading);
        return;
    case ElementEditor::MetaDialog:
        if (!runCommand("actMetaInformation"))
            cannotEdit();
        return;
    case ElementEditor::ResourceFiles:
        if (!runCommand("actEksterneResursefiler"))
            cannotEdit();
        return;
    default:
        // The frames, table, form and image map dialogs are still to come.
        cannotEdit();
        return;
    }
}

void ElementAtCaretCommands::editScriptOrStyle(bool style, const ElementReading *reading)
{
    Workbench &workbench = m_services.workbench;
    const QString caption = style ? QStringLiteral("Typografiarkeditor") : QStringLiteral("Skripteditor");
    const QString content = reading ? contentForEditing(reading->edit.slot(ElementEdit::ContentSlot)) : QString();
    const std::optional<QString> edited = m_services.textEditor(caption, content);
    if (!edited)
        return;
    const ElementEdit noElement;
    const ElementEdit &edit = reading ? reading->edit : noElement;
    const QString markup = style ? styleElementText(edit, *edited) : scriptElementText(edit, *edited);
    TLEdit &editor = workbench.activeEditor();
    if (editor.IsReadOnly())
        return;
    if (reading) {
        InsertAtCaret(editor, markup);
        return;
    }
    // A new stylesheet belongs in the head.
    if (style && !PositionInHead(editor, QStringLiteral("style"), true, workbench.prompter(), Product::Caption))
        return;
    InsertAtCaret(editor, markup + QStringLiteral("\r\n"));
}

bool ElementAtCaretCommands::EditFirstElement(const QString &name)
{
    TLEdit &editor = m_services.workbench.activeEditor();
    const std::optional<TextPos> found = firstStartTagOutsideScripts(editor, name);
    if (!found) {
        editor.SetSelection(SelectionRecord::at({1, 0}));
        return false;
    }
    editor.SetSelection(SelectionRecord::at(*found));
    EditElementAtCaret();
    return true;
}

void ElementAtCaretCommands::editFirstOr(const QString &name, const std::function<void()> &fallback)
{
    TLEdit &editor = m_services.workbench.activeEditor();
    const SelectionRecord selection = editor.GetSelection();
    const int firstLine = editor.firstShownLine();
    if (!EditFirstElement(name))
        fallback();
    editor.SetSelection(selection);
    editor.setFirstShownLine(firstLine);
}

void ElementAtCaretCommands::cannotEdit()
{
    m_services.workbench.prompter().message(
        {Product::Caption, QStringLiteral("%1 kan ikke automatisk redigere denne HTML-kode.").arg(Product::Name),
         Prompter::Icon::Information, Prompter::Ok});
}

bool ElementAtCaretCommands::runCommand(const char *id)
{
    QAction *command = m_services.workbench.commands().command(QString::fromLatin1(id));
    if (!command || !command->isEnabled())
        return false;
    command->trigger();
    return true;
}
