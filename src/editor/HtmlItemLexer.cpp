#include "editor/HtmlItemLexer.h"

#include "editor/ScintillaBytes.h"
#include "editor/TLEdit.h"

#include <Qsci/qsciscintilla.h>

#include <algorithm>
#include <cstring>

using ItemScanner::RunKind;
using ItemScanner::State;

namespace {

// Scintilla keeps styles 32 to 39 for its own use.
constexpr int FirstReservedStyle = 32;
constexpr int LastReservedStyle = 39;
constexpr int LastStyle = 255;
// How much before the shown end a long stretch is coloured.
constexpr int ColouredBeforeEnd = 256 * 1024;

QByteArray openItemWord(State state)
{
    switch (state) {
    case State::InComment:
        return QByteArrayLiteral("!--");
    case State::InServerScript:
        return QByteArrayLiteral("%");
    case State::InPhp:
        return QByteArrayLiteral("?");
    default:
        return {};
    }
}

} // namespace

HtmlItemLexer::HtmlItemLexer(QObject *parent)
    : QsciLexerCustom(parent)
{
}

long HtmlItemLexer::send(unsigned int message, unsigned long wParam, long lParam) const
{
    return editor()->SendScintilla(message, wParam, lParam);
}

QString HtmlItemLexer::description(int style) const
{
    if (style == 0)
        return QStringLiteral("Tekst");
    if (style > 0 && style <= LastStyle && (style < FirstReservedStyle || style > LastReservedStyle))
        return QStringLiteral("Kode %1").arg(style);
    return QString();
}

void HtmlItemLexer::setHandler(std::function<void(HighlightWord &)> handler)
{
    m_handler = std::move(handler);
    reset();
}

void HtmlItemLexer::setNormal(const QColor &foreground, const QColor &background, const QFont &font)
{
    m_normalForeground = foreground;
    m_normalBackground = background;
    m_font = font;
    setDefaultColor(foreground);
    setDefaultPaper(background);
    setDefaultFont(font);
    setColor(foreground, 0);
    setPaper(background, 0);
    setFont(font, 0);
    reset();
}

void HtmlItemLexer::reset()
{
    m_wordStyles.clear();
    m_pairStyles.clear();
    m_nextStyle = 1;
    m_pending.clear();
    if (editor())
        editor()->recolor();
}

int HtmlItemLexer::lineStartOf(int position) const
{
    return static_cast<int>(
        send(QsciScintillaBase::SCI_POSITIONFROMLINE, send(QsciScintillaBase::SCI_LINEFROMPOSITION, position)));
}

State HtmlItemLexer::stateBefore(int position) const
{
    const long line = send(QsciScintillaBase::SCI_LINEFROMPOSITION, position);
    if (line == 0 || !m_multiline)
        return State::Outside;
    return static_cast<State>(send(QsciScintillaBase::SCI_GETLINESTATE, line - 1) & 0xff);
}

void HtmlItemLexer::styleText(int start, int end)
{
    if (!editor() || end <= start)
        return;
    // Whole lines, so that a "\r\n" is never cut in two.
    const long lastLine = send(QsciScintillaBase::SCI_LINEFROMPOSITION, end - 1);
    end = std::max(end, static_cast<int>(send(QsciScintillaBase::SCI_POSITIONFROMLINE, lastLine + 1)));
    forgetPendingFrom(start);
    if (end - start <= SkipThreshold) {
        styleRange(start, end, stateBefore(start));
        return;
    }
    // Colour only what is about to be shown; the rest waits until it is seen.
    int from = lineStartOf(end - ColouredBeforeEnd);
    const int lookBackStart = std::max(start, from - 65536);
    const QByteArray before = scintillaBytes(editor(), lookBackStart, from);
    from = lookBackStart + static_cast<int>(ItemScanner::resyncPoint(before.constData(), before.size()));
    // Scintilla takes everything before `from` as coloured; it keeps the
    // colours it had until it is coloured when shown.
    m_pending.insert(start, from);
    styleRange(from, end, State::Outside);
}

