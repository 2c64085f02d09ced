// Any text as an element the element dialog edits, and as a list it splits:
// no crash, no read past the text, and every element written back is one
// start tag of the same element.
#include "FuzzText.h"

#include "dialogs/element/AlignmentPanel.h"
#include "dialogs/element/DialogKinds.h"
#include "dialogs/element/ElementReading.h"
#include "dialogs/element/FramesetPanel.h"
#include "dialogs/element/HorizontalLinePanel.h"
#include "dialogs/element/ListPanel.h"
#include "dialogs/element/PagePanel.h"
#include "dialogs/element/TableCellPanel.h"
#include "dialogs/element/TitlePanel.h"

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
    if (std::optional<ElementEdit> edit = readDialogElement(input.text, input.text, Events, input.options & 1)) {
        const int kind = dialogElement(elementNameOf(input.text))->kind;
        require(rewritten(kind, *edit).startsWith(u'<'));
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
