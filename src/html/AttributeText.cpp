#include "html/AttributeText.h"

namespace {

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n';
}

// Where the attribute's blank stands, or -1.
qsizetype findAttribute(const QString &tag, const QString &nameAndEquals)
{
    qsizetype from = 1;
    for (;;) {
        const qsizetype at = tag.indexOf(nameAndEquals, from, Qt::CaseInsensitive);
        if (at < 0)
            return -1;
        if (isBlank(tag.at(at - 1)))
            return at - 1;
        from = at + 1;
    }
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
    qsizetype valueEnd = valueStart;
    qsizetype attributeEnd = valueStart;
    if (valueStart < tag.size() && tag.at(valueStart) == u'"') {
        const qsizetype close = tag.indexOf(u'"', valueStart + 1);
        valueEnd = close < 0 ? tag.size() : close;
        attributeEnd = close < 0 ? tag.size() : close + 1;
        const QString value = tag.mid(valueStart + 1, valueEnd - valueStart - 1);
        if (remove)
            tag.remove(blank, attributeEnd - blank);
        return value;
    }
    while (valueEnd < tag.size() && !isBlank(tag.at(valueEnd)) && tag.at(valueEnd) != u'>')
        ++valueEnd;
    attributeEnd = valueEnd;
    const QString value = tag.mid(valueStart, valueEnd - valueStart);
    if (remove)
        tag.remove(blank, attributeEnd - blank);
    return value;
}

QString AttributeValue(const QString &tag, const QString &name)
{
    QString copy = tag;
    return TakeAttribute(copy, name, false);
}
