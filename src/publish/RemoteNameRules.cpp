#include "publish/RemoteNameRules.h"

#include <algorithm>

namespace RemoteNameRules {

QString problem(const QString &name)
{
    if (name.trimmed().isEmpty())
        return QStringLiteral("Angiv et navn.");
    const auto breaksLine = [](QChar c) {
        return c.category() == QChar::Other_Control || c.category() == QChar::Separator_Line
            || c.category() == QChar::Separator_Paragraph;
    };
    if (std::any_of(name.cbegin(), name.cend(), breaksLine))
        return QStringLiteral("Navnet må ikke indeholde linjeskift eller andre styretegn.");
    if (name.contains(QLatin1Char('/')))
        return QStringLiteral("Navnet må ikke indeholde \"/\". Opret mapperne én ad gangen.");
    if (name == QLatin1String(".") || name == QLatin1String(".."))
        return QStringLiteral("\"%1\" kan ikke bruges som navn.").arg(name);
    return QString();
}

} // namespace RemoteNameRules
