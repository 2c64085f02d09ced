#include "preview/server/HttpEndpoint.h"

#include <QHttpServerRequest>
#include <QHttpServerResponder>
#include <QTcpSocket>

HttpEndpoint::HttpEndpoint(Handler handler, QObject *parent)
    : QAbstractHttpServer(parent)
    , m_handler(std::move(handler))
{
}

bool HttpEndpoint::handleRequest(const QHttpServerRequest &request, QTcpSocket *socket)
{
    // A WebSocket handshake taken without an answer is upgraded by the base
    // class and offered as a new WebSocket connection.
    if (request.value("Upgrade").compare("websocket", Qt::CaseInsensitive) == 0)
        return true;
    // Without this the end of a large answer waits for the client's delayed
    // acknowledgement on a kept-alive connection.
    socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    QHttpServerResponder responder = makeResponder(request, socket);
    m_handler(request, responder);
    return true;
}

void HttpEndpoint::missingHandler(const QHttpServerRequest &, QTcpSocket *)
{
    // handleRequest takes every request.
}
