#include "preview/server/ErrorPages.h"

#include <QString>

namespace {

QByteArray page(const QString &title, const QString &text)
{
    return (u"<!DOCTYPE html>\n<html lang=\"da\">\n<head><meta charset=\"utf-8\"><title>" % title
            % u"</title></head>\n<body>\n<h1>" % title % u"</h1>\n<p>" % text % u"</p>\n</body>\n</html>\n")
        .toUtf8();
}

} // namespace

QByteArray notFoundPage(const QByteArray &encodedPath)
{
    const QString path = QString::fromUtf8(QByteArray::fromPercentEncoding(encodedPath)).toHtmlEscaped();
    return page(QStringLiteral("Siden findes ikke"),
                u"Der er ingen fil <code>" % path % u"</code> i den mappe, forhåndsvisningsserveren viser.");
}

QByteArray forbiddenPage()
{
    return page(QStringLiteral("Adgang nægtet"),
                QStringLiteral("Forhåndsvisningsserveren viser kun filer i sin egen mappe, og kun til denne computer."));
}

QByteArray methodNotAllowedPage()
{
    return page(QStringLiteral("Forespørgslen understøttes ikke"),
                QStringLiteral("Forhåndsvisningsserveren henter kun sider og filer."));
}
