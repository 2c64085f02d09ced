#include "dialogs/element/WindowOpenCall.h"

namespace {

// The address and the name go between single quotes: a quote or a backslash
// in them would end the string or escape the next character.
QString quoted(QString text)
{
    text.replace(u'\\', QStringLiteral("\\\\"));
    text.replace(u'\'', QStringLiteral("\\'"));
    return text;
}

} // namespace

const QStringList &windowFeatureItems()
{
    static const QStringList items{
        QStringLiteral("Adressefelt=location"),     QStringLiteral("Afhængigt=dependent"),
        QStringLiteral("Biblioteker=directories"),  QStringLiteral("Historie=copyhistory"),
        QStringLiteral("Menulinie=menubar"),        QStringLiteral("Regulérbar størrelse=resizable"),
        QStringLiteral("Rullegardiner=scrollbars"), QStringLiteral("Statuslinie=status"),
        QStringLiteral("Værktøjslinie=toolbar"),
    };
    return items;
}

QString buildWindowOpenCall(const WindowOpenValues &values)
{
    QString features;
    for (const QString &feature : values.features)
        features += feature + u',';
    if (values.size)
        features += QStringLiteral("innerWidth=%1,innerHeight=%2,").arg(values.size->width()).arg(values.size->height());
    if (values.position)
        features += QStringLiteral("screenX=%1,screenY=%2,").arg(values.position->x()).arg(values.position->y());
    if (features.endsWith(u','))
        features.chop(1);
    return QStringLiteral("window.open('%1', '%2', '%3');").arg(quoted(values.address), quoted(values.name), features);
}
