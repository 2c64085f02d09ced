// The four character conversions on any text, with the special-character list
// the program ships: no crash, the one-pass conversions equal to replacing row
// by row (so the same result every time), a second run changing nothing, and
// the round trips that must hold.
#include "FuzzText.h"
#include "html/CharacterReferences.h"
#include "html/PlainConversions.h"
#include "resources/SpecialCharacters.h"

namespace {

QList<SpecialCharacterRow> shippedSpecialCharacters()
{
    const std::optional<QList<SpecialCharacterRow>> rows = LoadSpecialCharacterRows(
        QStringLiteral(PAGEWICK_BUILD_DATA_DIR "/specialtegn.dat"));
    require(rows && rows->size() > FirstConvertedSpecialRow);
    return *rows;
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
    // Building the list's tables costs more than converting a short text, so
    // each conversion runs only as often as a property needs it.
    const QString coded = SpecialToReferences(text, rows);
    const QString characters = ReferencesToSpecial(text, rows);
    require(coded == Plain::specialToReferences(text, rows, FirstConvertedSpecialRow));
    require(characters == Plain::referencesToSpecial(text, rows, FirstConvertedSpecialRow));
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
