// Any text as a page for the link scanner, and as a tag for the attribute
// reader: no crash, no read past the text, the same rows on a second run, and
// every value a piece of the tag it came from.
#include "FuzzText.h"

#include "core/SettingsOptions.h"
#include "html/AttributeText.h"
#include "html/LinkScanner.h"

namespace {

const QString Names[] = {QStringLiteral("href"), QStringLiteral("src"), QStringLiteral("alt"), QStringLiteral("a"),
                         QStringLiteral("name"), QStringLiteral("h"),   QStringLiteral("=\""), QString()};

void checkAttribute(const QString &tag, const QString &name)
{
    const QString value = AttributeValue(tag, name);
    require(value.isEmpty() || tag.contains(value));
    QString cut = tag;
    require(TakeAttribute(cut, name, true) == value);
    // A removed attribute takes at least its blank, name and "=" with it.
    require(cut == tag || cut.size() + name.size() + 2 + value.size() <= tag.size());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const FuzzText input(data, size);
    checkAttribute(input.text, Names[input.options & 7]);

    static const SettingsOptions options;
    LinkScan scan;
    scan.scriptFilter = options.scriptFilter;
    scan.htmlFilter = options.htmlFilter;
    scan.first = 1 + (input.options >> 3 & 3);
    scan.last = scan.first + 7;
    scan.skipDuplicates = input.options & 0x20;
    scan.resourcesOnly = input.options & 0x40;
    QList<LinkItem> first;
    QList<LinkItem> second;
    ScanLinksInText(input.text, QString(), scan, first);
    ScanLinksInText(input.text, QString(), scan, second);
    require(first == second);
    for (const LinkItem &item : first)
        require(!item.target.isEmpty() && !item.kind.isEmpty() && item.size.isEmpty());
    for (const LinkItem &item : StylesheetUrlReferences(input.text, QString(), QStringLiteral("a.css"), options.htmlFilter))
        require(!item.target.isEmpty());
    return 0;
}
