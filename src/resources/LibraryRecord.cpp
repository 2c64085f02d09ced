#include "resources/LibraryRecord.h"

#include <QtEndian>

#include <array>
#include <cstring>

namespace LibraryRecordFormat {
namespace {

struct TextField
{
    QString LibraryRecord::*member;
    int offset;
    int size; // length byte included
    const char *name;
};

constexpr std::array<TextField, 6> TextFields{{
    {&LibraryRecord::Element, 18, 64, "Element"},
    {&LibraryRecord::Name, 82, 32, "Name"},
    {&LibraryRecord::Description, 114, 256, "Description"},
    {&LibraryRecord::Values, 370, 256, "Values"},
    {&LibraryRecord::Code, 626, 32, "Code"},
    {&LibraryRecord::Extra, 658, 34, "Extra"},
}};

constexpr int IdOffset = 0;
constexpr int HelpKeyOffset = 4;
constexpr int KindOffset = 8;

} // namespace

std::optional<QByteArray> encode(const LibraryRecord &record, QString *error)
{
    QByteArray bytes(RecordSize, '\0');
    qToLittleEndian<qint32>(record.Id, bytes.data() + IdOffset);
    qToLittleEndian<qint32>(record.HelpKey, bytes.data() + HelpKeyOffset);
    qToLittleEndian<qint32>(record.Kind, bytes.data() + KindOffset);
    for (const TextField &field : TextFields) {
        const QByteArray text = (record.*field.member).toUtf8();
        if (text.size() > field.size - 1) {
            if (error)
                *error = QStringLiteral("%1 is %2 bytes, the field holds %3")
                             .arg(QLatin1String(field.name))
                             .arg(text.size())
                             .arg(field.size - 1);
            return std::nullopt;
        }
        bytes[field.offset] = char(text.size());
        std::memcpy(bytes.data() + field.offset + 1, text.constData(), size_t(text.size()));
    }
    return bytes;
}

LibraryRecord decode(QByteArrayView bytes)
{
    Q_ASSERT(bytes.size() == RecordSize);
    LibraryRecord record;
    record.Id = qFromLittleEndian<qint32>(bytes.data() + IdOffset);
    record.HelpKey = qFromLittleEndian<qint32>(bytes.data() + HelpKeyOffset);
    record.Kind = qFromLittleEndian<qint32>(bytes.data() + KindOffset);
    for (const TextField &field : TextFields) {
        const int length = qMin(int(quint8(bytes[field.offset])), field.size - 1);
        record.*field.member = QString::fromUtf8(bytes.sliced(field.offset + 1, length));
    }
    return record;
}

QList<LibraryRecord> decodeFile(QByteArrayView contents)
{
    QList<LibraryRecord> records;
    records.reserve(contents.size() / RecordSize);
    for (qsizetype at = 0; at + RecordSize <= contents.size(); at += RecordSize)
        records.append(decode(contents.sliced(at, RecordSize)));
    return records;
}

int levelOf(qint32 id)
{
    int level = 0;
    for (qint64 rest = id; rest > 0; rest /= 100)
        ++level;
    return level;
}

qint32 positionCode(const QList<int> &siblingIndexes)
{
    qint64 code = 0;
    qint64 weight = 1;
    for (const int index : siblingIndexes) {
        code += (index + 1) * weight;
        weight *= 100;
    }
    return qint32(code);
}

} // namespace LibraryRecordFormat
