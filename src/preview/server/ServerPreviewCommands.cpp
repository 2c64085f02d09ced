#include "preview/server/ServerPreviewCommands.h"

#include "core/ProductTexts.h"
#include "core/Prompter.h"
#include "core/SettingsStore.h"
#include "documents/DocumentArea.h"
#include "documents/DocumentList.h"
#include "editor/EditableText.h"
#include "editor/TLEdit.h"
#include "workbench/CommandRegistry.h"
#include "workbench/Workbench.h"

#include <QAction>
#include <QDesktopServices>
#include <QFileInfo>
#include <QMenu>

namespace {

const QString CommandId = QStringLiteral("actEksternBrowserServer");
const QString WhileTypingId = QStringLiteral("actOpdaterUnderSkrivning");
const QString WhileTypingSection = QStringLiteral("Start");
const QString WhileTypingKey = QStringLiteral("OpdaterUnderSkrivning");
// Long enough that a word is typed whole, short enough to feel live.
constexpr int TypingPauseMs = 600;

// The server's commands go right after the given command in its menus.
void placeAfter(QAction &before, QAction &action)
{
    for (QObject *holder : before.associatedObjects()) {
        auto *menu = qobject_cast<QMenu *>(holder);
        if (!menu)
            continue;
        const QList<QAction *> actions = menu->actions();
        const qsizetype next = actions.indexOf(&before) + 1;
        menu->insertAction(next < actions.size() ? actions[next] : nullptr, &action);
    }
}

} // namespace

ServerPreviewCommands::ServerPreviewCommands(Workbench &workbench)
    : QObject(&workbench.window())
    , m_workbench(workbench)
    , m_server([this](const QString &filePath) { return openDocumentText(filePath); })
{
    CommandRegistry &commands = workbench.commands();
    QAction &action = commands.add(CommandId, QStringLiteral("Vis i ekstern browser via forhåndsvisningsserver"));
    placeAfter(commands.require(QStringLiteral("actEksternBrowser")), action);
    commands.handle(CommandId, [this] { showThroughServer(); });
    connect(&workbench.documents(), &DocumentList::saved, &m_server, &PreviewServer::announceReload);

    QAction &whileTyping = commands.add(WhileTypingId, QStringLiteral("Opdater forhåndsvisningen, mens du skriver"));
    whileTyping.setCheckable(true);
    whileTyping.setChecked(workbench.settings().readBool(WhileTypingSection, WhileTypingKey, false));
    placeAfter(action, whileTyping);
    connect(&whileTyping, &QAction::toggled, this, [this](bool on) {
        m_workbench.settings().writeBool(WhileTypingSection, WhileTypingKey, on);
        if (!on)
            m_typingPause.stop();
    });
    m_typingPause.setSingleShot(true);
    m_typingPause.setInterval(TypingPauseMs);
    connect(&m_typingPause, &QTimer::timeout, &m_server, &PreviewServer::announceReload);
    connect(&workbench.documentArea(), &DocumentArea::editorAdded, this, &ServerPreviewCommands::watchTyping);
}

void ServerPreviewCommands::watchTyping(TLEdit &editor)
{
    // The editor reports changes of its text with its screen updates.
    connect(&editor, &QsciScintillaBase::SCN_UPDATEUI, this, [this](int updated) {
        if ((updated & QsciScintillaBase::SC_UPDATE_CONTENT) && m_workbench.commands().require(WhileTypingId).isChecked())
            m_typingPause.start();
    });
}

void ServerPreviewCommands::showThroughServer()
{
    const QString path = m_workbench.documents().active().path;
    if (path.isEmpty()) {
        m_workbench.prompter().message({Product::Caption,
                                        QStringLiteral("Gem dokumentet, før det kan vises via forhåndsvisningsserveren."),
                                        Prompter::Icon::Information, Prompter::Ok});
        return;
    }
    m_server.setRoot(QFileInfo(path).absolutePath());
    const std::optional<QUrl> address = m_server.addressOf(path);
    if (!address) {
        m_workbench.prompter().message({Product::Caption, QStringLiteral("Forhåndsvisningsserveren kunne ikke startes."),
                                        Prompter::Icon::Stop, Prompter::Ok});
        return;
    }
    if (!QDesktopServices::openUrl(*address)) {
        m_workbench.prompter().message({Product::Caption,
                                        QStringLiteral("Standardbrowseren kunne ikke åbne %1.").arg(address->toString()),
                                        Prompter::Icon::Stop, Prompter::Ok});
    }
}

std::optional<QString> ServerPreviewCommands::openDocumentText(const QString &filePath)
{
    DocumentList &documents = m_workbench.documents();
    const QFileInfo wanted(filePath);
    for (int i = 0; i < documents.count(); ++i) {
        const Document &document = documents.at(i);
        if (!document.path.isEmpty() && QFileInfo(document.path) == wanted)
            return document.text->GetText();
    }
    return std::nullopt;
}
