#include "preview/server/ServerPreviewCommands.h"

#include "core/ProductTexts.h"
#include "core/Prompter.h"
#include "documents/DocumentList.h"
#include "editor/EditableText.h"
#include "workbench/CommandRegistry.h"
#include "workbench/Workbench.h"

#include <QAction>
#include <QDesktopServices>
#include <QFileInfo>
#include <QMenu>

namespace {

const QString CommandId = QStringLiteral("actEksternBrowserServer");

// The command goes right after "Vis side i ekstern browser" in its menus.
void placeAfterExternalPreview(CommandRegistry &commands, QAction &action)
{
    QAction &external = commands.require(QStringLiteral("actEksternBrowser"));
    for (QObject *holder : external.associatedObjects()) {
        auto *menu = qobject_cast<QMenu *>(holder);
        if (!menu)
            continue;
        const QList<QAction *> actions = menu->actions();
        const qsizetype next = actions.indexOf(&external) + 1;
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
    placeAfterExternalPreview(commands, action);
    commands.handle(CommandId, [this] { showThroughServer(); });
    connect(&workbench.documents(), &DocumentList::saved, &m_server, &PreviewServer::announceReload);
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
