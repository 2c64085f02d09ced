#include "publish/TSimpleFTP.h"

#include "publish/CurlSession.h"
#include "publish/LocalNames.h"
#include "publish/ProxyBypass.h"
#include "publish/RemotePath.h"

#include <QDir>
#include <QRegularExpression>
#include <QUrl>

#include <curl/curl.h>

namespace {

bool positive(int replyCode)
{
    return replyCode >= 200 && replyCode < 400;
}

// The folder named in a `257 "/a ""quoted"" b" is current` reply.
QString folderOfPwdReply(const QString &reply)
{
    const qsizetype open = reply.indexOf(u'"');
    if (open < 0)
        return {};
    QString folder;
    for (qsizetype i = open + 1; i < reply.size(); ++i) {
        if (reply[i] == u'"') {
            if (i + 1 < reply.size() && reply[i + 1] == u'"') {
                folder += u'"';
                ++i;
                continue;
            }
            break;
        }
        folder += reply[i];
    }
    return folder;
}

// A quoted path for an SFTP command; libcurl reads backslash escapes in it.
QString sftpQuoted(const QString &path)
{
    QString escaped = path;
    escaped.replace(u'\\', QStringLiteral("\\\\")).replace(u'"', QStringLiteral("\\\""));
    return u'"' + escaped + u'"';
}

} // namespace

TSimpleFTP::TSimpleFTP(QObject *parent)
    : TWinInetControl(parent)
{
    setPort(21);
    qRegisterMetaType<TFindData>("TFindData");
    qRegisterMetaType<TFTPProgressInfo>("TFTPProgressInfo");
}

TSimpleFTP::~TSimpleFTP()
{
    setDestroying();
    if (!busy())
        Disconnect();
}

void TSimpleFTP::setFileSystemType(int value)
{
    if (Connected()) {
        if (!SilentExceptions())
            throw ESimpleFTPError(QStringLiteral("Filsystemet kan ikke ændres, mens forbindelsen er etableret"));
        return;
    }
    m_fileSystemType = TFTPFileSystemType(value);
}

void TSimpleFTP::setRemoteDir(const QString &value)
{
    // Before a connect the folder is only remembered for it.
    if (Connected())
        ChangeDir(value);
    else
        m_remoteDir = value;
}

QString TSimpleFTP::RemoteDir() const
{
    if (Connected() && !m_serverDir.isEmpty())
        return m_serverDir;
    return m_remoteDir;
}

void TSimpleFTP::setFilesProgress(int done, int total)
{
    m_progress.FilesDone = done;
    m_progress.FilesTotal = total;
}

// ---------------------------------------------------------------------------
// Requests

void *TSimpleFTP::beginRequest()
{
    CURL *curl = session()->begin();
    curl_easy_setopt(curl, CURLOPT_USERNAME, m_loginUser.toUtf8().constData());
    curl_easy_setopt(curl, CURLOPT_PASSWORD, m_loginPassword.toUtf8().constData());
    curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT_MS, long(ConnectTimeout()));
    curl_easy_setopt(curl, CURLOPT_SERVER_RESPONSE_TIMEOUT, long((ConnectTimeout() + 999) / 1000));
    curl_easy_setopt(curl, CURLOPT_ACCEPTTIMEOUT_MS, long(ConnectTimeout()));
    curl_easy_setopt(curl, CURLOPT_TCP_KEEPALIVE, 1L);
    curl_easy_setopt(curl, CURLOPT_LOW_SPEED_LIMIT, TransferLimits::StalledBytesPerSecond);
    curl_easy_setopt(curl, CURLOPT_LOW_SPEED_TIME, long(m_stallSeconds));
    m_stopReason.clear();
    // EPSV on a reused connection stalls about one operation in ten for a
    // second against common servers; PASV does not.
    curl_easy_setopt(curl, CURLOPT_FTP_USE_EPSV, 0L);
    // Every path is sent whole and absolute, so the server's current folder
    // stays the one ChangeDir entered.
    curl_easy_setopt(curl, CURLOPT_FTP_FILEMETHOD, long(CURLFTPMETHOD_NOCWD));
    if (!m_passive)
        curl_easy_setopt(curl, CURLOPT_FTPPORT, "-");
    curl_easy_setopt(curl, CURLOPT_TRANSFERTEXT, m_transferType == ttAscii ? 1L : 0L);

    switch (ResolveNames()) {
    case rnLocal:
        curl_easy_setopt(curl, CURLOPT_PROXY, "");
        break;
    case rnProxy:
        // The bypass list is matched here: libcurl's own list knows neither
        // wildcards nor "<local>".
        curl_easy_setopt(curl, CURLOPT_PROXY,
                         bypassesProxy(HostName(), ProxyBypassList()) ? "" : ProxyName().toUtf8().constData());
        break;
    case rnPreConfig:
        // libcurl reads the system's proxy variables (ftp_proxy, no_proxy).
        break;
    }
    // Through an HTTP proxy only a tunnel carries the commands: without one
    // the proxy would answer in the server's place.
    curl_easy_setopt(curl, CURLOPT_HTTPPROXYTUNNEL, 1L);

    m_secure.hostName = HostName();
    m_secure.port = Port();
    m_secure.trustedCertificateFile = m_trustedCertificateFile;
    m_secure.privateKeyFile = m_privateKeyFile;
    m_secure.knownHostsFile = m_knownHostsFile.isEmpty() ? QDir::homePath() + QStringLiteral("/.ssh/known_hosts")
                                                         : m_knownHostsFile;
    m_secure.prompter = m_prompter;
    if (m_protocol == TransferProtocol::Ftps)
        applyFtpsOptions(curl, m_secure);
    else if (m_protocol == TransferProtocol::Sftp)
        applySftpOptions(curl, m_secure);
    return curl;
}

