#include "preview/TemporaryCopy.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

constexpr int MaxNameTries = 1000;

// "~name", then "~2~name", "~3~name"...: the extension stays, so a browser
// still knows the page for what it is.
QString candidateName(const QString &fileName, int attempt)
{
    if (attempt == 1)
        return QLatin1Char('~') + fileName;
    return QStringLiteral("~%1~%2").arg(attempt).arg(fileName);
}

bool isTaken(const QString &path)
{
    // A dangling symbolic link does not exist, but writing through it would still create its target.
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

// The first name not taken, or empty after many tries.
QString freeName(const QString &folder, const QString &fileName)
{
    for (int attempt = 1; attempt <= MaxNameTries; ++attempt) {
        const QString path = QDir(folder).filePath(candidateName(fileName, attempt));
        if (!isTaken(path))
            return path;
    }
    return {};
}

} // namespace

TemporaryCopy::~TemporaryCopy()
{
    remove();
}

std::optional<QString> TemporaryCopy::write(const QString &documentPath, int tab, const QString &scratchFolder,
                                            const QString &text, FileEncoding encoding, QString *failure)
{
    remove();
    const bool saved = !documentPath.isEmpty();
    const QString folder = saved ? QFileInfo(documentPath).absolutePath() : scratchFolder;
    const QString fileName = saved ? QFileInfo(documentPath).fileName() : QStringLiteral("pwtmp%1.htm").arg(tab);
    const QString path = freeName(folder, fileName);
    if (path.isEmpty()) {
        if (failure)
            *failure = QStringLiteral("Der er intet ledigt navn til en midlertidig kopi af %1 i %2.")
                           .arg(fileName, QDir::toNativeSeparators(folder));
        return std::nullopt;
    }
    FileWriteError error;
    if (!writeFileAtomically(path, encodedFromUtf8(text.toUtf8(), encoding), &error)) {
        if (failure)
            *failure = QStringLiteral("Den midlertidige kopi %1 kunne ikke skrives: %2.")
                           .arg(QDir::toNativeSeparators(path), error.reason());
        return std::nullopt;
    }
    const QFileInfo written(path);
    m_stamp = {written.size(), written.lastModified()};
    m_path = path;
    return path;
}

void TemporaryCopy::remove()
{
    if (m_path.isEmpty())
        return;
    if (copyUnchanged())
        QFile::remove(m_path);
    m_path.clear();
}

bool TemporaryCopy::copyUnchanged() const
{
    // Changed since it was written, or replaced by a file of the user's, it is no longer the program's.
    const QFileInfo info(m_path);
    return info.isFile() && !info.isSymLink() && info.size() == m_stamp.size && info.lastModified() == m_stamp.modified;
}
