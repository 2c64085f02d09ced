#pragma once

#include "preview/server/FileCache.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QUrl>

#include <functional>
#include <memory>
#include <optional>

class HttpEndpoint;
class QHttpServerRequest;
class QHttpServerResponder;
class QWebSocket;

// A small web server inside the program for previews: it serves one folder
// (the active document's, or a project's root) to this computer alone, so
// that absolute site paths, fetch calls and script modules work as on a web
// server. A page open in the editor is served from the editor's current text,
// and every served page reloads itself when announceReload() is called.
class PreviewServer final : public QObject
{
    Q_OBJECT
public:
    // The current text of the open document at this path (a clean absolute
    // path below the root), or nothing when no open document has that path.
    using OpenDocumentText = std::function<std::optional<QString>(const QString &filePath)>;

    explicit PreviewServer(OpenDocumentText openDocumentText, QObject *parent = nullptr);
    ~PreviewServer() override;

    void setRoot(const QString &folder);
    QString root() const { return m_root; }

    // Listens on a free port of 127.0.0.1 the first time; false when that fails.
    bool start();
    bool isListening() const { return m_port != 0; }
    quint16 port() const { return m_port; }

    // The server's address of a file below the root, starting the server when
    // needed; nothing for a file outside the root or when the server cannot start.
    std::optional<QUrl> addressOf(const QString &filePath);

    // How many served pages are listening for the reload notice.
    qsizetype reloadListenerCount() const { return m_reloadListeners.size(); }

public slots:
    void announceReload();

private:
    void answer(const QHttpServerRequest &request, QHttpServerResponder &responder);
    void acceptReloadListeners();

    OpenDocumentText m_openDocumentText;
    QString m_root;
    quint16 m_port = 0;
    FileCache m_files;
    std::unique_ptr<HttpEndpoint> m_endpoint;
    QList<QWebSocket *> m_reloadListeners;
};