int TSimpleFTP::runRequest()
{
    setBusy(true);
    const int result = session()->run();
    setBusy(false);
    // libcurl reports a server's "421" (closing the session, as servers do
    // with idle ones) as a time-out; it is a lost connection.
    m_serverEndedSession = result != CURLE_OK && session()->lastReply().startsWith(QLatin1String("421"));
    m_lostConnection = false;
    if (result != CURLE_OK && (session()->abortRequested() || curlResultLosesConnection(result))) {
        // A session the server (or the network) ended is opened again by
        // the next operation; one the user stopped is not.
        m_lostConnection = !session()->abortRequested() && m_stopReason.isEmpty();
        m_reconnectOnce = m_lostConnection;
        dropLostConnection();
    }
    return result;
}

bool TSimpleFTP::ensureConnected()
{
    if (Connected())
        return true;
    if (!m_reconnectOnce || busy())
        return false;
    m_reconnectOnce = false;
    const bool silent = SilentExceptions();
    setSilentExceptions(true);
    Connect();
    setSilentExceptions(silent);
    return Connected();
}

bool TSimpleFTP::failRequest(int curlCode, const QString &failure)
{
    if (!m_stopReason.isEmpty())
        return fail(failure + QStringLiteral(": ") + m_stopReason);
    if (curlCode == CURLE_OPERATION_TIMEDOUT && !m_serverEndedSession) {
        emit OnError(InternetError::Timeout);
        return fail(failure + QStringLiteral(": ") + ErrorText(InternetError::Timeout));
    }
    if (m_lostConnection) {
        emit OnError(InternetError::ConnectionAborted);
        return fail(failure + QStringLiteral(": Forbindelsen blev afbrudt. Ikke forbundet!"));
    }
    return fail(failure);
}

void TSimpleFTP::dropLostConnection()
{
    // The session is closed without a word to the server: it is gone, or
    // the user asked for the transfer to end now.
    if (session())
        session()->requestAbort();
    TWinInetControl::Disconnect();
}

QString TSimpleFTP::urlFor(const QString &absolutePath) const
{
    const QString scheme = m_protocol == TransferProtocol::Sftp ? QStringLiteral("sftp") : QStringLiteral("ftp");
    QString host = HostName();
    if (host.contains(u':') && !host.startsWith(u'['))
        host = u'[' + host + u']';
    // FTP paths after the host's "/" are relative to the login folder, so an
    // absolute one keeps its own leading "/"; SFTP paths are absolute anyway.
    const QString prefix = m_protocol == TransferProtocol::Sftp ? QString() : QStringLiteral("/");
    return scheme + QStringLiteral("://") + host + u':' + QString::number(Port()) + prefix
        + QString::fromLatin1(QUrl::toPercentEncoding(absolutePath, "/"));
}

QString TSimpleFTP::absolutePath(const QString &path) const
{
    return RemotePath::absolute(m_serverDir.isEmpty() ? QStringLiteral("/") : m_serverDir, path);
}

bool TSimpleFTP::fail(const QString &message)
{
    if (!SilentExceptions())
        throw ESimpleFTPError(message);
    return false;
}

