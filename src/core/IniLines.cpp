#include "core/IniLines.h"

namespace {

enum class Kind { Blank, Header, Value, Damaged };

// What one physical line is, read as the INI reader reads it: a backslash
// escapes the next character, quotes hide "=" and ";", and an unquoted ";"
// begins a comment.
Kind kindOf(QByteArrayView line)
{
    line = line.trimmed();
    if (line.isEmpty() || line.startsWith(';'))
        return Kind::Blank;
    bool inQuotes = false;
    bool hasEquals = false;
    qsizetype end = line.size();
    for (qsizetype i = 0; i < line.size(); ++i) {
        const char ch = line[i];
        if (ch == '\\') {
            if (++i == line.size())
                return Kind::Damaged; // would join the next line
        } else if (ch == '"') {
            inQuotes = !inQuotes;
        } else if (!inQuotes && ch == '=') {
            hasEquals = true;
        } else if (!inQuotes && ch == ';') {
            end = i;
            break;
        }
    }
    if (inQuotes)
        return Kind::Damaged; // would run on over the following lines
    if (line.startsWith('['))
        return line.first(end).contains(']') ? Kind::Header : Kind::Damaged;
    return hasEquals ? Kind::Value : Kind::Damaged;
}

} // namespace

IniLines wholeIniLines(QByteArrayView text)
{
    if (text.startsWith("\xef\xbb\xbf"))
        text = text.sliced(3);
    IniLines result;
    bool sectionKnown = true;
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = start;
        while (end < text.size() && text[end] != '\n' && text[end] != '\r')
            ++end;
        const QByteArrayView line = text.sliced(start, end - start);
        start = end + 1;
        switch (kindOf(line)) {
        case Kind::Blank:
            break;
        case Kind::Header:
            sectionKnown = true;
            result.whole.append(line).append('\n');
            break;
        case Kind::Value:
            if (sectionKnown)
                result.whole.append(line).append('\n');
            else
                result.damaged = true;
            break;
        case Kind::Damaged:
            // The values below a broken header would otherwise join the
            // section above it.
            if (line.trimmed().startsWith('['))
                sectionKnown = false;
            result.damaged = true;
            break;
        }
    }
    return result;
}
