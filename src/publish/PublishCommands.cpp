#include "publish/PublishCommands.h"

#include "core/Prompter.h"
#include "documents/DocumentArea.h"
#include "publish/FtpWindowSettings.h"
#include "publish/TfrmFtp.h"
#include "workbench/CommandRegistry.h"
#include "workbench/PublishRequests.h"
#include "workbench/Workbench.h"

#include <QAction>
#include <QFileInfo>

PublishCommands::PublishCommands(Workbench &workbench, PublishServices services)
    : QObject(&workbench.window())
    , m_workbench(workbench)
    , m_services(std::move(services))
{
    setObjectName(QStringLiteral("PublishCommands"));
    workbench.commands().handle(QStringLiteral("actOverfoersel"), [this] { showWindow(); });
    PublishRequests &requests = workbench.publishRequests();
    connect(&requests, &PublishRequests::uploadFiles, this, &PublishCommands::uploadFiles);
    connect(&requests, &PublishRequests::uploadProjectDocument, this, &PublishCommands::uploadProjectDocument);
    connect(&requests, &PublishRequests::uploadProject, this, &PublishCommands::uploadProject);
    connect(&requests, &PublishRequests::downloadInto, this, &PublishCommands::downloadInto);
    requests.setAvailable(true);
}

TfrmFtp *PublishCommands::window() const
{
    return m_window;
}

TfrmFtp &PublishCommands::showWindow()
{
    if (!m_window) {
        DocumentArea &area = m_workbench.documentArea();
        m_window = new TfrmFtp({m_workbench.settings(), m_workbench.prompter(), m_services.userDataFolder(),
                                m_services.localFolder, [&area] { return QRect(area.mapToGlobal(QPoint(0, 0)), area.size()); }},
                               &m_workbench.window());
        PublishRequests &requests = m_workbench.publishRequests();
        connect(m_window, &TfrmFtp::localFilesChanged, &requests, &PublishRequests::localFilesChanged);
        connect(m_window, &TfrmFtp::projectDropped, &requests, &PublishRequests::pickProjectFiles);
        connect(m_window, &TfrmFtp::filesPublished, &requests, &PublishRequests::filesPublished);
        m_window->show();
    } else {
        if (m_window->isMinimized())
            m_window->showNormal();
        m_window->show();
        m_window->enableStartWhenConnected();
    }
    m_window->raise();
    m_window->activateWindow();
    return *m_window;
}

void PublishCommands::uploadFiles(const QStringList &localPaths, const QString &label)
{
    showWindow().queueUpload(localPaths, label);
}

void PublishCommands::uploadProjectDocument(const QString &absolutePath)
{
    const QString name = QFileInfo(absolutePath).fileName();
    SettingsStore &settings = m_workbench.settings();
    const int shown = SingleDocumentNotice::shownCount(settings);
    if (shown <= SingleDocumentNotice::LastShownAt) {
        const Prompter::Button answer = m_workbench.prompter().message(
            {QStringLiteral("Overførsel af %1 til Internet").arg(name),
             QStringLiteral("Når du overfører en enkelt fil fra et projekt, overføres den til den aktive mappe på "
                            "serveren. Ønsker du at fortsætte?\n\nDenne besked vises %1 gang(e) til.")
                 .arg(SingleDocumentNotice::LastShownAt - shown),
             Prompter::Icon::Question, Prompter::Yes | Prompter::No});
        SingleDocumentNotice::countShowing(settings);
        if (answer != Prompter::Yes)
            return;
    }
    uploadFiles({absolutePath}, name);
}

void PublishCommands::uploadProject(const ProjectUpload &upload)
{
    if (!m_window)
        showWindow();
    m_window->queueProject(upload);
}

void PublishCommands::downloadInto(const QString &folder)
{
    if (m_window)
        m_window->downloadSelectedInto(folder);
}