TSimpleFTP::Outcome TSimpleFTP::sendCommand(const QString &verb, const QString &argument, const QString &secondArgument)
{
    if (!Connected() || busy())
        return Outcome::Refused;
    if (!LocalNames::isSafeCommandArgument(argument) || !LocalNames::isSafeCommandArgument(secondArgument))
        return Outcome::Refused;
    CURL *curl = beginRequest();
    curl_slist *commands = nullptr;
    const bool sftp = m_protocol == TransferProtocol::Sftp;
    if (sftp) {
        static const QHash<QString, QString> sftpVerbs = {{QStringLiteral("MKD"), QStringLiteral("mkdir")},
                                                          {QStringLiteral("RMD"), QStringLiteral("rmdir")},
                                                          {QStringLiteral("DELE"), QStringLiteral("rm")},
                                                          {QStringLiteral("RNFR"), QStringLiteral("rename")}};
        QString line = sftpVerbs.value(verb) + u' ' + sftpQuoted(absolutePath(argument));
        if (verb == u"RNFR")
            line += u' ' + sftpQuoted(absolutePath(secondArgument));
        commands = curl_slist_append(commands, line.toUtf8().constData());
    } else if (verb == u"RNFR") {
        // "*" keeps the connection when the server refuses: the replies
        // tell the outcome.
        commands = curl_slist_append(commands, (QStringLiteral("*RNFR ") + argument).toUtf8().constData());
        commands = curl_slist_append(commands, (QStringLiteral("*RNTO ") + secondArgument).toUtf8().constData());
    } else {
        commands = curl_slist_append(commands, (u'*' + verb + u' ' + argument).toUtf8().constData());
    }
    curl_easy_setopt(curl, CURLOPT_URL, urlFor(QStringLiteral("/")).toUtf8().constData());
    curl_easy_setopt(curl, CURLOPT_NOBODY, 1L);
    curl_easy_setopt(curl, CURLOPT_QUOTE, commands);
    const int result = runRequest();
    curl_slist_free_all(commands);
    if (result != CURLE_OK)
        return Connected() ? Outcome::Refused : Outcome::ConnectionLost;
    if (sftp)
        return Outcome::Done;
    if (verb == u"RNFR")
        return lastRequestRenamed() ? Outcome::Done : Outcome::Refused;
    return positive(session()->replyCodeOf(verb)) ? Outcome::Done : Outcome::Refused;
}

bool TSimpleFTP::lastRequestRenamed() const
{
    return session()->replyCodeOf(QStringLiteral("RNFR")) == 350 && positive(session()->replyCodeOf(QStringLiteral("RNTO")));
}

// ---------------------------------------------------------------------------
// Connection

bool TSimpleFTP::connectOnce(int &curlCode)
{
    StatusChanged(10, 0);
    CURL *curl = beginRequest();
    bool opened = false;
    session()->onSocketOpen = [this, &opened] {
        if (opened)
            return;
        opened = true;
        StatusChanged(11, 0);
        StatusChanged(20, 0);
    };
    curl_slist *commands = nullptr;
    if (m_protocol == TransferProtocol::Sftp) {
        commands = curl_slist_append(commands, "pwd");
    } else {
        commands = curl_slist_append(commands, "PWD");
        commands = curl_slist_append(commands, "*FEAT");
    }
    curl_easy_setopt(curl, CURLOPT_URL, urlFor(QStringLiteral("/")).toUtf8().constData());
    curl_easy_setopt(curl, CURLOPT_NOBODY, 1L);
    curl_easy_setopt(curl, CURLOPT_QUOTE, commands);
    QString sftpPwdReply;
    if (m_protocol == TransferProtocol::Sftp) {
        session()->onHeader = [&sftpPwdReply](const QByteArray &line) {
            if (line.startsWith("257"))
                sftpPwdReply = QString::fromUtf8(line);
        };
    }
    setBusy(true);
    curlCode = session()->run();
    setBusy(false);
    session()->onSocketOpen = nullptr;
    session()->onHeader = nullptr;
    curl_slist_free_all(commands);
    if (curlCode != CURLE_OK)
        return false;
    if (m_protocol == TransferProtocol::Sftp) {
        m_serverDir = folderOfPwdReply(sftpPwdReply);
        m_machineListing = false;
        m_connectResponse = LastResponse();
    } else {
        m_serverDir = folderOfPwdReply(session()->replyTextOf(QStringLiteral("PWD")));
        m_machineListing = session()->replyTextOf(QStringLiteral("FEAT")).contains(QStringLiteral("MLST"), Qt::CaseInsensitive);
        m_connectResponse = session()->replyTextOf(QStringLiteral("PASS"));
        if (m_connectResponse.isEmpty())
            m_connectResponse = session()->replyTextOf(QStringLiteral("USER"));
    }
    if (m_serverDir.isEmpty())
        m_serverDir = QStringLiteral("/");
    return true;
}

