// Listing, upload and download of TSimpleFTP.
#include "publish/TSimpleFTP.h"

#include "publish/CurlSession.h"
#include "publish/ListingParser.h"
#include "publish/LocalNames.h"
#include "publish/RemotePath.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStorageInfo>

#include <algorithm>

#include <curl/curl.h>

namespace {

// A name beside the target that no page of a site would carry; long names
// are shortened so that the temporary name stays within common limits.
QString temporaryNameFor(const QString &absoluteTarget)
{
    const QString name = RemotePath::namePart(absoluteTarget).left(100);
    return RemotePath::folderPart(absoluteTarget) + QStringLiteral(".~") + name + u'.'
        + QString::number(QRandomGenerator::global()->generate(), 16) + QStringLiteral(".part");
}

bool matchesPattern(const QString &name, const QString &pattern)
{
    if (pattern.isEmpty())
        return true;
    if (!pattern.contains(u'*') && !pattern.contains(u'?'))
        return name == pattern;
    const QRegularExpression wildcard(
        QRegularExpression::wildcardToRegularExpression(pattern, QRegularExpression::UnanchoredWildcardConversion));
    return QRegularExpression(QRegularExpression::anchoredPattern(wildcard.pattern())).match(name).hasMatch();
}

} // namespace

bool TSimpleFTP::listFolder(const QString &absoluteFolder, QList<TFindData> &entries, int *curlCode)
{
    if (!Connected() || busy() || !LocalNames::isSafeCommandArgument(absoluteFolder))
        return false;
    CURL *curl = beginRequest();
    QByteArray text;
    qint64 lines = 0;
    session()->onReceive = [this, &text, &lines](const char *data, size_t size) {
        lines += std::count(data, data + size, '\n');
        if (text.size() + qint64(size) > TransferLimits::MaxListingBytes || lines > TransferLimits::MaxListingEntries) {
            m_stopReason = QStringLiteral("Mappeoversigten er større end %1 MB eller %2 poster og læses ikke")
                               .arg(TransferLimits::MaxListingBytes / (1024 * 1024))
                               .arg(TransferLimits::MaxListingEntries);
            return false;
        }
        text.append(data, qsizetype(size));
        return true;
    };
    curl_easy_setopt(curl, CURLOPT_URL, urlFor(RemotePath::addSeparator(absoluteFolder, ftUnix)).toUtf8().constData());
    if (m_machineListing)
        curl_easy_setopt(curl, CURLOPT_CUSTOMREQUEST, "MLSD");
    const int result = runRequest();
    if (curlCode)
        *curlCode = result;
    if (result != CURLE_OK)
        return false;
    entries = m_machineListing ? ListingParser::parseMachineListing(text) : ListingParser::parseLongListing(text);
    return true;
}

int TSimpleFTP::List()
{
    return FindFiles();
}

int TSimpleFTP::FindFiles(const QString &mask, TFindList *list, bool withPath)
{
    if (list)
        list->clear();
    if (!ensureConnected())
        return fail(QStringLiteral("Ikke forbundet!"));
    QString prefix;
    QString folder = m_serverDir;
    QString pattern;
    if (mask.contains(u'/')) {
        prefix = RemotePath::folderPart(mask);
        folder = absolutePath(prefix);
        pattern = RemotePath::namePart(mask);
    } else if (!mask.isEmpty()) {
        prefix = RemotePath::addSeparator(RemoteDir(), m_fileSystemType);
        pattern = mask;
    }
    QList<TFindData> entries;
    int curlCode = CURLE_OK;
    if (!listFolder(folder.isEmpty() ? QStringLiteral("/") : folder, entries, &curlCode)) {
        // A folder that cannot be listed has no entries; a listing cut off
        // or a connection lost is an error.
        if (!m_stopReason.isEmpty() || !Connected())
            failRequest(curlCode, QStringLiteral("Fejl under læsning af mappen %1").arg(folder));
        return 0;
    }
    int count = 0;
    for (const TFindData &entry : std::as_const(entries)) {
        if (!matchesPattern(entry.name, pattern))
            continue;
        if (list)
            list->append({withPath ? prefix + entry.name : entry.name, entry});
        if (!list || list == &m_findList)
            emit OnFindItem(entry);
        ++count;
    }
    return count;
}

