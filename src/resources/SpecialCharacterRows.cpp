#include "resources/SpecialCharacterRows.h"

#include "resources/LibraryRecord.h"

#include <QFile>

std::optional<QList<SpecialCharacterRow>> ReadSpecialCharacterRows(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QList<SpecialCharacterRow> rows;
    for (const LibraryRecord &record : LibraryRecordFormat::decodeFile(file.readAll()))
        rows.append({record.Name, record.Values, record.Code});
    return rows;
}
