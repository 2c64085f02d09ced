#pragma once

#include "preview/server/PreviewServer.h"

#include <QObject>

class Workbench;

// "Vis i ekstern browser via forhåndsvisningsserver": the active document's
// folder served by the preview server and the document shown from there in
// the desktop's default browser. The pages served reload when a document is
// saved.
class ServerPreviewCommands : public QObject
{
    Q_OBJECT
public:
    explicit ServerPreviewCommands(Workbench &workbench);

    PreviewServer &server() { return m_server; }

private:
    void showThroughServer();
    std::optional<QString> openDocumentText(const QString &filePath);

    Workbench &m_workbench;
    PreviewServer m_server;
};
