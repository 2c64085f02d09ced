#include "completion/CompletionRules.h"

#include "resources/CompletionCandidates.h"
#include "resources/LibraryIconIndexes.h"

#include <algorithm>

namespace CompletionRules {

namespace {

bool isBlankOrControl(QChar c)
{
    return c.unicode() <= 0x20 || c.category() == QChar::Other_Control;
}

} // namespace

QStringList sorted(QStringList items)
{
    std::stable_sort(items.begin(), items.end(),
                     [](const QString &a, const QString &b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    return items;
}

int itemForPrefix(const QStringList &items, const QString &prefix)
{
    if (prefix.isEmpty())
        return -1;
    const QChar first = prefix.front().toCaseFolded();
    for (int i = 0; i < items.size(); ++i) {
        const QString &item = items[i];
        if (item.startsWith(prefix, Qt::CaseInsensitive))
            return i;
        if (!item.isEmpty() && item.front().toCaseFolded() > first)
            break;
    }
    return -1;
}

QString trimmed(const QString &prefix)
{
    qsizetype from = 0;
    qsizetype to = prefix.size();
    while (from < to && isBlankOrControl(prefix[from]))
        ++from;
    while (to > from && isBlankOrControl(prefix[to - 1]))
        --to;
    return prefix.mid(from, to - from);
}

QPoint place(QPoint caret, QSize listSize, QSize areaSize, int fontPoints)
{
    int left = caret.x();
    if (left + listSize.width() > areaSize.width())
        left = caret.x() + fontPoints - listSize.width();
    const int top = caret.y() + listSize.height() > areaSize.height() ? caret.y() - listSize.height()
                                                                      : caret.y() + 2 * fontPoints + 2;
    return {left, top};
}

int icon(const QString &item, int kind)
{
    if (item == QLatin1String("[farve]"))
        return LibraryIcon::ColourValue;
    if (item == QLatin1String("[url]"))
        return LibraryIcon::WebAddress;
    if (item == QLatin1String("[font]"))
        return LibraryIcon::FontValue;
    if (item == QLatin1String("[url(grafik)]"))
        return LibraryIcon::PictureAddress;
    if (kind == CompletionKind::Attributes
        && (item.startsWith(QLatin1String("on")) || (item.endsWith(QLatin1Char(')')) && item.contains(QLatin1Char('(')))))
        return LibraryIcon::Event;
    return kind;
}

} // namespace CompletionRules