bool TSimpleFTP::FindRemoteFile(const QString &path, TFindData *found)
{
    // The folder part of the path names the folder to look in.
    TFindData entry;
    if (!ensureConnected() || !lookUpRemote(absolutePath(path), entry))
        return false;
    if (found)
        *found = entry;
    return true;
}

bool TSimpleFTP::lookUpRemote(const QString &absolutePath, TFindData &found)
{
    QList<TFindData> entries;
    if (!listFolder(RemotePath::folderPart(absolutePath), entries))
        return false;
    const QString name = RemotePath::namePart(absolutePath);
    const TFindData *caseless = nullptr;
    for (const TFindData &entry : std::as_const(entries)) {
        if (entry.name == name) {
            found = entry;
            return true;
        }
        if (!caseless && entry.name.compare(name, Qt::CaseInsensitive) == 0)
            caseless = &entry;
    }
    if (!caseless)
        return false;
    found = *caseless;
    return true;
}

// ---------------------------------------------------------------------------
// Upload

int TSimpleFTP::uploadTo(QIODevice &source, const QString &absoluteTarget, const QString &renameTo)
{
    source.seek(0);
    CURL *curl = beginRequest();
    session()->onSend = [this, &source](char *buffer, size_t size) -> qint64 {
        const qint64 read = source.read(buffer, qint64(size));
        if (read > 0)
            StatusChanged(31, read);
        return read;
    };
    curl_easy_setopt(curl, CURLOPT_URL, urlFor(absoluteTarget).toUtf8().constData());
    curl_easy_setopt(curl, CURLOPT_UPLOAD, 1L);
    curl_easy_setopt(curl, CURLOPT_INFILESIZE_LARGE, curl_off_t(source.size()));
    // The rename rides on the upload's own request: libcurl sends it only
    // after the server confirmed the whole file, and a file costs one request
    // instead of two. "*" keeps the connection when the server refuses; the
    // replies tell the outcome.
    curl_slist *rename = nullptr;
    if (!renameTo.isEmpty()) {
        rename = curl_slist_append(rename, (QStringLiteral("*RNFR ") + absoluteTarget).toUtf8().constData());
        rename = curl_slist_append(rename, (QStringLiteral("*RNTO ") + renameTo).toUtf8().constData());
        curl_easy_setopt(curl, CURLOPT_POSTQUOTE, rename);
    }
    const int result = runRequest();
    curl_slist_free_all(rename);
    return result;
}

bool TSimpleFTP::moveIntoPlace(const QString &from, const QString &to, bool renameTried)
{
    if (renameTried ? lastRequestRenamed() : sendCommand(QStringLiteral("RNFR"), from, to) == Outcome::Done)
        return true;
    // Some servers will not rename over an existing file: the old one steps
    // aside first and comes back when the new one cannot take its place, so
    // the page is briefly missing but never half written nor lost. A server
    // that takes no renames at all keeps its old file.
    const bool renamesTaken = m_protocol == TransferProtocol::Sftp || session()->replyCodeOf(QStringLiteral("RNFR")) == 350;
    if (!Connected() || !renamesTaken)
        return false;
    const QString aside = temporaryNameFor(to);
    if (sendCommand(QStringLiteral("RNFR"), to, aside) != Outcome::Done)
        return false;
    if (sendCommand(QStringLiteral("RNFR"), from, to) == Outcome::Done) {
        sendCommand(QStringLiteral("DELE"), aside);
        return true;
    }
    sendCommand(QStringLiteral("RNFR"), aside, to);
    return false;
}

