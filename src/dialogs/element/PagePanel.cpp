#include "dialogs/element/PagePanel.h"

#include "html/ElementBuilders.h"
#include "html/MarkupWriting.h"

namespace {

QString charsetName(FileEncoding encoding)
{
    return encoding == FileEncoding::Windows1252 ? QStringLiteral("windows-1252") : QStringLiteral("utf-8");
}

// The bare doctype declares the encoding in its short form, HTML 4 and XHTML
// in the http-equiv form.
QString charsetElement(const QString &version, FileEncoding encoding, const QString &suffix)
{
    if (version.isEmpty())
        return QStringLiteral("<meta charset=\"%1\"%2>").arg(charsetName(encoding), suffix);
    return QStringLiteral("<meta http-equiv=\"Content-Type\" content=\"text/html; charset=%1\"%2>")
        .arg(charsetName(encoding), suffix);
}

QString doctype(const QString &version)
{
    if (version.isEmpty())
        return QStringLiteral("<!DOCTYPE html>");
    return QStringLiteral("<!DOCTYPE html PUBLIC \"%1\">").arg(version);
}

} // namespace

BodyValues BodyValues::fromEdit(const ElementEdit &edit)
{
    BodyValues values;
    QString *colours[] = {&values.background, &values.text, &values.link, &values.visitedLink, &values.activeLink};
    for (int slot = 1; slot <= 5; ++slot) {
        *colours[slot - 1] = edit.slot(slot);
        values.includeColours = values.includeColours || !edit.slot(slot).isEmpty();
    }
    values.backgroundFile = edit.slot(6);
    return values;
}

QString buildBody(const BodyValues &values, const CommonFields &common)
{
    QString tag = QStringLiteral("<body");
    if (values.includeColours) {
        tag += FormatAttribute(QStringLiteral("bgcolor"), values.background)
            + FormatAttribute(QStringLiteral("text"), values.text) + FormatAttribute(QStringLiteral("link"), values.link)
            + FormatAttribute(QStringLiteral("vlink"), values.visitedLink)
            + FormatAttribute(QStringLiteral("alink"), values.activeLink);
    }
    return tag + FormatAttribute(QStringLiteral("background"), values.backgroundFile) + common.markup() + u'>';
}

PageMarkup buildPage(const PageValues &values, const CommonFields &common, const QString &suffix, FileEncoding encoding)
{
    QString stylesheet = values.stylesheet;
    stylesheet.replace(u'\\', u'/');
    const QString base = values.target.isEmpty() ? QString()
                                                 : QStringLiteral("<base target=\"%1\"%2>\r\n").arg(values.target, suffix);
    PageMarkup page;
    page.text = doctype(values.version) + QStringLiteral("\r\n<html>\r\n<head>\r\n\t")
        + charsetElement(values.version, encoding, suffix) + QStringLiteral("\r\n\t<title>") + values.title
        + QStringLiteral("</title>\r\n") + ElementBuilders::stylesheetLink(stylesheet, suffix) + base
        + QStringLiteral("</head>\r\n");
    // The caret goes to the empty line after the head, or after the body tag.
    page.caret = page.text.size();
    if (values.body) {
        page.text += buildBody(values.bodyValues, common);
        page.caret = page.text.size() + 2;
    }
    page.text += QStringLiteral("\r\n\r\n\r\n");
    if (values.body)
        page.text += QStringLiteral("\r\n</body>");
    page.text += QStringLiteral("\r\n</html>");
    return page;
}
