#pragma once

#include "resources/LibraryRecord.h"

#include <QFile>
#include <QList>
#include <QString>

#include <gtest/gtest.h>

// Library records for tests, written in the real file layout.
inline LibraryRecord libraryRecord(qint32 id, qint32 kind, const QString &code, const QString &name = QString(),
                                   const QString &element = QString(), const QString &values = QString())
{
    LibraryRecord record;
    record.Id = id;
    record.Kind = kind;
    record.Code = code;
    record.Name = name;
    record.Element = element;
    record.Values = values;
    record.Description = QStringLiteral("Om ") + code;
    return record;
}

inline QByteArray recordBytes(const QList<LibraryRecord> &records)
{
    QByteArray bytes;
    for (const LibraryRecord &record : records) {
        QString error;
        const auto encoded = LibraryRecordFormat::encode(record, &error);
        EXPECT_TRUE(encoded) << error.toStdString();
        if (encoded)
            bytes += *encoded;
    }
    return bytes;
}

inline void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}
