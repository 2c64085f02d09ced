#include "publish/CurlSession.h"

#include <curl/curl.h>

#include <sys/select.h>
#include <sys/socket.h>

#include <cctype>

namespace {

// How long a request waits for socket events before it looks at the
// window's events again (an abort wakes the wait at once).
constexpr int PollIntervalMs = 20;
// The window's events are processed at most this often: a listing passes
// the loop a dozen times in a few milliseconds, and each pass would cost a
// look at every descriptor of the event loop.
constexpr qint64 IdleIntervalMs = 10;
// libcurl sometimes sets up the data connection of a passive transfer
// without opening its socket until the next call, and then names neither a
// socket nor a timer to wait for; a full interval there costs a listing
// several times its own time.
constexpr int NoSocketWaitMs = 1;

struct CurlGlobal
{
    CurlGlobal() { curl_global_init(CURL_GLOBAL_DEFAULT); }
    ~CurlGlobal() { curl_global_cleanup(); }
};

bool isFinalReplyLine(const QByteArray &line)
{
    return line.size() >= 3 && std::isdigit(uchar(line[0])) && std::isdigit(uchar(line[1])) && std::isdigit(uchar(line[2]))
        && (line.size() == 3 || line[3] == ' ');
}

} // namespace

CurlSession::CurlSession()
{
    static CurlGlobal global;
}

CurlSession::~CurlSession()
{
    close();
}

