#include "dialogs/colour/FontFamilyList.h"

#include "html/CommaText.h"

namespace FontFamilyList {

namespace {
constexpr int BareFamilies = 5;
}

const QStringList &genericFamilies()
{
    static const QStringList families{QStringLiteral("serif"), QStringLiteral("sans-serif"), QStringLiteral("cursive"),
                                      QStringLiteral("fantasy"), QStringLiteral("monospace")};
    return families;
}

QStringList read(const QString &value)
{
    return CommaText::split(QString(value).replace(QLatin1Char('\''), QLatin1Char('"')));
}

QString write(const QStringList &chosen, const QStringList &boxItems)
{
    QStringList written;
    for (const QString &family : chosen) {
        const qsizetype position = boxItems.indexOf(family);
        written.append(position < BareFamilies ? family : QStringLiteral("'%1'").arg(family));
    }
    return written.join(QLatin1Char(','));
}

} // namespace FontFamilyList
