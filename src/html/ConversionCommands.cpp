#include "html/ConversionCommands.h"

#include "editor/EditableText.h"
#include "editor/TextCharacters.h"
#include "html/AsciiText.h"
#include "html/CharacterReferences.h"
#include "html/MarkupCase.h"
#include "html/MarkupStrip.h"

#include <algorithm>
#include <optional>

namespace {

// How much of a stretch is converted at a time when it is handed on in pieces.
constexpr qsizetype PieceSize = 1 << 20;

std::optional<ConversionRange> elementRange(QStringView text, const QByteArray &name)
{
    const QByteArray start = "<" + name;
    const QByteArray end = "</" + name + ">";
    const qsizetype from = AsciiText::indexOf(text, QLatin1StringView(start));
    if (from < 0)
        return std::nullopt;
    ConversionRange range;
    range.from = from;
    range.innerFrom = from + start.size();
    range.element = QString::fromLatin1(name);
    const qsizetype close = AsciiText::indexOf(text, QLatin1StringView(end), range.innerFrom);
    range.closed = close >= 0;
    range.innerTo = range.closed ? close : text.size();
    range.to = range.closed ? close + end.size() : text.size();
    return range;
}

// The line and column of a place in a text, with the line breaks an editor knows.
TextPos placeOfIndex(QStringView text, qsizetype index)
{
    TextPos place;
    qsizetype lineStart = 0;
    for (qsizetype i = 0; i < index; ++i) {
        if (text[i] == QLatin1Char('\r') || text[i] == QLatin1Char('\n')) {
            if (text[i] == QLatin1Char('\r') && i + 1 < index && text[i + 1] == QLatin1Char('\n'))
                ++i;
            ++place.line;
            lineStart = i + 1;
        }
    }
    place.column = int(TextCharacters::characterCount(text.mid(lineStart, index - lineStart)));
    return place;
}

} // namespace

QString ConversionRange::replacement(const QString &text, const Converter &convert) const
{
    const QString inner = convert(text.mid(innerFrom, innerTo - innerFrom));
    if (element.isEmpty())
        return inner;
    QString replaced = QLatin1String("<") + element + inner;
    if (closed)
        replaced += QLatin1String("</") + element + QLatin1String(">");
    return replaced;
}

QString ConversionRange::apply(const QString &text, const Converter &convert) const
{
    return text.left(from) + replacement(text, convert) + text.mid(to);
}

void ConversionRange::applyInPieces(QStringView text, const Converter &convert, const TextPieces &write) const
{
    write(text.first(from));
    if (!element.isEmpty())
        write(QString(QLatin1String("<") + element));
    const QStringView inner = text.sliced(innerFrom, innerTo - innerFrom);
    for (qsizetype at = 0; at < inner.size();) {
        const qsizetype cut = CharacterConversionCut(inner, std::min(at + PieceSize, inner.size()));
        write(convert(inner.sliced(at, cut - at).toString()));
        at = cut;
    }
    if (closed)
        write(QString(QLatin1String("</") + element + QLatin1String(">")));
    write(text.sliced(to));
}

ConversionRange CharacterConversionRange(QStringView text)
{
    for (const char *name : {"body", "noframes"}) {
        if (const auto range = elementRange(text, name))
            return *range;
    }
    ConversionRange whole;
    whole.to = whole.innerTo = text.size();
    return whole;
}

void ConvertDocumentCharacters(EditableText &text, const Converter &convert)
{
    if (text.IsReadOnly())
        return;
    if (text.GetSelLength() > 0) {
        text.ReplaceSelection(convert(text.GetSelText()));
        return;
    }
    const QString content = text.GetText();
    const ConversionRange range = CharacterConversionRange(content);
    if (range.element.isEmpty()) {
        text.SetText(convert(content));
        return;
    }
    text.SetSelection(SelectionRecord::between(placeOfIndex(content, range.from), placeOfIndex(content, range.to)));
    text.ReplaceSelection(range.replacement(content, convert));
}

void ConvertDocumentMarkup(EditableText &text, bool upper, bool xhtml)
{
    if (text.IsReadOnly())
        return;
    const int firstShown = text.firstShownLine();
    const SelectionRecord selection = text.GetSelection();
    text.SetText(ConvertMarkupCase(text.GetText(), upper, xhtml));
    text.setFirstShownLine(firstShown);
    text.SetSelection(selection);
}

void StripDocumentMarkup(EditableText &text)
{
    if (text.IsReadOnly())
        return;
    const QString stripped = StripMarkup(text.GetText());
    text.SelectAll();
    text.ReplaceSelection(stripped);
}
