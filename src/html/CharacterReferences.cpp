#include "html/CharacterReferences.h"

QString ReplaceAll(const QString &text, const QString &find, const QString &replacement)
{
    // One pass that never looks at what it has written. Replacing the first
    // occurrence and searching again from the start, round after round, gives
    // the same text whenever a replacement cannot take part in a new match, as
    // on every table here (a letter against an ASCII reference); that way costs
    // time quadratic in the matches and never ends when the replacement holds
    // the searched text, where this pass replaces each original occurrence once.
    if (find.isEmpty())
        return text;
    qsizetype at = text.indexOf(find, 0, Qt::CaseSensitive);
    if (at < 0)
        return text;
    QString out;
    out.reserve(text.size());
    qsizetype copied = 0;
    while (at >= 0) {
        out += QStringView(text).mid(copied, at - copied);
        out += replacement;
        copied = at + find.size();
        at = text.indexOf(find, copied, Qt::CaseSensitive);
    }
    out += QStringView(text).mid(copied);
    return out;
}

const DanishReference DanishReferenceTable[6] = {
    {QChar(0xE6), QLatin1StringView("&aelig;"), QLatin1StringView("&#230;")},
    {QChar(0xF8), QLatin1StringView("&oslash;"), QLatin1StringView("&#248;")},
    {QChar(0xE5), QLatin1StringView("&aring;"), QLatin1StringView("&#229;")},
    {QChar(0xC6), QLatin1StringView("&AElig;"), QLatin1StringView("&#198;")},
    {QChar(0xD8), QLatin1StringView("&Oslash;"), QLatin1StringView("&#216;")},
    {QChar(0xC5), QLatin1StringView("&Aring;"), QLatin1StringView("&#197;")},
};

namespace {

constexpr int DanishRows = int(std::size(DanishReferenceTable));

void tell(const ConversionProgress &progress, int percent)
{
    if (progress)
        progress(percent);
}

// The list also offers references to ASCII characters ("&semi;", "&equals;") and second names
// of the first seven characters ("&AMP;"): converting those would turn the markup against
// itself, so the whole-text conversions leave such rows alone.
bool isConvertible(const QList<SpecialCharacterRow> &rows, qsizetype row)
{
    const QString &character = rows[row].character;
    for (const QChar c : character) {
        if (c.unicode() < 0x80)
            return false;
    }
    for (qsizetype kept = 0; kept < FirstConvertedSpecialRow && kept < rows.size(); ++kept) {
        if (rows[kept].character == character)
            return false;
    }
    return !character.isEmpty();
}

} // namespace

QString DanishToReferences(const QString &text, const ConversionProgress &progress)
{
    QString out = text;
    for (int row = 0; row < DanishRows; ++row) {
        const DanishReference &entry = DanishReferenceTable[row];
        out = ReplaceAll(out, QString(entry.letter), QString(entry.named));
        tell(progress, (row + 1) * 100 / DanishRows);
    }
    return out;
}

QString ReferencesToDanish(const QString &text, const ConversionProgress &progress)
{
    QString out = text;
    if (out.contains(QLatin1Char('&'))) {
        for (int row = 0; row < DanishRows; ++row) {
            const DanishReference &entry = DanishReferenceTable[row];
            out = ReplaceAll(out, QString(entry.named), QString(entry.letter));
            tell(progress, (row + 1) * 100 / DanishRows);
        }
    }
    if (out.contains(QLatin1String("&#"))) {
        for (const DanishReference &entry : DanishReferenceTable)
            out = ReplaceAll(out, QString(entry.numeric), QString(entry.letter));
    }
    return out;
}

QString SpecialToReferences(const QString &text, const QList<SpecialCharacterRow> &rows,
                            const ConversionProgress &progress)
{
    QString out = text;
    const qsizetype count = rows.size();
    for (qsizetype row = FirstConvertedSpecialRow; row < count; ++row) {
        if (!rows[row].html.isEmpty() && isConvertible(rows, row))
            out = ReplaceAll(out, rows[row].character, rows[row].html);
        tell(progress, int(row * 100 / count));
    }
    return out;
}

QString ReferencesToSpecial(const QString &text, const QList<SpecialCharacterRow> &rows,
                            const ConversionProgress &progress)
{
    if (!text.contains(QLatin1Char('&')))
        return text;
    QString out = text;
    const qsizetype count = rows.size();
    for (qsizetype row = FirstConvertedSpecialRow; row < count; ++row) {
        if (isConvertible(rows, row))
            out = ReplaceAll(out, rows[row].html, rows[row].character);
        tell(progress, int(row * 100 / count));
    }
    return out;
}
