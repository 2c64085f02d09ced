#include "preview/server/PreviewServer.h"

#include "preview/server/ContentType.h"
#include "preview/server/ErrorPages.h"
#include "preview/server/HttpEndpoint.h"
#include "preview/server/OwnHost.h"
#include "preview/server/ReloadScript.h"
#include "preview/server/ServedFile.h"

#include <QDir>
#include <QFileInfo>
#include <QHttpServerRequest>
#include <QHttpServerResponder>
#include <QWebSocket>

#include <utility>

namespace {

using Status = QHttpServerResponder::StatusCode;

// Every answer is fresh: a preview must show the text as it is now. The
// body goes to the socket as the shared array it is: the responder's own body
// writing copies it, which made a 2 MB picture more than ten times slower.
void writePage(QHttpServerResponder &responder, const QByteArray &body, const QByteArray &contentType, Status status,
               const QByteArray &extraName = {}, const QByteArray &extraValue = {})
{
    responder.writeStatusLine(status);
    responder.writeHeaders(
        {{"Content-Type", contentType}, {"Cache-Control", "no-store"}, {"Content-Length", QByteArray::number(body.size())}});
    if (!extraName.isEmpty())
        responder.writeHeader(extraName, extraValue);
    responder.writeBody(QByteArray()); // ends the headers
    responder.socket()->write(body);
}

void writeDanishPage(QHttpServerResponder &responder, const QByteArray &body, Status status)
{
    writePage(responder, body, "text/html; charset=utf-8", status);
}

} // namespace

PreviewServer::PreviewServer(OpenDocumentText openDocumentText, QObject *parent)
    : QObject(parent)
    , m_openDocumentText(std::move(openDocumentText))
{
}

PreviewServer::~PreviewServer()
{
    // A listener closing as it goes must not reach back into this half-gone server.
    for (QWebSocket *listener : std::exchange(m_reloadListeners, {})) {
        listener->disconnect(this);
        delete listener;
    }
}

void PreviewServer::setRoot(const QString &folder)
{
    m_root = QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
}

bool PreviewServer::start()
{
    if (isListening())
        return true;
    auto endpoint = std::make_unique<HttpEndpoint>(
        [this](const QHttpServerRequest &request, QHttpServerResponder &responder) { answer(request, responder); });
    const quint16 port = endpoint->listen(QHostAddress::LocalHost, 0);
    if (port == 0)
        return false;
    connect(endpoint.get(), &HttpEndpoint::newWebSocketConnection, this, &PreviewServer::acceptReloadListeners);
    m_endpoint = std::move(endpoint);
    m_port = port;
    return true;
}

std::optional<QUrl> PreviewServer::addressOf(const QString &filePath)
{
    const QString relative = QDir(m_root).relativeFilePath(QDir::cleanPath(QFileInfo(filePath).absoluteFilePath()));
    if (m_root.isEmpty() || relative.startsWith(QStringLiteral("..")) || QDir::isAbsolutePath(relative) || !start())
        return std::nullopt;
    QByteArray path;
    for (const QString &step : relative.split(u'/'))
        path += '/' + QUrl::toPercentEncoding(step);
    return QUrl::fromEncoded("http://127.0.0.1:" + QByteArray::number(m_port) + path);
}

void PreviewServer::announceReload()
{
    for (QWebSocket *listener : std::as_const(m_reloadListeners))
        listener->sendTextMessage(QStringLiteral("reload"));
}

void PreviewServer::answer(const QHttpServerRequest &request, QHttpServerResponder &responder)
{
    const QByteArray encodedPath = request.url().path(QUrl::FullyEncoded).toUtf8();
    if (!isOwnHost(request.value("Host"), m_port))
        return writeDanishPage(responder, forbiddenPage(), Status::Forbidden);
    if (request.method() != QHttpServerRequest::Method::Get) {
        writePage(responder, methodNotAllowedPage(), "text/html; charset=utf-8", Status::MethodNotAllowed, "Allow", "GET");
        return;
    }
    const ServedFile served = locateServedFile(m_root, encodedPath);
    switch (served.kind) {
    case ServedFile::Kind::Forbidden:
        return writeDanishPage(responder, forbiddenPage(), Status::Forbidden);
    case ServedFile::Kind::FolderWithoutSlash:
        // Relative links of the folder's page resolve only below the "/".
        writePage(responder, {}, "text/html; charset=utf-8", Status::MovedPermanently, "Location", encodedPath + '/');
        return;
    case ServedFile::Kind::File:
        break;
    }
    QByteArray contentType = contentTypeOf(served.path);
    QByteArray body;
    if (const std::optional<QString> text = m_openDocumentText(served.path)) {
        body = text->toUtf8();
        if (contentType.startsWith("text/") || isWebPage(contentType))
            contentType += "; charset=utf-8";
    } else if (std::optional<QByteArray> bytes = m_files.read(served.path)) {
        body = std::move(*bytes);
    } else {
        return writeDanishPage(responder, notFoundPage(encodedPath), Status::NotFound);
    }
    if (isWebPage(contentType))
        body = withReloadScript(body);
    writePage(responder, body, contentType, Status::Ok);
}

void PreviewServer::acceptReloadListeners()
{
    while (m_endpoint->hasPendingWebSocketConnections()) {
        QWebSocket *listener = m_endpoint->nextPendingWebSocketConnection().release();
        const QUrl address = listener->requestUrl();
        const QByteArray host = address.host().toUtf8() + ':' + QByteArray::number(address.port());
        if (!isOwnHost(host, m_port) || address.path() != QLatin1String(ReloadSocketPath)) {
            listener->abort();
            listener->deleteLater();
            continue;
        }
        m_reloadListeners.append(listener);
        connect(listener, &QWebSocket::disconnected, this, [this, listener] {
            m_reloadListeners.removeOne(listener);
            listener->deleteLater();
        });
    }
}
