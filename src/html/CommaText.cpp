#include "html/CommaText.h"

namespace CommaText {

QString join(const QStringList &items)
{
    QStringList written;
    for (const QString &item : items) {
        const bool quoted = item.isEmpty() || item.contains(QLatin1Char(' ')) || item.contains(QLatin1Char(','))
                            || item.contains(QLatin1Char('"'));
        if (quoted)
            written.append(QLatin1Char('"') + QString(item).replace(QLatin1String("\""), QLatin1String("\"\"")) + QLatin1Char('"'));
        else
            written.append(item);
    }
    return written.join(QLatin1Char(','));
}

QStringList split(const QString &text)
{
    QStringList items;
    qsizetype i = 0;
    const qsizetype n = text.size();
    const auto isSeparator = [](QChar c) { return c == QLatin1Char(',') || c == QLatin1Char(' ') || c == QLatin1Char('\t'); };
    while (i < n) {
        while (i < n && isSeparator(text.at(i)))
            ++i;
        if (i >= n)
            break;
        QString item;
        if (text.at(i) == QLatin1Char('"')) {
            ++i;
            while (i < n) {
                if (text.at(i) == QLatin1Char('"')) {
                    if (i + 1 < n && text.at(i + 1) == QLatin1Char('"')) {
                        item += QLatin1Char('"');
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                item += text.at(i++);
            }
        } else {
            while (i < n && !isSeparator(text.at(i)))
                item += text.at(i++);
        }
        items.append(item);
    }
    return items;
}

} // namespace CommaText
