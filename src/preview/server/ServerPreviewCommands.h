#pragma once

#include "preview/server/PreviewServer.h"

#include <QObject>
#include <QTimer>

class TLEdit;
class Workbench;

// "Vis i ekstern browser via forhåndsvisningsserver": the active document's
// folder served by the preview server and the document shown from there in
// the desktop's default browser. The pages served reload when a document is
// saved, and, with "Opdater forhåndsvisningen, mens du skriver", also when
// typing pauses.
class ServerPreviewCommands : public QObject
{
    Q_OBJECT
public:
    explicit ServerPreviewCommands(Workbench &workbench);

    PreviewServer &server() { return m_server; }

private:
    void showThroughServer();
    std::optional<QString> openDocumentText(const QString &filePath);
    void watchTyping(TLEdit &editor);

    Workbench &m_workbench;
    PreviewServer m_server;
    QTimer m_typingPause;
};
