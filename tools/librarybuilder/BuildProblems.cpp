#include "BuildProblems.h"

void BuildProblems::add(const SourcePlace &place, const QString &entry, const QString &text)
{
    QString message = place.file;
    if (place.line > 0)
        message += QLatin1Char(':') + QString::number(place.line);
    message += QLatin1String(": ");
    if (!entry.isEmpty())
        message += entry + QLatin1String(": ");
    m_messages.append(message + text);
}
