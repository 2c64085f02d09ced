#include "html/CharacterReferences.h"

#include <QHash>

#include <algorithm>
#include <optional>
#include <vector>

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

// Every conversion here reads the text once. The tables are made so that this
// gives what converting row by row, each row a pass of ReplaceAll over the
// whole text, would give: a character is never ASCII and a reference is always
// ASCII, so what one row writes can never be matched by a later row, and
// among matches that compete for the same characters the earlier row wins.

namespace {

constexpr int DanishRows = int(std::size(DanishReferenceTable));

// Builds the converted text from the input and the replacements made in it,
// appending to `out` and copying the stretches between replacements whole.
class Rewrite
{
public:
    Rewrite(QStringView text, QString &out)
        : m_text(text)
        , m_out(out)
    {
    }

    template <typename Replacement> // QStringView or QLatin1StringView
    void replace(qsizetype at, qsizetype length, Replacement replacement)
    {
        if (!m_changed) {
            m_out.reserve(m_out.size() + m_text.size() + m_text.size() / 16 + 16);
            m_changed = true;
        }
        m_out += m_text.mid(m_copied, at - m_copied);
        m_out += replacement;
        m_copied = at + length;
    }

    bool changed() const { return m_changed; }

    // Appends what follows the last replacement.
    void finish() { m_out += m_text.mid(m_copied); }

private:
    QStringView m_text;
    QString &m_out;
    qsizetype m_copied = 0;
    bool m_changed = false;
};

// The input itself, shared, when the conversion replaced nothing.
template <typename Convert> QString convertedOrSame(const QString &text, Convert convert)
{
    QString out;
    Rewrite rewrite(text, out);
    convert(rewrite);
    if (!rewrite.changed())
        return text;
    rewrite.finish();
    return out;
}

// Reads the text in as many stretches as there are progress values and tells
// each value when its stretch is read; `scan(limit)` goes on from where it
// stopped until it has passed `limit`. Without a listener it is one stretch.
template <typename Scan>
void scanTelling(qsizetype length, const QList<int> &percents, const ConversionProgress &progress, Scan scan)
{
    if (!progress || percents.isEmpty()) {
        scan(length);
        return;
    }
    const qsizetype steps = percents.size();
    for (qsizetype step = 0; step < steps; ++step) {
        scan(length * (step + 1) / steps);
        progress(percents[step]);
    }
}

QList<int> danishPercents()
{
    QList<int> percents;
    for (int row = 1; row <= DanishRows; ++row)
        percents.append(row * 100 / DanishRows);
    return percents;
}

// The places of one character in a text, found once each however often they are asked for.
class NextOccurrence
{
public:
    NextOccurrence(const QString &text, QChar c)
        : m_text(text)
        , m_char(c)
    {
    }

    qsizetype from(qsizetype place)
    {
        if (m_found != None && m_found < place)
            m_found = m_text.indexOf(m_char, place);
        return m_found;
    }

private:
    static constexpr qsizetype None = -1;
    const QString &m_text;
    QChar m_char;
    qsizetype m_found = -2;
};

const DanishReference *danishRowOf(QChar c)
{
    if (c.unicode() < 0xC5 || c.unicode() > 0xF8)
        return nullptr;
    for (const DanishReference &row : DanishReferenceTable) {
        if (row.letter == c)
            return &row;
    }
    return nullptr;
}

// A named reference as the list writes it: "&", ASCII letters and digits, ";".
bool isNamedReference(QStringView reference)
{
    if (reference.size() < 3 || reference.front() != QLatin1Char('&') || reference.back() != QLatin1Char(';'))
        return false;
    return std::all_of(reference.begin() + 1, reference.end() - 1,
                       [](QChar c) { return c.unicode() < 0x80 && c.isLetterOrNumber(); });
}

// The list also offers references to ASCII characters ("&semi;", "&equals;") and second names
// of the first seven characters ("&AMP;"): converting those would turn the markup against
// itself, so the whole-text conversions leave such rows alone, and rows without a named reference.
bool isConvertible(const QList<SpecialCharacterRow> &rows, qsizetype row)
{
    const QString &character = rows[row].character;
    if (character.isEmpty() || !isNamedReference(rows[row].html))
        return false;
    for (const QChar c : character) {
        if (c.unicode() < 0x80)
            return false;
    }
    for (qsizetype kept = 0; kept < FirstConvertedSpecialRow && kept < rows.size(); ++kept) {
        if (rows[kept].character == character)
            return false;
    }
    return true;
}

QList<int> specialPercents(qsizetype count)
{
    QList<int> percents;
    for (qsizetype row = FirstConvertedSpecialRow; row < count; ++row)
        percents.append(int(row * 100 / count));
    return percents;
}

// The characters of the converted rows, looked up by their first UTF-16 unit.
// Where the characters of two rows can overlap in a text (a pair such as the
// medium space followed by the hair space, whose second character has an
// earlier row of its own), which row takes them depends on what lies around
// them; such rows are marked contested and decided as the rows would decide
// them, one by one, but only when they are found.
class CharacterTable
{
public:
    struct Entry
    {
        QStringView character;
        QStringView reference;
        qsizetype row = 0;
        bool contested = false;
    };

