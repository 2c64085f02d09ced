#include "html/MarkupCase.h"

#include "html/AsciiText.h"

#include <algorithm>
#include <array>
#include <limits>

// The text is cut into pieces: the text between tags is copied as it is and
// each tag is converted on its own. A tag runs from "<" to the first ">" that
// is not inside double quotes; a comment, a "<% %>" or a "<? ?>" block runs to
// its own closing mark; after a script start tag the next piece is the script's
// end tag, so the script between stays as written. A piece without its closing
// mark ends at the next ">", or at the end of the text.
//
// Every search only moves forward, so the whole conversion is one pass over
// the text, however the tags and quotes are placed.

namespace {

// Tags are often written across lines, so a tab or a line break separates
// names and ends an unquoted value just as a space does.
bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\r') || c == QLatin1Char('\n');
}

// Elements that never have content, closed with " /" in XHTML style; the
// name is compared ignoring the case of A-Z.
bool isEmptyElement(QStringView name)
{
    static const std::array<QLatin1StringView, 12> names = {
        QLatin1StringView("hr"),      QLatin1StringView("img"),   QLatin1StringView("embed"), QLatin1StringView("frame"),
        QLatin1StringView("bgsound"), QLatin1StringView("input"), QLatin1StringView("meta"),  QLatin1StringView("link"),
        QLatin1StringView("area"),    QLatin1StringView("base"),  QLatin1StringView("col"),   QLatin1StringView("br"),
    };
    return std::any_of(names.begin(), names.end(),
                       [&](QLatin1StringView n) { return name.size() == n.size() && AsciiText::startsWithAt(name, 0, n); });
}

// The element name as the element table looks it up: from the character after
// "<" to the first blank, "/" or ">" before the tag's last character. An end
// tag has an empty name.
QStringView elementName(QStringView tag)
{
    if (tag.size() < 2)
        return {};
    qsizetype stop = tag.size() - 1;
    for (qsizetype k = 1; k < tag.size() - 1; ++k) {
        if (isBlank(tag[k]) || tag[k] == QLatin1Char('/') || tag[k] == QLatin1Char('>')) {
            stop = k;
            break;
        }
    }
    return tag.mid(1, stop - 1);
}

// The first occurrence of a word (ignoring the case of A-Z) at or after a
// place that only ever moves forward; each stretch of text is searched once.
class ForwardSearch
{
public:
    ForwardSearch(QStringView text, QLatin1StringView lowerWord)
        : m_text(text)
        , m_word(lowerWord)
    {
    }

    qsizetype from(qsizetype place)
    {
        if (m_found == Unsearched || (m_found != None && m_found < place))
            m_found = AsciiText::indexOf(m_text, m_word, place);
        return m_found;
    }

private:
    static constexpr qsizetype Unsearched = -2;
    static constexpr qsizetype None = -1;
    QStringView m_text;
    QLatin1StringView m_word;
    qsizetype m_found = Unsearched;
};

// The first ">" at or after a place that is not inside double quotes, counting
// quotes from that place on. A ">" qualifies when the number of quotes between
// the place and it is even, that is when the quotes before it have the same
// parity as the quotes before the place; keeping the next ">" of each parity
// lets every query reuse the previous scan.
class UnquotedCloseSearch
{
public:
    explicit UnquotedCloseSearch(QStringView text)
        : m_text(text)
    {
    }

    qsizetype from(qsizetype place)
    {
        for (; m_parityPlace < place; ++m_parityPlace) {
            if (m_text[m_parityPlace] == QLatin1Char('"'))
                m_parity ^= 1;
        }
        qsizetype &found = m_next[m_parity];
        if (found == Unsearched || (found != None && found < place)) {
            found = None;
            int parity = m_parity;
            for (qsizetype i = place; i < m_text.size(); ++i) {
                if (m_text[i] == QLatin1Char('"')) {
                    parity ^= 1;
                } else if (m_text[i] == QLatin1Char('>') && parity == m_parity) {
                    found = i;
                    break;
                }
            }
        }
        return found;
    }

private:
    static constexpr qsizetype Unsearched = -2;
    static constexpr qsizetype None = -1;
    QStringView m_text;
    qsizetype m_parityPlace = 0;
    int m_parity = 0; // of the quotes before m_parityPlace
    qsizetype m_next[2] = {Unsearched, Unsearched};
};

QChar changeCase(QChar c, bool upper)
{
    return QChar(upper ? AsciiText::upper(c.unicode()) : AsciiText::lower(c.unicode()));
}

// Names change case; values keep theirs. With xhtml an unquoted value gets its
// quotes: the opening one after "=", the closing one before the blank, ">" or
// "/>" that follows it. The converted tag is appended to `out`.
void appendConvertedNames(QString &out, QStringView tag, bool upper, bool xhtml)
{
    bool inValue = false;
    bool inQuotes = false;
    bool quotePending = false;
    const qsizetype length = tag.size();
    for (qsizetype i = 0; i < length; ++i) {
        const QChar c = tag[i];
        if (c == QLatin1Char('=') && !inValue) {
            inValue = true;
            out += c;
            if (xhtml && (i + 1 == length || tag[i + 1] != QLatin1Char('"'))) {
                out += QLatin1Char('"');
                quotePending = true;
            }
        } else if (c == QLatin1Char('"') && !inValue) {
            // A quoted value without a name, as the public identifier of a doctype.
            inValue = inQuotes = true;
            out += c;
        } else if (inValue) {
            if (c == QLatin1Char('"') && inQuotes)
                inQuotes = inValue = false;
            else if (c == QLatin1Char('"'))
                inQuotes = true;
            else if (isBlank(c) && !inQuotes)
                inValue = false;
            const bool closesTag = c == QLatin1Char('/') && i + 2 == length && tag[i + 1] == QLatin1Char('>');
            if (quotePending && (isBlank(c) || c == QLatin1Char('>') || closesTag)) {
                out += QLatin1Char('"');
                quotePending = false;
            }
            out += c;
        } else {
            out += changeCase(c, upper);
        }
    }
}

