#include "resources/SpecialCharacters.h"

#include "resources/LibraryRecord.h"

#include <QFile>

std::optional<QList<SpecialCharacterRow>> LoadSpecialCharacterRows(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray contents = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    QList<SpecialCharacterRow> rows;
    for (const LibraryRecord &record : LibraryRecordFormat::decodeFile(contents))
        rows.append({record.Name, record.Values, record.Code});
    return rows;
}