    explicit CharacterTable(const QList<SpecialCharacterRow> &rows)
    {
        QHash<QStringView, bool> seen;
        for (qsizetype row = FirstConvertedSpecialRow; row < rows.size(); ++row) {
            // A character's first row takes every occurrence its later rows could.
            if (isConvertible(rows, row) && !seen.contains(rows[row].character)) {
                seen.insert(rows[row].character, true);
                m_entries.push_back({rows[row].character, rows[row].html, row, false});
            }
        }
        std::stable_sort(m_entries.begin(), m_entries.end(),
                         [](const Entry &a, const Entry &b) { return a.character.front() < b.character.front(); });
        m_bucketStart.assign(0x10001, 0);
        for (const Entry &entry : m_entries)
            ++m_bucketStart[entry.character.front().unicode() + 1];
        for (std::size_t c = 1; c < m_bucketStart.size(); ++c)
            m_bucketStart[c] += m_bucketStart[c - 1];
        for (Entry &entry : m_entries) {
            entry.contested = isContested(entry);
            m_longest = std::max(m_longest, entry.character.size());
        }
    }

    // The rows whose character starts with `c`, in row order.
    std::pair<const Entry *, const Entry *> startingWith(QChar c) const
    {
        const Entry *first = m_entries.data();
        return {first + m_bucketStart[c.unicode()], first + m_bucketStart[c.unicode() + 1]};
    }

    qsizetype longest() const { return m_longest; }

private:
    // Whether an earlier row's character can begin inside this one's, so
    // that the earlier row may take part of it first.
    bool isContested(const Entry &entry) const
    {
        for (qsizetype k = 1; k < entry.character.size(); ++k) {
            const QStringView rest = entry.character.mid(k);
            const auto [first, last] = startingWith(rest.front());
            for (const Entry *other = first; other != last; ++other) {
                if (other->row < entry.row && (other->character.startsWith(rest) || rest.startsWith(other->character)))
                    return true;
            }
        }
        return false;
    }

    std::vector<Entry> m_entries;
    std::vector<qsizetype> m_bucketStart;
    qsizetype m_longest = 0;
};

// Whether the row-by-row conversion takes an occurrence of an entry's
// character: no earlier row takes characters it overlaps, and its own row has
// not taken an overlapping occurrence further left. Nothing that starts before
// `floor` reaches into the text from `floor` on.
class ClaimDecision
{
public:
    ClaimDecision(const CharacterTable &table, QStringView text, qsizetype floor)
        : m_table(table)
        , m_text(text)
        , m_floor(floor)
    {
    }

    bool taken(const CharacterTable::Entry &entry, qsizetype at)
    {
        const auto key = std::pair(&entry, at);
        if (const auto known = m_known.constFind(key); known != m_known.cend())
            return *known;
        const bool result = !blocked(entry, at);
        m_known.insert(key, result);
        return result;
    }

private:
    bool occursAt(const CharacterTable::Entry &entry, qsizetype at) const { return m_text.mid(at).startsWith(entry.character); }

    bool blocked(const CharacterTable::Entry &entry, qsizetype at)
    {
        const qsizetype end = at + entry.character.size();
        for (qsizetype q = std::max(m_floor, at - m_table.longest() + 1); q < end && q < m_text.size(); ++q) {
            const auto [first, last] = m_table.startingWith(m_text[q]);
            for (const CharacterTable::Entry *other = first; other != last; ++other) {
                const bool earlierRow = other->row < entry.row;
                const bool sameRowLeft = other == &entry && q < at;
                if (!earlierRow && !sameRowLeft)
                    continue;
                if (q + other->character.size() > at && occursAt(*other, q) && taken(*other, q))
                    return true;
            }
        }
        return false;
    }

    const CharacterTable &m_table;
    QStringView m_text;
    qsizetype m_floor;
    QHash<std::pair<const CharacterTable::Entry *, qsizetype>, bool> m_known;
};

void writeDanishReferences(Rewrite &rewrite, QStringView text, const ConversionProgress &progress)
{
    qsizetype at = 0;
    scanTelling(text.size(), danishPercents(), progress, [&](qsizetype limit) {
        for (; at < limit; ++at) {
            if (const DanishReference *row = danishRowOf(text[at]))
                rewrite.replace(at, 1, row->named);
        }
    });
}

} // namespace

