#include "files/GeneralFacts.h"

#include "core/DanishLocale.h"
#include "files/FileTexts.h"

#include <QDir>
#include <QFileInfo>
#include <QMimeDatabase>

namespace {

QString folderText(const QString &folder)
{
    return folder.endsWith(u'/') ? folder : folder + u'/';
}

QString dateText(const QDateTime &date)
{
    return date.isValid() ? danishLocale().toString(date, QLocale::ShortFormat) : QStringLiteral("-");
}

} // namespace

QString FileTypeName(const QString &path)
{
    return QMimeDatabase().mimeTypeForFile(path).comment();
}

GeneralFacts FileGeneralFacts(const QString &path)
{
    const QFileInfo info(path);
    GeneralFacts facts;
    facts.fileName = info.fileName();
    facts.typeName = FileTypeName(path);
    facts.folder = folderText(info.absolutePath());
    facts.size = FormatSize(info.isFile() ? info.size() : -1, true);
    const QString modified = FileDateText(path);
    if (!modified.isEmpty())
        facts.modified = modified;
    return facts;
}

GeneralFacts ListedGeneralFacts(const ListedFileFacts &listed)
{
    GeneralFacts facts;
    facts.fileName = listed.name;
    facts.typeName = listed.typeName;
    facts.folder = listed.folder;
    facts.size = FormatSize(listed.size, true);
    facts.created = dateText(listed.created);
    facts.modified = dateText(listed.modified);
    facts.lastOpened = dateText(listed.lastAccess);
    return facts;
}
