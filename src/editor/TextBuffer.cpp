#include "editor/TextBuffer.h"

#include "editor/TextCharacters.h"
#include "editor/TextSearch.h"

#include <algorithm>

TextBuffer::TextBuffer(QString text, QString defaultLineBreak)
    : m_defaultLineBreak(std::move(defaultLineBreak))
{
    SetText(text);
    m_modified = false;
}

void TextBuffer::SetText(const QString &text)
{
    m_text = text;
    m_lineBreak = TextCharacters::detectLineBreak(m_text, m_defaultLineBreak);
    m_lineStarts.clear();
    m_selection = SelectionRecord::at({1, 0});
    m_modified = true;
}

void TextBuffer::indexLines() const
{
    if (!m_lineStarts.isEmpty())
        return;
    m_lineEnds.clear();
    m_lineStarts.append(0);
    const qsizetype size = m_text.size();
    const QChar *data = m_text.constData();
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = data[i];
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            m_lineEnds.append(i);
            if (c == QLatin1Char('\r') && i + 1 < size && data[i + 1] == QLatin1Char('\n'))
                ++i;
            m_lineStarts.append(i + 1);
        }
    }
    m_lineEnds.append(size);
}

int TextBuffer::GetTextLength() const
{
    return static_cast<int>(TextCharacters::characterCount(m_text));
}

int TextBuffer::GetLineCount() const
{
    indexLines();
    return static_cast<int>(m_lineStarts.size());
}

QStringView TextBuffer::lineView(int line) const
{
    indexLines();
    if (line < 1 || line > m_lineStarts.size())
        return {};
    const qsizetype start = m_lineStarts[line - 1];
    return QStringView(m_text).mid(start, m_lineEnds[line - 1] - start);
}

QString TextBuffer::GetLine(int line) const
{
    return lineView(line).toString();
}

int TextBuffer::GetLineLength(int line) const
{
    return static_cast<int>(TextCharacters::characterCount(lineView(line)));
}

qsizetype TextBuffer::offsetOf(TextPos place) const
{
    place = clamp(place);
    return m_lineStarts[place.line - 1] + TextCharacters::indexOfColumn(lineView(place.line), place.column);
}

TextPos TextBuffer::placeOf(qsizetype offset) const
{
    indexLines();
    const auto after = std::upper_bound(m_lineStarts.cbegin(), m_lineStarts.cend(), offset);
    const int line = static_cast<int>(after - m_lineStarts.cbegin());
    const qsizetype start = m_lineStarts[line - 1];
    return {line, static_cast<int>(TextCharacters::characterCount(QStringView(m_text).mid(start, offset - start)))};
}

void TextBuffer::SetSelection(const SelectionRecord &selection)
{
    m_selection = SelectionRecord::between(clamp(selection.anchor()), clamp(selection.caret()));
}

QString TextBuffer::textBetween(TextPos from, TextPos to) const
{
    const qsizetype a = offsetOf(from);
    const qsizetype b = offsetOf(to);
    return m_text.mid(std::min(a, b), std::abs(b - a));
}

void TextBuffer::replaceRange(TextPos from, TextPos to, const QString &text)
{
    const qsizetype a = offsetOf(from);
    const qsizetype b = offsetOf(to);
    m_text.replace(a, b - a, text);
    m_lineStarts.clear();
    m_modified = true;
    m_selection = SelectionRecord::at(placeOf(a + text.size()));
}

std::optional<EditableText::Match> TextBuffer::findText(const QString &what, TextPos from, bool forward,
                                                        const SearchOptions &options) const
{
    const std::optional<qsizetype> at = findInText(m_text, what, offsetOf(from), forward, options);
    if (!at)
        return std::nullopt;
    return Match{placeOf(*at), placeOf(*at + what.size())};
}
