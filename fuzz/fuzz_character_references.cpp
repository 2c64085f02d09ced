// The four character conversions on any text, with the special-character list
// the program ships: no crash, the one-pass conversions equal to replacing row
// by row (so the same result every time), a second run changing nothing, and
// the round trips that must hold.
#include "FuzzText.h"
#include "html/CharacterReferences.h"
#include "html/PlainConversions.h"
#include "resources/LibraryRecord.h"

#include <QFile>

namespace {

QList<SpecialCharacterRow> shippedSpecialCharacters()
{
    QFile file(QStringLiteral(PAGEWICK_BUILD_DATA_DIR "/specialtegn.dat"));
    require(file.open(QIODevice::ReadOnly));
    QList<SpecialCharacterRow> rows;
    for (const LibraryRecord &record : LibraryRecordFormat::decodeFile(file.readAll()))
        rows.append({record.Name, record.Values, record.Code});
    require(rows.size() > FirstConvertedSpecialRow);
    return rows;
}

QList<Plain::SpecialRow> plainRows(const QList<SpecialCharacterRow> &rows)
{
    QList<Plain::SpecialRow> plain;
    for (const SpecialCharacterRow &row : rows)
        plain.append({row.character, row.html});
    return plain;
}

void checkDanishLetters(const QString &text)
{
    const QString coded = DanishToReferences(text);
    const QString letters = ReferencesToDanish(text);
    require(coded == DanishToReferences(text) && letters == ReferencesToDanish(text));
    QString codedRowByRow = text;
    QString lettersRowByRow = text;
    for (const DanishReference &row : DanishReferenceTable) {
        codedRowByRow = ReplaceAll(codedRowByRow, QString(row.letter), QString(row.named));
        lettersRowByRow = ReplaceAll(lettersRowByRow, QString(row.named), QString(row.letter));
        lettersRowByRow = ReplaceAll(lettersRowByRow, QString(row.numeric), QString(row.letter));
    }
    require(coded == codedRowByRow && letters == lettersRowByRow);
    // References are ASCII and letters are not, so neither direction makes
    // work for a second run of itself.
    require(DanishToReferences(coded) == coded && ReferencesToDanish(letters) == letters);
    // A text without references of its own comes back from its references whole.
    if (letters == text)
        require(ReferencesToDanish(coded) == text);
}

void checkSpecialCharacters(const QString &text)
{
    static const QList<SpecialCharacterRow> rows = shippedSpecialCharacters();
    static const QList<Plain::SpecialRow> plain = plainRows(rows);
    // Building the list's tables costs more than converting a short text, so
    // each conversion runs only as often as a property needs it.
    const QString coded = SpecialToReferences(text, rows);
    const QString characters = ReferencesToSpecial(text, rows);
    require(coded == Plain::specialToReferences(text, plain, FirstConvertedSpecialRow));
    require(characters == Plain::referencesToSpecial(text, plain, FirstConvertedSpecialRow));
    require(SpecialToReferences(coded, rows) == coded);
    if (characters == text)
        require(ReferencesToSpecial(coded, rows) == text);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const FuzzText input(data, size);
    checkDanishLetters(input.text);
    checkSpecialCharacters(input.text);
    return 0;
}
