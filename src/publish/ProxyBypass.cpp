#include "publish/ProxyBypass.h"

#include <QRegularExpression>

bool bypassesProxy(const QString &hostName, const QStringList &bypassList)
{
    static const QRegularExpression separators(QStringLiteral("[;,\\s]+"));
    for (const QString &line : bypassList) {
        for (const QString &entry : line.split(separators, Qt::SkipEmptyParts)) {
            if (entry.compare(u"<local>", Qt::CaseInsensitive) == 0) {
                if (!hostName.contains(u'.') && !hostName.contains(u':'))
                    return true;
                continue;
            }
            QString pattern = QRegularExpression::escape(entry);
            pattern.replace(QStringLiteral("\\*"), QStringLiteral(".*"));
            const QRegularExpression wildcard(QRegularExpression::anchoredPattern(pattern),
                                              QRegularExpression::CaseInsensitiveOption);
            if (wildcard.match(hostName).hasMatch())
                return true;
        }
    }
    return false;
}
