#include "publish/SecureOptions.h"

#include "app/Prompter.h"

#include <QFile>

#include <curl/curl.h>

namespace {

int hostKeyCallback(CURL *, const curl_khkey *, const curl_khkey *, enum curl_khmatch match, void *data)
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
        question.text = QStringLiteral("Serveren %1 er ukendt. Vil du stole på dens nøgle og huske den?")
                            .arg(settings->hostName);
        question.icon = Prompter::Icon::Question;
        question.buttons = Prompter::Yes | Prompter::No;
        return settings->prompter->message(question) == Prompter::Yes ? CURLKHSTAT_FINE_ADD_TO_FILE
                                                                       : CURLKHSTAT_REJECT;
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

} // namespace

void applyFtpsOptions(void *curl, const SecureSettings &settings)
{
    curl_easy_setopt(curl, CURLOPT_USE_SSL, long(CURLUSESSL_ALL));
    curl_easy_setopt(curl, CURLOPT_SSL_VERIFYPEER, 1L);
    curl_easy_setopt(curl, CURLOPT_SSL_VERIFYHOST, 2L);
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