void HtmlItemLexer::styleRange(int start, int end, State state)
{
    const QByteArray text = scintillaBytes(editor(), start, end);
    const char *bytes = text.constData();
    ItemScanner::scan(bytes, text.size(), state, openItemWord(state), m_multiline, m_scan);

    m_styles.resize(end - start);
    qsizetype enclosed = 0;
    for (const ItemScanner::Run &run : std::as_const(m_scan.runs)) {
        int style = 0;
        switch (run.kind) {
        case RunKind::Text:
            break;
        case RunKind::FirstWord:
            style = styleFor(HighlightWord::FirstWord, QByteArray::fromRawData(bytes + run.start, run.length));
            break;
        case RunKind::Word:
        case RunKind::Punctuation:
            style = styleFor(HighlightWord::OtherWord, QByteArray());
            break;
        case RunKind::DoubleQuoted:
            style = styleFor(HighlightWord::DoubleQuotedValue, QByteArray());
            break;
        case RunKind::SingleQuoted:
            style = styleFor(HighlightWord::SingleQuotedValue, QByteArray());
            break;
        case RunKind::Enclosed:
            style = styleFor(HighlightWord::FirstWord, m_scan.enclosingWords.value(enclosed++));
            break;
        }
        std::memset(m_styles.data() + run.start, style, run.length);
    }
    send(QsciScintillaBase::SCI_STARTSTYLING, start);
    editor()->SendScintilla(QsciScintillaBase::SCI_SETSTYLINGEX, static_cast<unsigned long>(m_styles.size()),
                            m_styles.constData());

    const long firstLine = send(QsciScintillaBase::SCI_LINEFROMPOSITION, start);
    for (qsizetype i = 0; i < m_scan.lineEnds.size(); ++i)
        send(QsciScintillaBase::SCI_SETLINESTATE, firstLine + i, static_cast<long>(m_scan.lineEnds[i]));
}

int HtmlItemLexer::styleFor(quint16 kind, const QByteArray &word)
{
    QByteArray key;
    key.reserve(word.size() + 2);
    key.append(char(kind >> 8)).append(char(kind & 0xff)).append(word);
    if (const auto found = m_wordStyles.constFind(key); found != m_wordStyles.cend())
        return found.value();
    HighlightWord w;
    w.kind = kind;
    w.text = QString::fromUtf8(word);
    if (m_handler)
        m_handler(w);
    const int style = styleForColours(w.foreground, w.background);
    m_wordStyles.insert(key, style);
    return style;
}

int HtmlItemLexer::styleForColours(QColor foreground, QColor background)
{
    if (!foreground.isValid())
        foreground = m_normalForeground;
    if (!background.isValid())
        background = m_normalBackground;
    const Pair pair{foreground.rgb(), background.rgb()};
    if (pair == Pair{m_normalForeground.rgb(), m_normalBackground.rgb()})
        return 0;
    if (const auto found = m_pairStyles.constFind(pair); found != m_pairStyles.cend())
        return found.value();
    if (m_nextStyle > LastStyle)
        return 0; // no style left: normal colours
    const int style = m_nextStyle;
    m_nextStyle = m_nextStyle + 1 == FirstReservedStyle ? LastReservedStyle + 1 : m_nextStyle + 1;
    setColor(foreground, style);
    setPaper(background, style);
    setFont(m_font, style);
    m_pairStyles.insert(pair, style);
    return style;
}

void HtmlItemLexer::forgetPendingFrom(int position)
{
    // Scintilla colours everything from a change onwards again; stretches
    // after it will be asked for anew.
    auto it = m_pending.lowerBound(position);
    while (it != m_pending.end())
        it = m_pending.erase(it);
    if (it != m_pending.begin()) {
        --it;
        if (it.value() > position)
            it.value() = position;
    }
}

void HtmlItemLexer::styleVisiblePending(int firstVisiblePosition, int lastVisiblePosition)
{
    if (m_pending.isEmpty() || !editor())
        return;
    forgetPendingFrom(static_cast<int>(send(QsciScintillaBase::SCI_GETENDSTYLED)));
    auto it = m_pending.upperBound(lastVisiblePosition);
    if (it == m_pending.begin())
        return;
    --it;
    const int pendingStart = it.key();
    const int pendingEnd = it.value();
    if (pendingEnd <= firstVisiblePosition)
        return;
    const int from = std::max(pendingStart, lineStartOf(firstVisiblePosition));
    const int to = std::min(pendingEnd, lastVisiblePosition);
    const int lookBackStart = std::max(0, from - 65536);
    const QByteArray before = scintillaBytes(editor(), lookBackStart, from);
    const int resync = lookBackStart + static_cast<int>(ItemScanner::resyncPoint(before.constData(), before.size()));
    const int styledFrom = std::max(pendingStart, resync);
    const int styledTo = std::max(to, styledFrom);
    m_pending.erase(it);
    if (styledFrom > pendingStart)
        m_pending.insert(pendingStart, styledFrom);
    if (pendingEnd > styledTo)
        m_pending.insert(styledTo, pendingEnd);
    const int endStyled = static_cast<int>(send(QsciScintillaBase::SCI_GETENDSTYLED));
    styleRange(styledFrom, styledTo, State::Outside);
    // Colouring in the middle moved Scintilla's mark back; what followed was coloured already.
    send(QsciScintillaBase::SCI_STARTSTYLING, std::max(endStyled, styledTo));
}
