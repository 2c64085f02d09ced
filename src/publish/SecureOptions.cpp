#include "publish/SecureOptions.h"

#include "core/ProductTexts.h"
#include "core/Prompter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUrl>
#include <QtEndian>

#include <curl/curl.h>

namespace {

// Adds the accepted key to the known hosts as OpenSSH writes it: the host
// with its port unless that is 22. (libcurl would write the host alone, and
// the key would then stand for every port of the host, so that two servers
// on one machine could not both be trusted.)
void rememberHostKey(const SecureSettings &settings, const curl_khkey &key)
{
    const QByteArray blob = key.len > 0 ? QByteArray(key.key, qsizetype(key.len)) : QByteArray::fromBase64(key.key);
    // The key's own type name stands at its start, after its length.
    if (blob.size() < 4)
        return;
    const qsizetype nameLength = qsizetype(qFromBigEndian<quint32>(blob.constData()));
    if (nameLength <= 0 || nameLength > blob.size() - 4)
        return;
    const QByteArray host = settings.port == 0 || settings.port == 22
        ? QUrl::toAce(settings.hostName)
        : "[" + QUrl::toAce(settings.hostName) + "]:" + QByteArray::number(settings.port);
    QFile file(settings.knownHostsFile);
    QDir().mkpath(QFileInfo(file).absolutePath());
    if (!file.open(QIODevice::ReadWrite | QIODevice::Append))
        return;
    // A last line without its line break is ended first.
    const bool ended = file.size() == 0 || (file.seek(file.size() - 1) && file.read(1) == "\n");
    file.write((ended ? QByteArray() : QByteArray("\n")) + host + ' ' + blob.mid(4, nameLength) + ' ' + blob.toBase64() + '\n');
}

int hostKeyCallback(CURL *, const curl_khkey *, const curl_khkey *found, enum curl_khmatch match, void *data)
{
    const auto *settings = static_cast<const SecureSettings *>(data);
    switch (match) {
    case CURLKHMATCH_OK:
        return CURLKHSTAT_FINE;
    case CURLKHMATCH_MISMATCH:
        // A changed key may be someone in between: never accepted silently.
        return CURLKHSTAT_REJECT;
    case CURLKHMATCH_MISSING:
    default: {
        if (!settings->prompter)
            return CURLKHSTAT_REJECT;
        Prompter::Message question;
        question.caption = Product::Caption;
        question.text = QStringLiteral("Serveren %1 er ukendt. Vil du stole på dens nøgle og huske den?").arg(settings->hostName);
        question.icon = Prompter::Icon::Question;
        question.buttons = Prompter::Yes | Prompter::No;
        if (settings->prompter->message(question) != Prompter::Yes)
            return CURLKHSTAT_REJECT;
        // Trusted for this connection even when it cannot be remembered.
        if (found)
            rememberHostKey(*settings, *found);
        return CURLKHSTAT_FINE;
    }
    }
}

// libcurl 7.87 and 7.88 never start TLS on a data connection the server
// opens (active mode): they send the file in the clear after asking for
// protection, and the server refuses or both sides wait for each other.
bool protectsActiveDataConnections()
{
    const unsigned version = curl_version_info(CURLVERSION_NOW)->version_num;
    return version < 0x075700 || version >= 0x080000;
}

// Before 8.9.0 libcurl closes a data connection without reading what the
// server sent after a TLS 1.3 handshake (its session tickets): the socket
// then ends in a reset, the server loses the end of an upload and answers
// 426. TLS 1.2 has no such messages after the handshake.
bool closesTls13DataConnectionsCleanly()
{
    return curl_version_info(CURLVERSION_NOW)->version_num >= 0x080900;
}

} // namespace

void applyFtpsOptions(void *curl, const SecureSettings &settings)
{
    curl_easy_setopt(curl, CURLOPT_USE_SSL, long(CURLUSESSL_ALL));
    curl_easy_setopt(curl, CURLOPT_SSL_VERIFYPEER, 1L);
    curl_easy_setopt(curl, CURLOPT_SSL_VERIFYHOST, 2L);
    if (!closesTls13DataConnectionsCleanly())
        curl_easy_setopt(curl, CURLOPT_SSLVERSION, long(CURL_SSLVERSION_TLSv1_2) | long(CURL_SSLVERSION_MAX_TLSv1_2));
    // Where active mode would expose the data, the data connections go
    // passive instead; the server then sees PASV where PORT was asked for.
    if (!protectsActiveDataConnections())
        curl_easy_setopt(curl, CURLOPT_FTPPORT, nullptr);
    if (!settings.trustedCertificateFile.isEmpty())
        curl_easy_setopt(curl, CURLOPT_CAINFO, QFile::encodeName(settings.trustedCertificateFile).constData());
}

void applySftpOptions(void *curl, const SecureSettings &settings)
{
    long authTypes = CURLSSH_AUTH_PASSWORD | CURLSSH_AUTH_KEYBOARD;
    if (!settings.privateKeyFile.isEmpty()) {
        authTypes |= CURLSSH_AUTH_PUBLICKEY;
        curl_easy_setopt(curl, CURLOPT_SSH_PRIVATE_KEYFILE, QFile::encodeName(settings.privateKeyFile).constData());
        const QString publicKey = settings.privateKeyFile + QStringLiteral(".pub");
        if (QFile::exists(publicKey))
            curl_easy_setopt(curl, CURLOPT_SSH_PUBLIC_KEYFILE, QFile::encodeName(publicKey).constData());
    }
    curl_easy_setopt(curl, CURLOPT_SSH_AUTH_TYPES, authTypes);
    // Without a known-hosts file no key can be checked, so none is accepted.
    curl_easy_setopt(curl, CURLOPT_SSH_KNOWNHOSTS, QFile::encodeName(settings.knownHostsFile).constData());
    curl_easy_setopt(curl, CURLOPT_SSH_KEYFUNCTION, &hostKeyCallback);
    curl_easy_setopt(curl, CURLOPT_SSH_KEYDATA, &settings);
}