bool TSimpleFTP::Connect()
{
    if (Connected())
        return true;
    if (busy())
        return false;
    TWinInetControl::Connect();
    QString user = UserName();
    QString password = Password();
    emit OnLogin(user, password);
    m_loginUser = user;
    m_loginPassword = password;

    int curlCode = CURLE_OK;
    bool ok = false;
    for (quint32 attempt = 0; attempt <= ConnectRetries(); ++attempt) {
        ok = connectOnce(curlCode);
        if (ok || session()->abortRequested() || (curlCode != CURLE_COULDNT_CONNECT && curlCode != CURLE_OPERATION_TIMEDOUT))
            break;
        session()->close();
    }
    if (!ok) {
        const QString refused = session() ? session()->refusedLoginCommand() : QString();
        const RefusedLoginStep step = refused == u"USER" ? RefusedLoginStep::User
            : refused == u"PASS"                         ? RefusedLoginStep::Password
                                                         : RefusedLoginStep::None;
        dropLostConnection();
        HandleError(internetErrorForCurl(curlCode, step, m_protocol == TransferProtocol::Ftps));
        return false;
    }
    StatusChanged(21, 0);
    m_reconnectOnce = false;
    if (!m_remoteDir.isEmpty())
        ChangeDir(m_remoteDir);
    emit OnConnected();
    return true;
}

bool TSimpleFTP::Disconnect()
{
    try {
        return TWinInetControl::Disconnect();
    } catch (...) {
        return false;
    }
}

void TSimpleFTP::HandleError(quint16 code)
{
    TWinInetControl::HandleError(code);
}

// ---------------------------------------------------------------------------
// Folders

bool TSimpleFTP::changeDirOnce(const QString &path)
{
    if (!LocalNames::isSafeCommandArgument(path) || busy())
        return false;
    if (m_protocol == TransferProtocol::Sftp) {
        // SFTP has no current folder on the server: a listing proves the
        // folder is there, and the component remembers it.
        const QString target = RemotePath::addSeparator(absolutePath(path), ftUnix);
        QList<TFindData> ignored;
        if (!listFolder(target, ignored))
            return false;
        m_serverDir = RemotePath::removeTrailingSeparator(target);
        return true;
    }
    CURL *curl = beginRequest();
    curl_slist *commands = nullptr;
    commands = curl_slist_append(commands, (QStringLiteral("*CWD ") + path).toUtf8().constData());
    commands = curl_slist_append(commands, "*PWD");
    curl_easy_setopt(curl, CURLOPT_URL, urlFor(QStringLiteral("/")).toUtf8().constData());
    curl_easy_setopt(curl, CURLOPT_NOBODY, 1L);
    curl_easy_setopt(curl, CURLOPT_QUOTE, commands);
    const int result = runRequest();
    curl_slist_free_all(commands);
    if (result != CURLE_OK || !positive(session()->replyCodeOf(QStringLiteral("CWD"))))
        return false;
    const QString folder = folderOfPwdReply(session()->replyTextOf(QStringLiteral("PWD")));
    m_serverDir = folder.isEmpty() ? absolutePath(path) : folder;
    return true;
}

bool TSimpleFTP::ChangeDir(const QString &path)
{
    if (!ensureConnected())
        return fail(QStringLiteral("Ikke forbundet!"));
    const QString trimmed = RemotePath::removeTrailingSeparator(path);
    bool ok = changeDirOnce(trimmed);
    if (!ok && Connected() && trimmed != path)
        ok = changeDirOnce(path);
    if (ok) {
        // Kept as the server reports it: a relative path would mean another
        // folder after the next connect.
        m_remoteDir = m_serverDir;
        emit OnDirectoryChange();
        return true;
    }
    if (SilentExceptions() || m_fileSystemType == ftUnknown)
        return false;
    throw ESimpleFTPError(QStringLiteral("Kunne ikke skifte til mappen %1").arg(path));
}

bool TSimpleFTP::RemoveDir(const QString &path)
{
    if (!ensureConnected())
        return fail(QStringLiteral("Ikke forbundet!"));
    if (sendCommand(QStringLiteral("RMD"), RemotePath::removeTrailingSeparator(path)) != Outcome::Done)
        return fail(QStringLiteral("Fejl under forsøg på at slette mappen %1").arg(path));
    return true;
}

