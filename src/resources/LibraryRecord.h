#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

#include <optional>

// One entry of a library file ("html4bib.dat" and its siblings).
struct LibraryRecord
{
    qint32 Id = -1; // position code in the tree; -1 stands for "no record"
    qint32 HelpKey = -1; // key under which dialogs look up a help text
    qint32 Kind = 0;
    QString Element; // the element an attribute belongs to
    QString Name; // element, attribute, property or word; a special character itself
    QString Description;
    QString Values; // comma list of values or placeholders
    QString Code; // tree caption and inserted code
    QString Extra; // Danish property name of a style property

    bool isNone() const { return Id == -1; }
};

// The fixed 692-byte layout of the library files: three little-endian 32-bit
// integers, six unused bytes, then six length-prefixed text fields. Texts are
// UTF-8 and the widths count bytes.
namespace LibraryRecordFormat {

constexpr int RecordSize = 692;

// The record's bytes, or nothing with the name of the field that does not fit.
std::optional<QByteArray> encode(const LibraryRecord &record, QString *error = nullptr);
// Reads one record from exactly RecordSize bytes; a length byte larger than
// its field is cut to the field.
LibraryRecord decode(QByteArrayView bytes);
// Every whole record of a file's contents; a shorter trailing part is ignored.
QList<LibraryRecord> decodeFile(QByteArrayView contents);

// Tree level told by the number of two-digit groups of a position code (0 for the root).
int levelOf(qint32 id);
// Position code of a node from its index among its siblings at each level,
// counted from level 1 down to the node itself.
qint32 positionCode(const QList<int> &siblingIndexes);

} // namespace LibraryRecordFormat
