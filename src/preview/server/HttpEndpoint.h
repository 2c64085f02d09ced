#pragma once

#include <QAbstractHttpServer>

#include <functional>

class QHttpServerRequest;
class QHttpServerResponder;

// The HTTP side of the preview server: every request goes to one handler,
// with no router in between.
class HttpEndpoint final : public QAbstractHttpServer
{
    Q_OBJECT
public:
    using Handler = std::function<void(const QHttpServerRequest &, QHttpServerResponder &)>;
    explicit HttpEndpoint(Handler handler, QObject *parent = nullptr);

protected:
    bool handleRequest(const QHttpServerRequest &request, QTcpSocket *socket) override;
    void missingHandler(const QHttpServerRequest &request, QTcpSocket *socket) override;

private:
    Handler m_handler;
};
