#include "html/CommaText.h"

#include <optional>

namespace CommaText {
namespace {

bool isSeparator(QChar c)
{
    return c == QLatin1Char(',') || c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

// Reads the item that starts at or after `at` and moves `at` past it. An
// unquoted item is answered as a view of the text; a quoted one is unquoted
// into `quoted`, which the answer then views. Nothing when no item is left.
std::optional<QStringView> nextItem(QStringView text, qsizetype &at, QString &quoted)
{
    const qsizetype n = text.size();
    while (at < n && isSeparator(text.at(at)))
        ++at;
    if (at >= n)
        return std::nullopt;
    if (text.at(at) != QLatin1Char('"')) {
        const qsizetype start = at;
        while (at < n && !isSeparator(text.at(at)))
            ++at;
        return text.sliced(start, at - start);
    }
    quoted.clear();
    ++at;
    while (at < n) {
        if (text.at(at) == QLatin1Char('"')) {
            if (at + 1 < n && text.at(at + 1) == QLatin1Char('"')) {
                quoted += QLatin1Char('"');
                at += 2;
                continue;
            }
            ++at;
            break;
        }
        quoted += text.at(at++);
    }
    return QStringView(quoted);
}

} // namespace

QString join(const QStringList &items)
{
    QStringList written;
    for (const QString &item : items) {
        const bool quoted = item.isEmpty() || item.contains(QLatin1Char(' ')) || item.contains(QLatin1Char(','))
            || item.contains(QLatin1Char('"'));
        if (quoted)
            written.append(QLatin1Char('"') + QString(item).replace(QLatin1String("\""), QLatin1String("\"\""))
                           + QLatin1Char('"'));
        else
            written.append(item);
    }
    return written.join(QLatin1Char(','));
}

QStringList split(const QString &text)
{
    QStringList items;
    QString quoted;
    qsizetype at = 0;
    while (const std::optional<QStringView> item = nextItem(text, at, quoted))
        items.append(item->toString());
    return items;
}

bool contains(QStringView text, QStringView item)
{
    // An item without a double quote stands in the text as it is: a quick
    // search rules most lists out before they are read item by item.
    if (!item.contains(QLatin1Char('"')) && !text.contains(item))
        return false;
    QString quoted;
    qsizetype at = 0;
    while (const std::optional<QStringView> next = nextItem(text, at, quoted))
        if (*next == item)
            return true;
    return false;
}

} // namespace CommaText
