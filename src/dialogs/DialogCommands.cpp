#include "dialogs/DialogCommands.h"

#include "core/OptionsModel.h"
#include "core/Prompter.h"
#include "dialogs/ElementAtCaretCommands.h"
#include "dialogs/PlainTextEditor.h"
#include "dialogs/colour/ColourChoosers.h"
#include "dialogs/colour/FontElement.h"
#include "dialogs/colour/TfrmSkrift.h"
#include "dialogs/element/ElementDialogCommands.h"
#include "dialogs/element/HelperDialogs.h"
#include "dialogs/settings/TfrmIndstil.h"
#include "editor/TLEdit.h"
#include "html/MarkupWriting.h"
#include "resources/LibraryIndex.h"
#include "workbench/CommandRegistry.h"
#include "workbench/Workbench.h"

#include <QAction>

DialogCommands::DialogCommands(Workbench &workbench, LibraryFiles &library, const LibraryLists &lists,
                               TfrmIndstil &settingsDialog)
    : QObject(&workbench.window())
    , m_workbench(workbench)
    , m_library(library)
    , m_elementDialogs(
          new ElementDialogCommands({workbench, lists, [this](int key) { return m_library.HelpText(key); },
                                     [this](const QString &caption, const QString &text) { return editText(caption, text); }}))
    , m_elementAtCaret(
          new ElementAtCaretCommands({workbench, lists, *m_elementDialogs,
                                      [this](const QString &face, const QString &colour, const QString &size, const QString &kept,
                                             const QString &remainder) { return editFont(face, colour, size, kept, remainder); },
                                      [this](const QString &caption, const QString &text) { return editText(caption, text); }}))
{
    settingsDialog.setBrowserEditor([this, &settingsDialog](const BrowserEntry &entry) {
        return editBrowserEntry(m_elementDialogs->services(), entry, &settingsDialog);
    });
    CommandRegistry &commands = workbench.commands();
    commands.handle(QStringLiteral("actSkrifttype"), [this] { insertFont(); });
    commands.handle(QStringLiteral("actSkrifttypeKnap"), [this] { insertFont(); });
    commands.handle(QStringLiteral("actWebfarve"), [this] { insertColour(true); });
    commands.handle(QStringLiteral("actSystemfarve"), [this] { insertColour(false); });
}

std::optional<QString> DialogCommands::editText(const QString &caption, const QString &text)
{
    return editPlainText(m_workbench.prompter(), &m_workbench.window(), caption, text);
}

void DialogCommands::insertFont()
{
    TLEdit &editor = m_workbench.activeEditor();
    const SettingsOptions &options = m_workbench.options().options();
    // A read-only document takes no markup, so its dialog keeps no user colours either.
    const FontDialogContext context{m_workbench.prompter(), editor.IsReadOnly() ? nullptr : &m_workbench.settings(),
                                    options.webFonts, options.webColourDialog,
                                    [this](int key) { return m_library.HelpText(key); }};
    TfrmSkrift dialog(FontDialogMode::FontElement, context, &m_workbench.window());
    if (m_workbench.prompter().runDialog(dialog))
        WrapSelection(editor, dialog.resultText(), QStringLiteral("</font>"));
}

std::optional<QString> DialogCommands::editFont(const QString &face, const QString &colour, const QString &size,
                                                const QString &kept, const QString &remainder)
{
    const SettingsOptions &options = m_workbench.options().options();
    SettingsStore *settings = m_workbench.activeEditor().IsReadOnly() ? nullptr : &m_workbench.settings();
    const FontDialogContext context{m_workbench.prompter(), settings, options.webFonts, options.webColourDialog,
                                    [this](int key) { return m_library.HelpText(key); }};
    TfrmSkrift dialog(FontDialogMode::FontElement, context, &m_workbench.window());
    dialog.editElement(FontFieldsFromElement(face, colour, size, kept, remainder));
    if (!m_workbench.prompter().runDialog(dialog))
        return std::nullopt;
    return dialog.resultText();
}

void DialogCommands::insertColour(bool web)
{
    TLEdit &editor = m_workbench.activeEditor();
    SettingsStore *settings = editor.IsReadOnly() ? nullptr : &m_workbench.settings();
    // The web palette starts on white, the system dialog on black.
    RgbColour colour = web ? RgbColour{} : RgbColour{0, 0, 0};
    const bool chosen = web ? ChooseWebColour(m_workbench.prompter(), settings, colour, &m_workbench.window())
                            : ChooseSystemColour(m_workbench.prompter(), settings, colour);
    if (chosen)
        InsertAtCaret(editor, ColorToHtml(colour));
}