// Appends the converted tag to `out`; `scratch` holds a tag that gets " /",
// reused from tag to tag so that a tag costs no allocation of its own.
void appendConvertedTag(QString &out, QString &scratch, QStringView piece, bool upper, bool xhtml)
{
    QStringView tag = piece;
    if (xhtml && tag.size() >= 2 && tag.back() == QLatin1Char('>') && tag[tag.size() - 2] != QLatin1Char('/')
        && isEmptyElement(elementName(tag))) {
        scratch.resize(0);
        scratch += tag.chopped(1);
        scratch += QLatin1String(" />");
        tag = scratch;
    }
    const bool serverBlock = tag.size() >= 2 && (tag[1] == QLatin1Char('%') || tag[1] == QLatin1Char('?'));
    if (serverBlock || tag.startsWith(QLatin1String("<!-")))
        out += tag;
    else
        appendConvertedNames(out, tag, upper, xhtml);
}

// How much converted text is gathered before it is handed on in pieces.
constexpr qsizetype PieceSize = 1 << 20;

// With xhtml the first HTML public doctype of the converted text is written
// in its usual case. Converted text is handed on only where a piece ended
// with its ">" (or before anything); the doctype holds no ">" and begins with
// its only "<", so it never runs across that place, and the first piece that
// holds one holds it whole.
class DoctypeCase
{
public:
    explicit DoctypeCase(bool xhtml)
        : m_pending(xhtml)
    {
    }

    void apply(QString &out)
    {
        if (!m_pending)
            return;
        const QLatin1StringView doctype("<!doctype html public");
        const qsizetype at = AsciiText::indexOf(out, doctype);
        if (at >= 0) {
            out.replace(at, doctype.size(), QLatin1String("<!DOCTYPE html PUBLIC"));
            m_pending = false;
        }
    }

private:
    bool m_pending;
};

// Converts a text with "<" into `out`, handing `out` to `handOn` whenever it
// holds at least `pieceSize` characters at the end of a piece, and at the end.
template <typename HandOn> void convertPieces(QStringView view, bool upper, bool xhtml, qsizetype pieceSize, HandOn handOn)
{
    const qsizetype length = view.size();
    ForwardSearch scriptEnd(view, QLatin1StringView("</script"));
    ForwardSearch commentEnd(view, QLatin1StringView("-->"));
    ForwardSearch questionEnd(view, QLatin1StringView("?>"));
    ForwardSearch percentEnd(view, QLatin1StringView("%>"));
    UnquotedCloseSearch tagEnd(view);
    DoctypeCase doctype(xhtml);

    QString out;
    const qsizetype expected = std::min(length, pieceSize);
    out.reserve(expected + expected / 16);
    QString scratch;
    qsizetype place = 0;
    bool afterScriptStart = false;
    while (place < length) {
        if (out.size() >= pieceSize) {
            doctype.apply(out);
            handOn(out);
            out.resize(0);
        }
        qsizetype from = -1;
        qsizetype end = -1; // the piece's last character
        if (afterScriptStart) {
            from = scriptEnd.from(place);
        } else {
            from = view.indexOf(QLatin1Char('<'), place);
            if (AsciiText::startsWithAt(view, from, QLatin1StringView("<!--"))) {
                const qsizetype mark = commentEnd.from(from);
                end = mark < 0 ? -1 : mark + 2;
            } else if (AsciiText::startsWithAt(view, from, QLatin1StringView("<?"))) {
                const qsizetype mark = questionEnd.from(from);
                end = mark < 0 ? -1 : mark + 1;
            } else if (AsciiText::startsWithAt(view, from, QLatin1StringView("<%"))) {
                const qsizetype mark = percentEnd.from(from);
                end = mark < 0 ? -1 : mark + 1;
            } else if (from >= 0) {
                end = tagEnd.from(from);
            }
        }
        if (from < 0)
            break;
        if (end < from) {
            const qsizetype close = view.indexOf(QLatin1Char('>'), from);
            end = close < 0 ? length - 1 : close;
        }
        out += view.mid(place, from - place);
        appendConvertedTag(out, scratch, view.mid(from, end - from + 1), upper, xhtml);
        afterScriptStart = !afterScriptStart && AsciiText::startsWithAt(view, from, QLatin1StringView("<script"));
        place = end + 1;
    }
    out += view.mid(place);
    doctype.apply(out);
    handOn(out);
}

} // namespace

QString ConvertMarkupCase(const QString &text, bool upper, bool xhtml)
{
    if (!text.contains(QLatin1Char('<')))
        return text;
    QString converted;
    convertPieces(text, upper, xhtml, std::numeric_limits<qsizetype>::max(), [&](QString &out) { converted = std::move(out); });
    return converted;
}

void ConvertMarkupCase(QStringView text, bool upper, bool xhtml, const TextPieces &write)
{
    if (!text.contains(QLatin1Char('<'))) {
        write(text);
        return;
    }
    convertPieces(text, upper, xhtml, PieceSize, [&](const QString &out) { write(out); });
}
