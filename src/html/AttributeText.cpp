#include "html/AttributeText.h"

namespace {

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n';
}

// Where the attribute's blank stands, or -1. A blank inside another
// attribute's value in double quotes starts no attribute.
qsizetype findAttribute(const QString &tag, const QString &nameAndEquals)
{
    bool quoted = false;
    for (qsizetype at = 0; at + nameAndEquals.size() < tag.size(); ++at) {
        const QChar c = tag.at(at);
        if (c == u'"')
            quoted = !quoted;
        else if (!quoted && isBlank(c)
                 && QStringView(tag).mid(at + 1, nameAndEquals.size()).compare(nameAndEquals, Qt::CaseInsensitive) == 0)
            return at;
    }
    return -1;
}

} // namespace

QString TakeAttribute(QString &tag, const QString &name, bool remove)
{
    if (name.isEmpty())
        return QString();
    const QString nameAndEquals = name + u'=';
    const qsizetype blank = findAttribute(tag, nameAndEquals);
    if (blank < 0)
        return QString();
    const qsizetype valueStart = blank + 1 + nameAndEquals.size();
    QString value;
    qsizetype attributeEnd;
    if (valueStart < tag.size() && tag.at(valueStart) == u'"') {
        const qsizetype close = tag.indexOf(u'"', valueStart + 1);
        attributeEnd = close < 0 ? tag.size() : close + 1;
        value = tag.mid(valueStart + 1, (close < 0 ? tag.size() : close) - valueStart - 1);
    } else {
        attributeEnd = valueStart;
        while (attributeEnd < tag.size() && !isBlank(tag.at(attributeEnd)) && tag.at(attributeEnd) != u'>')
            ++attributeEnd;
        value = tag.mid(valueStart, attributeEnd - valueStart);
    }
    if (remove)
        tag.remove(blank, attributeEnd - blank);
    return value;
}

QString AttributeValue(const QString &tag, const QString &name)
{
    QString copy = tag;
    return TakeAttribute(copy, name, false);
}

bool TakeFlagAttribute(QString &text, const QString &name)
{
    const qsizetype at = text.indexOf(u' ' + name, 0, Qt::CaseInsensitive);
    if (at < 0)
        return false;
    text.remove(at, name.size() + 1);
    for (const QString &value : {QStringLiteral("=%1").arg(name), QStringLiteral("=\"%1\"").arg(name)}) {
        const qsizetype valueAt = text.indexOf(value, 0, Qt::CaseInsensitive);
        if (valueAt >= 0)
            text.remove(valueAt, value.size());
    }
    if (text == QLatin1String(" "))
        text.clear();
    return true;
}
