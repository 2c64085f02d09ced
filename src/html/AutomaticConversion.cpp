#include "html/AutomaticConversion.h"

QString OpenTimeConversion(const QString &text, const ConversionProgress &progress)
{
    return ReferencesToDanish(text, progress);
}

QString SaveTimeConversion(const QString &text)
{
    const QLatin1StringView upperEnd("</HEAD>");
    qsizetype headEnd = text.indexOf(upperEnd, 0, Qt::CaseSensitive);
    if (headEnd < 0)
        headEnd = text.indexOf(QLatin1StringView("</head>"), 0, Qt::CaseSensitive);
    const qsizetype keep = headEnd < 0 ? 0 : headEnd + upperEnd.size();
    QString out = text.left(keep);
    AppendDanishReferences(out, QStringView(text).mid(keep));
    return out;
}
