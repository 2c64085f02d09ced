#include "dialogs/element/ElementTable.h"

#include "dialogs/element/DialogKinds.h"

#include <QList>

namespace {

QList<ElementTableEntry> makeEntries()
{
    const auto list = [](const char *names) { return QString::fromLatin1(names).split(u',', Qt::SkipEmptyParts); };
    const auto dialog = [&list](const char *name, const char *attributes, int kind) {
        return ElementTableEntry{QString::fromLatin1(name), list(attributes), ElementEditor::ElementDialog, kind};
    };
    const auto other = [&list](const char *name, const char *attributes, ElementEditor editor) {
        return ElementTableEntry{QString::fromLatin1(name), list(attributes), editor, 0};
    };
    QList<ElementTableEntry> entries{
        {}, // indexes count from 1
        other("font", "face,color,size", ElementEditor::FontDialog),
        dialog("hr", "size,align,width", DialogKind::HorizontalLine),
        dialog("img", "src,align,width,height,border,vspace,hspace,alt,usemap", DialogKind::Image),
        dialog("a", "href,target,name", DialogKind::Link),
        dialog("embed", "src,autostart,loop,width,height,type", DialogKind::Sound),
        dialog("frameset", "rows,cols,framespacing,frameborder,border", DialogKind::Frameset),
        other("frame", "name,src,marginheight,marginwidth,scrolling", ElementEditor::FramesDialog),
        dialog("body", "bgcolor,text,link,vlink,alink,background", DialogKind::Page),
        dialog("td", "valign,align,rowspan,colspan,width,height,bgcolor", DialogKind::TableCell),
        dialog("tr", "valign,align", DialogKind::TableRow),
        other("table", "width,border,bgcolor,align,cellspacing,cellpadding,height", ElementEditor::TableDialog),
        dialog("ul", "type", DialogKind::List),
        dialog("ol", "type", DialogKind::List),
        dialog("bgsound", "src", DialogKind::BackgroundSound),
        dialog("title", "", DialogKind::Title),
        other("form", "name,method,action,enctype", ElementEditor::FormDialog),
        other("input", "name,type,value,size,maxlength,src,accept", ElementEditor::FormDialog),
        other("textarea", "name,rows,cols,wrap", ElementEditor::FormDialog),
        other("select", "name,size", ElementEditor::FormDialog),
        other("script", "type", ElementEditor::ScriptEditor),
        other("style", "media,type", ElementEditor::StylesheetEditor),
        dialog("div", "align", DialogKind::Block),
        dialog("span", "align", DialogKind::Word),
        other("meta", "", ElementEditor::MetaDialog),
        other("link", "", ElementEditor::ResourceFiles),
        other("map", "name", ElementEditor::ImageMapEditor),
        other("area", "", ElementEditor::EnclosingMap),
        dialog("p", "align", DialogKind::Paragraph),
    };
    for (int level = 1; level <= 6; ++level)
        entries.append(
            dialog(QStringLiteral("h%1").arg(level).toLatin1().constData(), "align", DialogKind::Heading1 + level - 1));
    for (const char *name : {"!doctype", "base", "col", "br"})
        entries.append(other(name, "", ElementEditor::None));
    return entries;
}

const QList<ElementTableEntry> &entries()
{
    static const QList<ElementTableEntry> table = makeEntries();
    return table;
}

bool isNameEnd(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n' || c == u'/' || c == u'>';
}

} // namespace

const ElementTableEntry &ElementTable::entry(int index)
{
    static const ElementTableEntry none;
    return index >= First && index <= Last ? entries().at(index) : none;
}

bool ElementTable::isPaired(int index)
{
    static const QStringList paired = {QStringLiteral("a"),      QStringLiteral("title"), QStringLiteral("textarea"),
                                       QStringLiteral("script"), QStringLiteral("style"), QStringLiteral("map")};
    return paired.contains(entry(index).name);
}

QString elementNameOf(const QString &elementText)
{
    qsizetype end = 1;
    while (end < elementText.size() - 1 && !isNameEnd(elementText.at(end)))
        ++end;
    return elementText.mid(1, end - 1).toLower();
}

int ElementIndexOf(const QString &elementText)
{
    const QString name = elementNameOf(elementText);
    if (name.isEmpty())
        return ElementTable::NotInTable;
    for (int index = ElementTable::First; index <= ElementTable::Last; ++index) {
        if (entries().at(index).name == name)
            return index;
    }
    return ElementTable::NotInTable;
}
