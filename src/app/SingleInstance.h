#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <optional>

class QLocalServer;
class QLocalSocket;

// The hand-over text between two starts: each path followed by "?", sent as
// UTF-8 with a closing zero byte. A "?" or "%" inside a path (both allowed in
// file names) travels as "%3F" or "%25".
namespace FileListMessage {
QString textFor(const QStringList &paths);
QByteArray encode(const QString &text);
// The text before the zero byte; nothing when the bytes are no such message.
std::optional<QString> decode(const QByteArray &bytes);
// The paths of a hand-over text, in order.
QStringList paths(const QString &text);
} // namespace FileListMessage

// Keeps one running instance per user. The first start listens on a local
// socket; a later start hands its file list to it and ends.
class SingleInstance : public QObject
{
    Q_OBJECT

public:
    enum class Role { Primary, HandedOver };

    // The socket and its lock lie in the user's private runtime folder, where
    // no other user can plant either, under a name derived from the settings
    // file, so that each settings file (and each test's) has its own instance.
    explicit SingleInstance(const QString &settingsPath, QObject *parent = nullptr);
    ~SingleInstance() override;

    // The socket's full path; empty when there is no private folder for it.
    static QString serverNameFor(const QString &settingsPath);
    QString serverName() const { return m_name; }

    // Hands the text to a running instance and waits until it has opened the
    // files (HandedOver), or becomes the running instance itself (Primary).
    // A socket left by a killed instance, or one that is not this user's, is
    // replaced. Throws std::runtime_error when neither is possible.
    Role claim(const QString &fileListText);
    // Hand-overs that arrive before this call wait for it, so that none is
    // lost while the window that opens them is still being made.
    void startDelivering();
    // No further hand-overs are taken (the program is ending).
    void stopListening();

Q_SIGNALS:
    // A later start handed over this text. The sender waits until every
    // receiver has returned.
    void filesHandedOver(const QString &fileListText);

private:
    struct Pending
    {
        QString text;
        QPointer<QLocalSocket> socket;
    };

    void acceptConnection();
    void readFrom(QLocalSocket *socket);
    void deliver(const Pending &pending);
    bool handOver(const QString &fileListText);

    QString m_name;
    QLocalServer *m_server = nullptr;
    bool m_delivering = false;
    QList<Pending> m_pending;
};