bool TSimpleFTP::CreateDir(const QString &path)
{
    if (!ensureConnected())
        return fail(QStringLiteral("Ikke forbundet!"));
    QString name = RemotePath::removeTrailingSeparator(path);
    const qsizetype cut = std::max(name.lastIndexOf(u'\\'), name.lastIndexOf(u':'));
    if (cut >= 0)
        name = name.mid(cut + 1);
    if (sendCommand(QStringLiteral("MKD"), name) != Outcome::Done)
        return fail(QStringLiteral("Fejl under oprettelse af mappen %1").arg(path));
    return true;
}

bool TSimpleFTP::ForceDirectories(const QString &path)
{
    if (path.isEmpty())
        return false;
    if (!ensureConnected())
        return fail(QStringLiteral("Ikke forbundet!"));
    const QString folder = RemotePath::removeTrailingSeparator(path);
    if (DirExists(folder))
        return true; // nothing to create: the folder is there
    const QString parent = RemotePath::parentPath(path);
    if (!parent.isEmpty() && parent != u"/")
        ForceDirectories(parent);
    if (sendCommand(QStringLiteral("MKD"), folder) != Outcome::Done)
        return fail(QStringLiteral("Fejl under oprettelse af mappen %1").arg(path));
    return true;
}

bool TSimpleFTP::DirExists(const QString &path)
{
    if (!ensureConnected())
        return fail(QStringLiteral("Ikke forbundet!"));
    const QString remembered = RemoteDir();
    bool exists = false;
    try {
        exists = ChangeDir(path);
    } catch (const FtpException &) {
        exists = false;
    }
    if (exists)
        ChangeDir(remembered);
    return exists;
}

bool TSimpleFTP::DeleteFile(const QString &name)
{
    if (!ensureConnected())
        return fail(QStringLiteral("Ikke forbundet!"));
    const QString path = name.contains(u'/') ? name : RemotePath::addSeparator(RemoteDir(), m_fileSystemType) + name;
    if (sendCommand(QStringLiteral("DELE"), path) != Outcome::Done)
        return fail(QStringLiteral("Fejl under sletning af %1").arg(path));
    return true;
}

bool TSimpleFTP::RenameFile(const QString &oldName, const QString &newName)
{
    if (!ensureConnected())
        return fail(QStringLiteral("Ikke forbundet!"));
    if (sendCommand(QStringLiteral("RNFR"), oldName, newName) != Outcome::Done)
        return fail(QStringLiteral("Fejl under omdøbning af %1 til %2").arg(oldName, newName));
    return true;
}

// ---------------------------------------------------------------------------
// Progress and states

void TSimpleFTP::StatusChanged(int status, qint64 info)
{
    if (status != 31 && status != 41) {
        TWinInetControl::StatusChanged(status, info);
        return;
    }
    m_progress.BytesTransferred += info;
    // A report of 0 bytes closes the transfer; more than the size would be.
    // A download whose size the server did not tell is as large as it came.
    if (info == 0 && m_progress.FileSize <= 0)
        m_progress.FileSize = m_progress.BytesTransferred;
    if (info == 0 || m_progress.BytesTransferred > m_progress.FileSize)
        m_progress.BytesTransferred = m_progress.FileSize;
    if (!m_progress.FileName.isEmpty())
        emit OnTransferProgress(m_progress);
    if (QuickProgress())
        UpdateQuickProgress();
}

void TSimpleFTP::UpdateQuickProgress()
{
    if (m_quickProgressMajor) {
        m_quickProgressMajor->setProperty("maximum", m_progress.FilesTotal);
        m_quickProgressMajor->setProperty("value", m_progress.FilesDone);
    }
    if (QObject *minor = QuickProgressMinor()) {
        minor->setProperty("maximum", 100);
        const int percent = m_progress.FileSize <= 0
            ? 0
            : int(qRound64(double(m_progress.BytesTransferred) / double(m_progress.FileSize) * 100.0));
        minor->setProperty("value", percent);
    }
    if (m_quickLabelMajor && m_progress.FilesTotal > 0)
        m_quickLabelMajor->setProperty(
            "text",
            QString(QString::number(m_progress.FilesDone) + QStringLiteral(" af ") + QString::number(m_progress.FilesTotal)));
    if (m_quickLabelMinor && !m_progress.FileName.isEmpty())
        m_quickLabelMinor->setProperty("text", m_progress.FileName);
}
