#pragma once

#include <QList>
#include <QRegularExpression>
#include <QStringList>

// The file patterns of a file list: given as one text separated by ";" or
// ",", held sorted without duplicates (compared ignoring case), and matched
// against file names ignoring case. "*.*" matches every name, also one
// without a dot, as "all files" means.
class FileMasks
{
public:
    explicit FileMasks(const QString &masks = QStringLiteral("*.*"));

    const QStringList &patterns() const { return m_patterns; }
    // The patterns joined by ";".
    QString text() const { return m_patterns.join(QLatin1Char(';')); }
    // True when the name (without folder) matches at least one pattern.
    bool matches(const QString &fileName) const;

private:
    QStringList m_patterns;
    QList<QRegularExpression> m_compiled;
    bool m_matchesAll = false;
};
