#include "files/FileMasks.h"

#include <algorithm>

FileMasks::FileMasks(const QString &masks)
{
    static const QRegularExpression separators(QStringLiteral("[;,]"));
    for (const QString &mask : masks.split(separators, Qt::SkipEmptyParts)) {
        const QString pattern = mask.trimmed();
        const bool known = std::any_of(m_patterns.cbegin(), m_patterns.cend(),
                                       [&](const QString &other) { return other.compare(pattern, Qt::CaseInsensitive) == 0; });
        if (!pattern.isEmpty() && !known)
            m_patterns.append(pattern);
    }
    std::sort(m_patterns.begin(), m_patterns.end(),
              [](const QString &a, const QString &b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    for (const QString &pattern : std::as_const(m_patterns)) {
        if (pattern == QLatin1String("*.*") || pattern == QLatin1String("*"))
            m_matchesAll = true;
        m_compiled.append(QRegularExpression(QRegularExpression::wildcardToRegularExpression(pattern),
                                             QRegularExpression::CaseInsensitiveOption));
    }
}

bool FileMasks::matches(const QString &fileName) const
{
    if (m_matchesAll)
        return true;
    return std::any_of(m_compiled.cbegin(), m_compiled.cend(),
                       [&](const QRegularExpression &pattern) { return pattern.match(fileName).hasMatch(); });
}