void AppendDanishReferences(QString &out, QStringView text, const ConversionProgress &progress)
{
    Rewrite rewrite(text, out);
    writeDanishReferences(rewrite, text, progress);
    rewrite.finish();
}

QString DanishToReferences(const QString &text, const ConversionProgress &progress)
{
    return convertedOrSame(text, [&](Rewrite &rewrite) { writeDanishReferences(rewrite, text, progress); });
}

QString ReferencesToDanish(const QString &text, const ConversionProgress &progress)
{
    NextOccurrence ampersand(text, QLatin1Char('&'));
    if (ampersand.from(0) < 0)
        return text;
    const QStringView view(text);
    return convertedOrSame(text, [&](Rewrite &rewrite) {
        qsizetype at = 0;
        scanTelling(text.size(), danishPercents(), progress, [&](qsizetype limit) {
            for (at = ampersand.from(at); at >= 0 && at < limit; at = ampersand.from(at)) {
                const QStringView rest = view.mid(at);
                qsizetype length = 1;
                for (const DanishReference &row : DanishReferenceTable) {
                    const QLatin1StringView reference = rest.startsWith(row.named) ? row.named
                        : rest.startsWith(row.numeric)                             ? row.numeric
                                                                                   : QLatin1StringView();
                    if (!reference.isEmpty()) {
                        rewrite.replace(at, reference.size(), QStringView(&row.letter, 1));
                        length = reference.size();
                        break;
                    }
                }
                at += length;
            }
            if (at < 0)
                at = text.size();
        });
    });
}

QString SpecialToReferences(const QString &text, const QList<SpecialCharacterRow> &rows, const ConversionProgress &progress)
{
    const CharacterTable table(rows);
    const QStringView view(text);
    return convertedOrSame(text, [&](Rewrite &rewrite) {
        qsizetype at = 0;
        scanTelling(text.size(), specialPercents(rows.size()), progress, [&](qsizetype limit) {
            while (at < limit) {
                const auto [first, last] = table.startingWith(view[at]);
                const CharacterTable::Entry *taken = nullptr;
                if (first != last) {
                    std::optional<ClaimDecision> decision;
                    for (const CharacterTable::Entry *entry = first; entry != last && !taken; ++entry) {
                        if (!view.mid(at).startsWith(entry->character))
                            continue;
                        if (entry->contested && !decision)
                            decision.emplace(table, view, at);
                        if (!entry->contested || decision->taken(*entry, at))
                            taken = entry;
                    }
                }
                if (taken) {
                    rewrite.replace(at, taken->character.size(), taken->reference);
                    at += taken->character.size();
                } else {
                    ++at;
                }
            }
        });
    });
}

QString ReferencesToSpecial(const QString &text, const QList<SpecialCharacterRow> &rows, const ConversionProgress &progress)
{
    NextOccurrence ampersand(text, QLatin1Char('&'));
    if (ampersand.from(0) < 0)
        return text;
    // References never overlap (each holds one "&", at its start), so the
    // first row of a reference gives the character.
    QHash<QString, QStringView> characters;
    qsizetype longest = 0;
    for (qsizetype row = FirstConvertedSpecialRow; row < rows.size(); ++row) {
        if (isConvertible(rows, row) && !characters.contains(rows[row].html)) {
            characters.insert(rows[row].html, rows[row].character);
            longest = std::max(longest, rows[row].html.size());
        }
    }
    const QStringView view(text);
    return convertedOrSame(text, [&](Rewrite &rewrite) {
        qsizetype at = 0;
        scanTelling(text.size(), specialPercents(rows.size()), progress, [&](qsizetype limit) {
            for (at = ampersand.from(at); at >= 0 && at < limit; at = ampersand.from(at)) {
                qsizetype end = at + 1;
                while (end < view.size() && end - at < longest && view[end].unicode() < 0x80 && view[end].isLetterOrNumber())
                    ++end;
                qsizetype length = 1;
                if (end < view.size() && view[end] == QLatin1Char(';')) {
                    const QString reference = QString::fromRawData(view.data() + at, end + 1 - at);
                    const auto found = characters.constFind(reference);
                    if (found != characters.cend()) {
                        rewrite.replace(at, reference.size(), *found);
                        length = reference.size();
                    }
                }
                at += length;
            }
            if (at < 0)
                at = text.size();
        });
    });
}

qsizetype CharacterConversionCut(QStringView text, qsizetype from)
{
    for (qsizetype at = from; at < text.size(); ++at) {
        const QChar c = text[at];
        if (c == QLatin1Char('<') || c == QLatin1Char('\n') || c == QLatin1Char('\r'))
            return at;
    }
    return text.size();
}