CURL *CurlSession::begin()
{
    if (!m_multi)
        m_multi = curl_multi_init();
    if (!m_easy)
        m_easy = curl_easy_init();
    else
        curl_easy_reset(m_easy);
    m_exchanges.clear();
    m_pendingReply.clear();
    m_partialLine.clear();
    onReceive = nullptr;
    onSend = nullptr;
    onHeader = nullptr;
    onSocketOpen = nullptr;
    curl_easy_setopt(m_easy, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(m_easy, CURLOPT_WRITEFUNCTION, &CurlSession::writeCallback);
    curl_easy_setopt(m_easy, CURLOPT_WRITEDATA, this);
    curl_easy_setopt(m_easy, CURLOPT_HEADERFUNCTION, &CurlSession::headerCallback);
    curl_easy_setopt(m_easy, CURLOPT_HEADERDATA, this);
    curl_easy_setopt(m_easy, CURLOPT_READFUNCTION, &CurlSession::readCallback);
    curl_easy_setopt(m_easy, CURLOPT_READDATA, this);
    curl_easy_setopt(m_easy, CURLOPT_DEBUGFUNCTION, &CurlSession::debugCallback);
    curl_easy_setopt(m_easy, CURLOPT_DEBUGDATA, this);
    curl_easy_setopt(m_easy, CURLOPT_VERBOSE, 1L);
    curl_easy_setopt(m_easy, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(m_easy, CURLOPT_XFERINFOFUNCTION, &CurlSession::progressCallback);
    curl_easy_setopt(m_easy, CURLOPT_XFERINFODATA, this);
    curl_easy_setopt(m_easy, CURLOPT_SOCKOPTFUNCTION, &CurlSession::socketOptionCallback);
    curl_easy_setopt(m_easy, CURLOPT_SOCKOPTDATA, this);
    curl_easy_setopt(m_easy, CURLOPT_OPENSOCKETFUNCTION, &CurlSession::openSocketCallback);
    curl_easy_setopt(m_easy, CURLOPT_OPENSOCKETDATA, this);
    return m_easy;
}

int CurlSession::run()
{
    if (m_abort.load())
        return CURLE_ABORTED_BY_CALLBACK;
    m_running = true;
    curl_multi_add_handle(m_multi, m_easy);
    int result = CURLE_OK;
    bool done = false;
    while (!done) {
        int running = 0;
        if (curl_multi_perform(m_multi, &running) != CURLM_OK) {
            result = CURLE_FAILED_INIT;
            break;
        }
        int queued = 0;
        while (CURLMsg *message = curl_multi_info_read(m_multi, &queued)) {
            if (message->msg == CURLMSG_DONE) {
                result = message->data.result;
                done = true;
            }
        }
        if (done)
            break;
        if (!m_abort.load())
            curl_multi_poll(m_multi, nullptr, 0, hasSocketToWaitOn() ? PollIntervalMs : NoSocketWaitMs, nullptr);
        if (!m_abort.load())
            giveIdleTime();

        if (m_abort.load()) {
            result = CURLE_ABORTED_BY_CALLBACK;
            break;
        }
    }
    curl_multi_remove_handle(m_multi, m_easy);
    m_running = false;

    return result;
}

void CurlSession::giveIdleTime()
{
    if (!idle || (m_sinceIdle.isValid() && m_sinceIdle.elapsed() < IdleIntervalMs))
        return;
    idle();
    m_sinceIdle.start();
}

// A socket numbered past FD_SETSIZE is not named either: such a request
// only wakes more often.
bool CurlSession::hasSocketToWaitOn() const
{
    fd_set read, write, error;
    FD_ZERO(&read);
    FD_ZERO(&write);
    FD_ZERO(&error);
    int highest = -1;
    curl_multi_fdset(m_multi, &read, &write, &error, &highest);
    return highest >= 0;
}

void CurlSession::requestAbort()
{
    m_abort.store(true);
    // Wakes a request waiting in poll; curl_multi_wakeup may be called from
    // any thread, and the multi handle is only freed by close() on the
    // owner's thread after the request has returned.
    if (m_multi && m_running)
        curl_multi_wakeup(m_multi);
}

void CurlSession::close()
{
    if (m_easy) {
        curl_easy_cleanup(m_easy);
        m_easy = nullptr;
    }
    if (m_multi) {
        curl_multi_cleanup(m_multi); // closes the cached connection, QUIT included
        m_multi = nullptr;
    }
    m_abort.store(false);
}

int CurlSession::replyCodeOf(const QString &commandWord) const
{
    for (auto it = m_exchanges.crbegin(); it != m_exchanges.crend(); ++it) {
        if (it->command.section(u' ', 0, 0).compare(commandWord, Qt::CaseInsensitive) == 0)
            return it->replyCode;
    }
    return 0;
}

QString CurlSession::replyTextOf(const QString &commandWord) const
{
    for (auto it = m_exchanges.crbegin(); it != m_exchanges.crend(); ++it) {
        if (it->command.section(u' ', 0, 0).compare(commandWord, Qt::CaseInsensitive) == 0)
            return it->replyText;
    }
    return {};
}

QString CurlSession::refusedLoginCommand() const
{
    for (auto it = m_exchanges.crbegin(); it != m_exchanges.crend(); ++it) {
        const QString word = it->command.section(u' ', 0, 0).toUpper();
        if ((word == u"USER" || word == u"PASS") && it->replyCode >= 400)
            return word;
    }
    return {};
}

size_t CurlSession::writeCallback(char *data, size_t size, size_t count, void *self)
{
    auto *session = static_cast<CurlSession *>(self);
    const size_t bytes = size * count;
    if (session->onReceive && !session->onReceive(data, bytes))
        return 0;
    return bytes;
}

size_t CurlSession::headerCallback(char *data, size_t size, size_t count, void *self)
{
    auto *session = static_cast<CurlSession *>(self);
    const size_t bytes = size * count;
    if (session->onHeader) {
        QByteArray line(data, qsizetype(bytes));
        while (line.endsWith('\n') || line.endsWith('\r'))
            line.chop(1);
        session->onHeader(line);
    }
    return bytes;
}

size_t CurlSession::readCallback(char *buffer, size_t size, size_t count, void *self)
{
    auto *session = static_cast<CurlSession *>(self);
    if (!session->onSend)
        return 0;
    const qint64 given = session->onSend(buffer, size * count);
    return given < 0 ? CURL_READFUNC_ABORT : size_t(given);
}

int CurlSession::debugCallback(CURL *, curl_infotype type, char *data, size_t size, void *self)
{
    auto *session = static_cast<CurlSession *>(self);
    if (type == CURLINFO_HEADER_IN)
        session->takeServerLines(data, size);
    else if (type == CURLINFO_HEADER_OUT)
        session->takeCommand(data, size);
    return 0;
}

void CurlSession::takeCommand(const char *data, size_t size)
{
    QByteArray line(data, qsizetype(size));
    while (line.endsWith('\n') || line.endsWith('\r'))
        line.chop(1);
    Exchange exchange;
    if (line.startsWith("PASS ") || line.startsWith("pass "))
        exchange.command = QStringLiteral("PASS"); // the password stays out of every record
    else
        exchange.command = QString::fromUtf8(line);
    m_exchanges.append(exchange);
}

void CurlSession::takeServerLines(const char *data, size_t size)
{
    m_partialLine.append(data, qsizetype(size));
    qsizetype end;
    while ((end = m_partialLine.indexOf('\n')) >= 0) {
        QByteArray line = m_partialLine.left(end);
        m_partialLine.remove(0, end + 1);
        if (line.endsWith('\r'))
            line.chop(1);
        if (!m_pendingReply.isEmpty())
            m_pendingReply.append("\r\n");
        m_pendingReply.append(line);
        // A multi-line reply ends with its code followed by a blank.
        if (!isFinalReplyLine(line))
            continue;
        const QString text = QString::fromUtf8(m_pendingReply);
        m_pendingReply.clear();
        m_lastReply = text;
        const int code = line.left(3).toInt();
        for (auto it = m_exchanges.rbegin(); it != m_exchanges.rend(); ++it) {
            if (it->replyCode == 0) {
                // Preliminary replies (1xx) are followed by the final one.
                if (code >= 200) {
                    it->replyCode = code;
                    it->replyText = text;
                }
                break;
            }
            break;
        }
    }
}

int CurlSession::progressCallback(void *self, curl_off_t, curl_off_t, curl_off_t, curl_off_t)
{
    // libcurl waits for some replies (the one after an upload above all)
    // inside its own loop; it calls this meanwhile, so the window stays
    // alive and a stop still ends the wait.
    auto *session = static_cast<CurlSession *>(self);
    if (!session->m_abort.load() && session->m_running)
        session->giveIdleTime();
    return session->m_abort.load() ? 1 : 0;
}

int CurlSession::socketOptionCallback(void *, curl_socket_t socket, curlsocktype)
{
    // A small send buffer keeps the bytes counted as sent close to the bytes
    // that left the machine, so progress is honest and an upload does not
    // end in a long wait for the server to catch up.
    const int bytes = 64 * 1024;
    ::setsockopt(socket, SOL_SOCKET, SO_SNDBUF, &bytes, sizeof bytes);
    return CURL_SOCKOPT_OK;
}

curl_socket_t CurlSession::openSocketCallback(void *self, curlsocktype purpose, curl_sockaddr *where)
{
    auto *session = static_cast<CurlSession *>(self);
    if (session->onSocketOpen && purpose == CURLSOCKTYPE_IPCXN)
        session->onSocketOpen();
    return ::socket(where->family, where->socktype, where->protocol);
}
