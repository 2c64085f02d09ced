#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QList>
#include <QString>
#include <QStringList>

#include <curl/curl.h>

#include <atomic>
#include <functional>

// One connection to a server through libcurl. The multi handle keeps the
// logged-in control connection between requests, so a session logs in once.
// A request runs on the calling thread; between socket events, at most
// every 10 ms, it hands control to `idle` (which processes the window's
// events), and it ends within one poll interval once an abort has been
// asked for.
class CurlSession
{
public:
    // A command sent on the control connection and the final reply to it.
    struct Exchange
    {
        QString command; // a password is never kept here
        int replyCode = 0;
        QString replyText;
    };

    CurlSession();
    ~CurlSession();
    CurlSession(const CurlSession &) = delete;
    CurlSession &operator=(const CurlSession &) = delete;

    // Clears the per-request options (the connection stays) and installs the
    // session's own callbacks; the caller then sets the request's options.
    CURL *begin();
    // Runs the request prepared since begin(); returns the libcurl result.
    int run();

    // Thread-safe: makes the running (or next) request end at once.
    void requestAbort();
    bool abortRequested() const { return m_abort.load(); }

    // Closes the connection (sending QUIT) and forgets it.
    void close();

    // Commands and replies of the last request, in order.
    const QList<Exchange> &exchanges() const { return m_exchanges; }
    // The final reply to the last command starting with this word; 0 when
    // that command was not sent or got no reply.
    int replyCodeOf(const QString &commandWord) const;
    QString replyTextOf(const QString &commandWord) const;
    // The latest reply text from the server over the whole session.
    QString lastReply() const { return m_lastReply; }
    // The word of the last login command the server refused ("USER"/"PASS").
    QString refusedLoginCommand() const;

    // Filled by a request that has a body; set before run().
    std::function<bool(const char *data, size_t size)> onReceive; // false stops
    std::function<qint64(char *buffer, size_t size)> onSend; // bytes given, 0 at the end, -1 stops
    // Header lines as the protocol gives them (SFTP's pwd answer comes so).
    std::function<void(const QByteArray &line)> onHeader;
    // Called once the name is resolved and a socket for the server is opened.
    std::function<void()> onSocketOpen;
    // Called between socket events while a request runs.
    std::function<void()> idle;

private:
    static size_t writeCallback(char *data, size_t size, size_t count, void *self);
    static size_t headerCallback(char *data, size_t size, size_t count, void *self);
    static size_t readCallback(char *buffer, size_t size, size_t count, void *self);
    static int debugCallback(CURL *, curl_infotype type, char *data, size_t size, void *self);
    static int progressCallback(void *self, curl_off_t, curl_off_t, curl_off_t, curl_off_t);
    static int socketOptionCallback(void *self, curl_socket_t socket, curlsocktype purpose);
    static curl_socket_t openSocketCallback(void *self, curlsocktype purpose, curl_sockaddr *address);
    bool hasSocketToWaitOn() const;
    void giveIdleTime();
    void takeServerLines(const char *data, size_t size);
    void takeCommand(const char *data, size_t size);

    CURL *m_easy = nullptr;
    CURLM *m_multi = nullptr;
    std::atomic_bool m_abort{false};
    bool m_running = false;
    QList<Exchange> m_exchanges;
    QByteArray m_pendingReply; // lines of a multi-line reply so far
    QString m_lastReply;
    QByteArray m_partialLine;
    QElapsedTimer m_sinceIdle;
};
