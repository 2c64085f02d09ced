#include "dialogs/element/EmailLink.h"

#include "html/MarkupWriting.h"

#include <QStringDecoder>

namespace {

const QString Scheme = QStringLiteral("mailto:");
const QString SubjectKey = QStringLiteral("subject");
const QString BodyKey = QStringLiteral("body");

bool mustEncode(QChar c)
{
    return c == u'%' || c == u'&' || c == u'?' || c == u'#' || c == u'"' || c == u' ' || c == u'\t' || c == u'\r' || c == u'\n';
}

int hexValue(QChar c)
{
    if (c >= u'0' && c <= u'9')
        return c.unicode() - u'0';
    if (c >= u'a' && c <= u'f')
        return c.unicode() - u'a' + 10;
    if (c >= u'A' && c <= u'F')
        return c.unicode() - u'A' + 10;
    return -1;
}

// The byte of "%XX" at `at`, or -1 when no such escape stands there.
int escapedByte(const QString &text, qsizetype at)
{
    if (at + 2 >= text.size() || text.at(at) != u'%')
        return -1;
    const int high = hexValue(text.at(at + 1));
    const int low = hexValue(text.at(at + 2));
    return high < 0 || low < 0 ? -1 : high * 16 + low;
}

// Escaped bytes stand for UTF-8; bytes that are not UTF-8 are read as Latin-1.
QString bytesText(const QByteArray &bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8(bytes);
    return utf8.hasError() ? QString::fromLatin1(bytes) : text;
}

} // namespace

EmailLink EmailLink::fromEdit(const ElementEdit &edit)
{
    EmailLink link = parseMailto(edit.slot(1));
    link.description = edit.slot(ElementEdit::ContentSlot);
    return link;
}

EmailLink parseMailto(const QString &href)
{
    const QString rest = href.startsWith(Scheme, Qt::CaseInsensitive) ? href.mid(Scheme.size()) : href;
    const qsizetype question = rest.indexOf(u'?');
    EmailLink link;
    link.address = rest.left(question);
    if (question < 0)
        return link;
    QStringList others;
    for (const QString &field : rest.mid(question + 1).split(u'&', Qt::SkipEmptyParts)) {
        const qsizetype equals = field.indexOf(u'=');
        const QString key = field.left(equals);
        const QString value = equals < 0 ? QString() : decodeMailtoField(field.mid(equals + 1));
        if (key.compare(SubjectKey, Qt::CaseInsensitive) == 0)
            link.subject = value;
        else if (key.compare(BodyKey, Qt::CaseInsensitive) == 0)
            link.body = value;
        else
            others.append(field);
    }
    link.otherFields = others.join(u'&');
    return link;
}

QString mailtoAddress(const EmailLink &link)
{
    QStringList fields;
    if (!link.subject.isEmpty())
        fields.append(SubjectKey + u'=' + encodeMailtoField(link.subject));
    if (!link.body.isEmpty())
        fields.append(BodyKey + u'=' + encodeMailtoField(link.body));
    if (!link.otherFields.isEmpty())
        fields.append(link.otherFields);
    if (fields.isEmpty())
        return Scheme + link.address;
    return Scheme + link.address + u'?' + fields.join(u'&');
}

QString buildEmailLink(const EmailLink &link, const CommonFields &common)
{
    return QStringLiteral("<a href=\"") + mailtoAddress(link) + u'"' + common.markup() + u'>' + link.description
        + QStringLiteral("</a>");
}

QString encodeMailtoField(const QString &text)
{
    QString encoded;
    encoded.reserve(text.size());
    for (const QChar c : text) {
        if (mustEncode(c))
            encoded += u'%' + QString::number(c.unicode(), 16).toUpper().rightJustified(2, u'0');
        else
            encoded += c;
    }
    return encoded;
}

QString decodeMailtoField(const QString &text)
{
    QString decoded;
    decoded.reserve(text.size());
    qsizetype at = 0;
    while (at < text.size()) {
        QByteArray bytes;
        for (int byte = escapedByte(text, at); byte >= 0; byte = escapedByte(text, at)) {
            bytes.append(char(byte));
            at += 3;
        }
        if (!bytes.isEmpty())
            decoded += bytesText(bytes);
        else
            decoded += text.at(at++);
    }
    return decoded;
}
