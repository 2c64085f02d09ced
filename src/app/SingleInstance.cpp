#include "app/SingleInstance.h"

#include "app/RuntimeFolder.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QStringDecoder>

#include <stdexcept>

namespace {

constexpr qsizetype MaxMessageBytes = 4 * 1024 * 1024;
constexpr int ConnectTimeoutMs = 2000;
// The running instance may sit in a long operation before it reads the message.
constexpr int HandOverTimeoutMs = 60000;
const QByteArray Acknowledgement = QByteArrayLiteral("ok");

} // namespace

namespace FileListMessage {

QString textFor(const QStringList &paths)
{
    QString text;
    for (QString p : paths) {
        p.replace(QLatin1Char('%'), QLatin1String("%25")).replace(QLatin1Char('?'), QLatin1String("%3F"));
        text += p + QLatin1Char('?');
    }
    return text;
}

QByteArray encode(const QString &text)
{
    return text.toUtf8() + '\0';
}

std::optional<QString> decode(const QByteArray &bytes)
{
    const qsizetype end = bytes.indexOf('\0');
    if (end < 0 || end != bytes.size() - 1)
        return std::nullopt;
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes.left(end));
    if (utf8.hasError())
        return std::nullopt;
    return text;
}

QStringList paths(const QString &text)
{
    QStringList list = text.split(QLatin1Char('?'), Qt::SkipEmptyParts);
    for (QString &p : list)
        p.replace(QLatin1String("%3F"), QLatin1String("?"), Qt::CaseInsensitive)
            .replace(QLatin1String("%25"), QLatin1String("%"));
    return list;
}

} // namespace FileListMessage

SingleInstance::SingleInstance(const QString &settingsPath, QObject *parent)
    : QObject(parent)
    , m_name(serverNameFor(settingsPath))
{
}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::serverNameFor(const QString &settingsPath)
{
    const QString folder = RuntimeFolder::path();
    if (folder.isEmpty())
        return {};
    const QByteArray hash = QCryptographicHash::hash(QDir::cleanPath(settingsPath).toUtf8(), QCryptographicHash::Sha1);
    return folder + QStringLiteral("/pagewick-") + QString::fromLatin1(hash.toHex().left(16));
}

SingleInstance::Role SingleInstance::claim(const QString &fileListText)
{
    if (m_name.isEmpty()) {
        throw std::runtime_error(
            QStringLiteral("Pagewick kan ikke oprette sin private mappe %1.").arg(RuntimeFolder::fallback()).toStdString());
    }
    // Without the lock, two starts at the same moment can both find no server
    // and both start listening.
    QLockFile lock(m_name + QStringLiteral(".lock"));
    lock.setStaleLockTime(10000);
    if (!lock.tryLock(15000))
        throw std::runtime_error("Pagewick kan ikke låse sin startfil.");

    if (handOver(fileListText))
        return Role::HandedOver;

    QLocalServer::removeServer(m_name); // left by a killed instance, or not this user's
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server->listen(m_name))
        throw std::runtime_error(m_server->errorString().toStdString());
    connect(m_server, &QLocalServer::newConnection, this, &SingleInstance::acceptConnection);
    return Role::Primary;
}

bool SingleInstance::handOver(const QString &fileListText)
{
    // The paths go only to a listener of this user's.
    if (!RuntimeFolder::isOwnSocket(m_name))
        return false;
    QLocalSocket socket;
    socket.connectToServer(m_name);
    if (!socket.waitForConnected(ConnectTimeoutMs))
        return false;
    socket.write(FileListMessage::encode(fileListText));
    if (!socket.waitForBytesWritten(ConnectTimeoutMs))
        return false;
    QByteArray reply;
    while (reply.size() < Acknowledgement.size()) {
        if (!socket.waitForReadyRead(HandOverTimeoutMs)) {
            // Closed without an answer: that instance is ending or refused
            // the message, and this start takes its place. Still connected
            // but slow: it is busy and has the files.
            return socket.state() == QLocalSocket::ConnectedState;
        }
        reply += socket.readAll();
    }
    return true;
}

void SingleInstance::startDelivering()
{
    m_delivering = true;
    const QList<Pending> waiting = std::exchange(m_pending, {});
    for (const Pending &pending : waiting)
        deliver(pending);
}

void SingleInstance::stopListening()
{
    if (m_server)
        m_server->close();
}

void SingleInstance::acceptConnection()
{
    while (QLocalSocket *socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { readFrom(socket); });
        if (socket->bytesAvailable() > 0)
            readFrom(socket);
    }
}

void SingleInstance::readFrom(QLocalSocket *socket)
{
    QByteArray buffer = socket->property("pending").toByteArray() + socket->readAll();
    if (buffer.size() > MaxMessageBytes) {
        socket->abort();
        return;
    }
    if (!buffer.contains('\0')) {
        socket->setProperty("pending", buffer);
        return;
    }
    socket->setProperty("pending", QVariant());
    const std::optional<QString> text = FileListMessage::decode(buffer);
    if (!text) {
        socket->abort();
        return;
    }
    const Pending pending{*text, socket};
    if (m_delivering)
        deliver(pending);
    else
        m_pending.append(pending);
}

void SingleInstance::deliver(const Pending &pending)
{
    // Opening the files may show a question, whose event loop may end the
    // connection meanwhile; the answer goes only to a socket still there.
    Q_EMIT filesHandedOver(pending.text);
    if (QLocalSocket *socket = pending.socket) {
        socket->write(Acknowledgement);
        socket->flush();
        socket->disconnectFromServer();
    }
}
