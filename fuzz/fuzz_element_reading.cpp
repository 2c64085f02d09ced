// Any text as an element the element dialog edits, as a page with a caret
// in it, and as a list it splits: no crash, no read past the text, every
// element found starts with its "<", and every element written back is one
// start tag of the same element.
#include "FuzzText.h"

#include "dialogs/element/AlignmentPanel.h"
#include "dialogs/element/DialogKinds.h"
#include "dialogs/element/ElementLocator.h"
#include "dialogs/element/ElementReading.h"
#include "dialogs/element/FramesetPanel.h"
#include "dialogs/element/HorizontalLinePanel.h"
#include "dialogs/element/ListPanel.h"
#include "dialogs/element/PagePanel.h"
#include "dialogs/element/TableCellPanel.h"
#include "dialogs/element/TitlePanel.h"
#include "editor/TextBuffer.h"

namespace {

const QStringList Events = {QStringLiteral("onclick"), QStringLiteral("on")};

QString rewritten(int kind, ElementEdit &edit)
{
    switch (kind) {
    case DialogKind::HorizontalLine: {
        const HorizontalLineValues values = HorizontalLineValues::fromEdit(edit);
        return buildHorizontalLine(values, CommonFields::fromEdit(edit, Events), {});
    }
    case DialogKind::TableCell:
    case DialogKind::TableRow: {
        const TableCellValues values = TableCellValues::fromEdit(edit);
        return buildTableCell(values, CommonFields::fromEdit(edit, Events));
    }
    case DialogKind::Frameset:
        return buildFrameset(FramesetValues::fromEdit(edit), CommonFields::fromEdit(edit, Events));
    case DialogKind::Page:
        return buildBody(BodyValues::fromEdit(edit), CommonFields::fromEdit(edit, Events));
    case DialogKind::List:
        return buildList(ListValues::fromEdit(edit), CommonFields::fromEdit(edit, Events));
    case DialogKind::Title:
        return buildTitle(edit.slot(ElementEdit::ContentSlot), true);
    default: {
        const AlignmentValues values = AlignmentValues::fromEdit(kind, edit);
        return buildAlignment(values, CommonFields::fromEdit(edit, Events)).first;
    }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const FuzzText input(data, size);
    const int index = ElementIndexOf(input.text);
    ElementReading reading = prepareElementEdit(index, input.text, input.text, Events, input.options & 1);
    if (ElementTable::entry(index).editor == ElementEditor::ElementDialog) {
        const int kind = dialogKindFor(index, reading.edit);
        if (kind != DialogKind::Link && kind != DialogKind::Email && kind != DialogKind::Image && kind != DialogKind::Sound
            && kind != DialogKind::BackgroundSound)
            require(rewritten(kind, reading.edit).startsWith(u'<'));
    }

    const TextBuffer page(input.text);
    const int caretLine = 1 + (input.options & 0x3f) % page.GetLineCount();
    const TextPos caret{caretLine, int(input.options) % (page.GetLineLength(caretLine) + 1)};
    if (const std::optional<LocatedElement> found = locateElementAt(page, caret)) {
        require(found->start < found->end);
        require(page.textBetween(found->start, found->end).startsWith(found->tag));
    }

    const qsizetype start = input.text.indexOf(u'<');
    if (start >= 0) {
        const ListExtent extent = findListExtent(input.text, start);
        require(extent.result != ListExtent::Result::EndTag || (extent.end > start && extent.end <= input.text.size()));
    }
    ListValues list;
    list.takeItems(input.text);
    for (const QString &item : list.items)
        require(item == item.trimmed());
    return 0;
}