bool TSimpleFTP::PutFile(const QString &localFile, const QString &remoteFile)
{
    if (!ensureConnected())
        return fail(QStringLiteral("Ikke forbundet!"));
    QFile source(localFile);
    if (!QFileInfo(localFile).isFile() || !source.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("Fejl under overførsel af %1 til %2: Lokal fil ikke fundet").arg(localFile, remoteFile));
    const QString failure = QStringLiteral("Fejl under overførsel af %1 til %2").arg(localFile, remoteFile);
    const QString target = absolutePath(remoteFile);
    if (busy() || !LocalNames::isSafeCommandArgument(target) || RemotePath::namePart(target).isEmpty())
        return fail(failure);

    m_progress.BytesTransferred = 0;
    m_progress.FileSize = source.size();
    m_progress.FileName = QFileInfo(localFile).fileName();

    // The file goes up under a temporary name and is renamed when whole, so
    // a broken transfer never leaves a half-written page under its name.
    const QString temporary = temporaryNameFor(target);
    // SFTP's rename gets a request of its own: a refused one would fail the
    // upload's request with it.
    const bool renameWithUpload = m_protocol != TransferProtocol::Sftp;
    const QString renameTo = renameWithUpload ? target : QString();
    int result = uploadTo(source, temporary, renameTo);
    if (result != CURLE_OK && !Connected() && m_reconnectOnce && ensureConnected()) {
        // Data connections over TLS break now and then against common
        // servers while the session itself is sound: once more on a new one,
        // after the broken piece is gone.
        sendCommand(QStringLiteral("DELE"), temporary);
        m_progress.BytesTransferred = 0;
        result = uploadTo(source, temporary, renameTo);
    }
    if (result != CURLE_OK) {
        if (Connected())
            sendCommand(QStringLiteral("DELE"), temporary);
        return failRequest(result, failure);
    }
    StatusChanged(31, 0);
    if (moveIntoPlace(temporary, target, renameWithUpload))
        return true;
    if (!Connected())
        return fail(failure);
    // Sending the file under its own name instead could leave half a page
    // there for good: the file fails, and the temporary copy goes.
    sendCommand(QStringLiteral("DELE"), temporary);
    return fail(failure + QStringLiteral(": Serveren nægtede at give filen dens navn efter overførslen"));
}

// ---------------------------------------------------------------------------
// Download

bool TSimpleFTP::GetFile(const QString &remoteFile, const QString &localFile)
{
    if (!ensureConnected())
        return fail(QStringLiteral("Ikke forbundet!"));
    const QString failure = QStringLiteral("Fejl under hentning af %1 fra %2").arg(remoteFile, localFile);
    // A name the server made up never leaves the folder the caller gave.
    if (!LocalNames::isSafeFileName(RemotePath::namePart(remoteFile)) || !LocalNames::isSafeTarget(localFile))
        return fail(failure);
    if (m_failIfExistsOnGet && QFileInfo::exists(localFile))
        return false;
    const QString source = absolutePath(remoteFile);
    if (busy() || !LocalNames::isSafeCommandArgument(source))
        return fail(failure);

    m_progress.BytesTransferred = 0;
    m_progress.FileSize = 0; // told by the server when the transfer starts
    m_progress.FileName = QFileInfo(localFile).fileName();

    // Written beside the target and renamed when whole.
    QSaveFile target(localFile);
    target.setDirectWriteFallback(false);
    if (!target.open(QIODevice::WriteOnly))
        return fail(failure);
    // The file is asked for directly: the server's answer tells whether it
    // is there and, mostly, how large it is; no listing of its folder.
    CURL *curl = beginRequest();
    const QString folder = QFileInfo(localFile).absolutePath();
    qint64 uncheckedSpace = 0;
    session()->onReceive = [this, curl, &target, &folder, &uncheckedSpace](const char *data, size_t size) {
        if (m_progress.FileSize == 0) {
            curl_off_t announced = -1;
            curl_easy_getinfo(curl, CURLINFO_CONTENT_LENGTH_DOWNLOAD_T, &announced);
            m_progress.FileSize = std::max<qint64>(announced, 0);
        }
        // libcurl itself reads no more than a size the server told; without
        // one, only the free space bounds a download. It is looked at once a
        // megabyte, so the margin keeps that much in hand.
        uncheckedSpace -= qint64(size);
        if (uncheckedSpace < 0) {
            constexpr qint64 SpaceCheckInterval = 1024 * 1024;
            if (QStorageInfo(folder).bytesAvailable() < m_freeSpaceMargin + SpaceCheckInterval) {
                m_stopReason = QStringLiteral("Der er ikke plads nok på disken");
                return false;
            }
            uncheckedSpace = SpaceCheckInterval;
        }
        if (target.write(data, qint64(size)) != qint64(size))
            return false;
        StatusChanged(41, qint64(size));
        return true;
    };
    curl_easy_setopt(curl, CURLOPT_URL, urlFor(source).toUtf8().constData());
    if (const int result = runRequest(); result != CURLE_OK) {
        target.cancelWriting();
        if (result == CURLE_REMOTE_FILE_NOT_FOUND)
            return fail(QStringLiteral("Fejl under hentning af %1 til %2: Fil på server ikke fundet").arg(remoteFile, localFile));
        return failRequest(result, failure);
    }
    if (!target.commit())
        return fail(failure);
    StatusChanged(41, 0);
    return true;
}
