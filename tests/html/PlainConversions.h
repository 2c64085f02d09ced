#pragma once

// Slow, plain versions of the conversions: every step searches again from the
// start of what is left, exactly as the rules are stated. The fast versions,
// which read the text once, must give the same text.

#include "html/CharacterReferences.h"

#include <QRandomGenerator>

#include <QString>
#include <QStringList>
#include <optional>

namespace Plain {

inline QString lowered(const QString &text)
{
    QString out = text;
    for (QChar &c : out) {
        if (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
            c = QChar(c.unicode() + 32);
    }
    return out;
}

// Replace the first occurrence until there is none; gives up after `limit`
// rounds (a replacement that holds its own search text never ends).
inline std::optional<QString> replaceAll(QString text, const QString &find, const QString &replacement, int limit = 100000)
{
    for (int round = 0; round < limit; ++round) {
        const qsizetype at = text.indexOf(find);
        if (at < 0)
            return text;
        text.replace(at, find.size(), replacement);
    }
    return std::nullopt;
}

inline QString deletePairs(QString text, const QString &open, const QString &close)
{
    for (;;) {
        const qsizetype a = text.indexOf(open);
        const qsizetype b = text.indexOf(close);
        if (a < 0 || b < 0 || b < a)
            return text;
        text.remove(a, b + close.size() - a);
    }
}

// The markup case conversion with the tag walk inserting into the tag as it goes.
inline QString convertTag(QString tag, bool upper, bool xhtml)
{
    const auto blank = [](QChar c) { return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n'; };
    if (xhtml && tag.size() >= 2 && tag.endsWith(u'>') && tag[tag.size() - 2] != u'/') {
        qsizetype stop = tag.size() - 1;
        for (qsizetype k = 1; k < tag.size() - 1; ++k) {
            if (blank(tag[k]) || tag[k] == u'/' || tag[k] == u'>') {
                stop = k;
                break;
            }
        }
        const QString name = lowered(tag.mid(1, stop - 1));
        static const QStringList empty = {"hr",   "img",  "embed", "frame", "bgsound", "input",
                                          "meta", "link", "area",  "base",  "col",     "br"};
        if (empty.contains(name))
            tag.insert(tag.size() - 1, QStringLiteral(" /"));
    }
    if ((tag.size() >= 2 && (tag[1] == u'%' || tag[1] == u'?')) || tag.startsWith(QStringLiteral("<!-")))
        return tag;
    bool inValue = false, inQuotes = false, pending = false;
    for (qsizetype i = 0; i < tag.size(); ++i) {
        const QChar c = tag[i];
        if (c == u'=' && !inValue) {
            inValue = true;
            if (xhtml && (i + 1 >= tag.size() || tag[i + 1] != u'"')) {
                tag.insert(i + 1, u'"');
                pending = true;
                ++i;
            }
        } else if (c == u'"' && !inValue) {
            inValue = inQuotes = true;
        } else if (inValue) {
            if (c == u'"' && inQuotes)
                inQuotes = inValue = false;
            else if (c == u'"')
                inQuotes = true;
            else if (blank(c) && !inQuotes)
                inValue = false;
            if (pending && (blank(c) || c == u'>' || (c == u'/' && i + 2 == tag.size() && tag[i + 1] == u'>'))) {
                tag.insert(i, u'"');
                pending = false;
                ++i;
            }
        } else if (upper && c >= u'a' && c <= u'z') {
            tag[i] = QChar(c.unicode() - 32);
        } else if (!upper && c >= u'A' && c <= u'Z') {
            tag[i] = QChar(c.unicode() + 32);
        }
    }
    return tag;
}

inline QString markupCase(const QString &text, bool upper, bool xhtml)
{
    if (!text.contains(u'<'))
        return text;
    QString out;
    QString rest = text;
    bool afterScript = false;
    for (;;) {
        const QString low = lowered(rest);
        qsizetype from = -1, end = -1;
        if (afterScript) {
            from = low.indexOf(QStringLiteral("</script"));
        } else {
            from = rest.indexOf(u'<');
            const QString at = from < 0 ? QString() : rest.mid(from);
            const auto closing = [&](const QString &mark) {
                const qsizetype q = rest.indexOf(mark, from);
                return q < 0 ? qsizetype(-1) : q + mark.size() - 1;
            };
            if (at.startsWith(QStringLiteral("<!--")))
                end = closing(QStringLiteral("-->"));
            else if (at.startsWith(QStringLiteral("<?")))
                end = closing(QStringLiteral("?>"));
            else if (at.startsWith(QStringLiteral("<%")))
                end = closing(QStringLiteral("%>"));
            else if (from >= 0) {
                bool quoted = false;
                for (qsizetype i = from; i < rest.size(); ++i) {
                    if (rest[i] == u'"')
                        quoted = !quoted;
                    else if (rest[i] == u'>' && !quoted) {
                        end = i;
                        break;
                    }
                }
            }
        }
        if (from < 0)
            break;
        if (end < from) {
            const qsizetype g = rest.indexOf(u'>', from);
            end = g < 0 ? rest.size() - 1 : g;
        }
        out += rest.left(from);
        out += convertTag(rest.mid(from, end - from + 1), upper, xhtml);
        afterScript = !afterScript && low.indexOf(QStringLiteral("<script")) == from;
        rest = rest.mid(end + 1);
    }
    out += rest;
    if (xhtml) {
        const qsizetype at = lowered(out).indexOf(QStringLiteral("<!doctype html public"));
        if (at >= 0)
            out.replace(at, 21, QStringLiteral("<!DOCTYPE html PUBLIC"));
    }
    return out;
}

// The special-character conversions row by row, each row one replacement over
// the whole text, leaving out the rows the conversions never touch: those
// before `first`, those without a reference, and those whose character is
// ASCII or is also the character of one of the rows before `first`.
inline bool convertsRow(const QList<SpecialCharacterRow> &rows, qsizetype row, qsizetype first)
{
    const QString &character = rows[row].character;
    if (row < first || character.isEmpty() || rows[row].html.isEmpty())
        return false;
    for (const QChar c : character) {
        if (c.unicode() < 0x80)
            return false;
    }
    for (qsizetype kept = 0; kept < first && kept < rows.size(); ++kept) {
        if (rows[kept].character == character)
            return false;
    }
    return true;
}

inline QString specialToReferences(QString text, const QList<SpecialCharacterRow> &rows, qsizetype first)
{
    for (qsizetype row = 0; row < rows.size(); ++row) {
        if (convertsRow(rows, row, first))
            text = *replaceAll(text, rows[row].character, rows[row].html);
    }
    return text;
}

inline QString referencesToSpecial(QString text, const QList<SpecialCharacterRow> &rows, qsizetype first)
{
    if (!text.contains(u'&'))
        return text;
    for (qsizetype row = 0; row < rows.size(); ++row) {
        if (convertsRow(rows, row, first))
            text = *replaceAll(text, rows[row].html, rows[row].character);
    }
    return text;
}

// The HTML check's counts as stated: the lines joined without their breaks,
// script sections left out, each tag text counted by searches that go on
// after the previous match.
struct CheckCounts
{
    QList<int> oddLines;
    QList<std::pair<qsizetype, qsizetype>> startsAndEnds; // per name of the list
};

inline qsizetype countOf(const QString &text, const QString &word)
{
    qsizetype count = 0;
    for (qsizetype at = text.indexOf(word); at >= 0; at = text.indexOf(word, at + word.size()))
        ++count;
    return count;
}

inline CheckCounts checkCounts(const QString &text, const QStringList &names)
{
    CheckCounts counts;
    QString collected;
    bool inScript = false;
    QString normalised = text;
    normalised.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    const QStringList lines = normalised.split(u'\n');
    for (int number = 1; number <= lines.size(); ++number) {
        QString line = lines[number - 1];
        const qsizetype s = lowered(line).indexOf(QStringLiteral("<script"));
        const qsizetype e = lowered(line).indexOf(QStringLiteral("</script>"));
        if (s >= 0)
            inScript = true;
        if (e >= 0) {
            inScript = false;
            line = (s >= 0 ? line.left(s) : QString()) + line.mid(e + 9);
        } else if (s >= 0) {
            line = line.left(s);
        }
        if (s >= 0 || !inScript) {
            if (line.count(u'<') != line.count(u'>'))
                counts.oddLines.append(number);
            collected += line;
        }
    }
    const QString low = lowered(collected);
    for (const QString &name : names) {
        const QString n = lowered(name);
        counts.startsAndEnds.append(
            {countOf(low, u'<' + n + u'>') + countOf(low, u'<' + n + u' '), countOf(low, QStringLiteral("</") + n + u'>')});
    }
    return counts;
}

// A text made of pieces drawn at random, the same for the same seed.
inline QString randomText(QRandomGenerator &random, const QStringList &pieces, int count)
{
    QString text;
    for (int i = 0; i < count; ++i)
        text += pieces[random.bounded(int(pieces.size()))];
    return text;
}

// "Slet alle HTML-koder" on a text with "\r\n" line breaks: comments, then
// tags, then the break pairs that stood between empty lines.
inline QString strip(const QString &text)
{
    QString out = deletePairs(deletePairs(text, QStringLiteral("<!--"), QStringLiteral("-->")), QStringLiteral("<"),
                              QStringLiteral(">"));
    return out.replace(QStringLiteral("\n\r"), QString());
}

// Whether `part` is `whole` with characters taken out (what a strip may do).
inline bool isSubsequence(const QString &part, const QString &whole)
{
    qsizetype at = 0;
    for (const QChar c : part) {
        while (at < whole.size() && whole[at] != c)
            ++at;
        if (at++ == whole.size())
            return false;
    }
    return true;
}

} // namespace Plain
