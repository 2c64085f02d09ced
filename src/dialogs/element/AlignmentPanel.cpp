#include "dialogs/element/AlignmentPanel.h"

#include "dialogs/element/DialogKinds.h"
#include "html/MarkupWriting.h"

namespace {

const QLatin1String AlignmentWords[] = {QLatin1String(), QLatin1String("left"), QLatin1String("center"), QLatin1String("right"),
                                        QLatin1String("justify")};

QString elementOfKind(int kind)
{
    switch (kind) {
    case DialogKind::Block:
        return QStringLiteral("div");
    case DialogKind::Word:
        return QStringLiteral("span");
    case DialogKind::Paragraph:
        return QStringLiteral("p");
    default:
        return QStringLiteral("h%1").arg(kind - DialogKind::Heading1 + 1);
    }
}

} // namespace

AlignmentValues AlignmentValues::forKind(int kind)
{
    AlignmentValues values;
    values.element = elementOfKind(kind);
    return values;
}

AlignmentValues AlignmentValues::fromEdit(int kind, ElementEdit &edit)
{
    AlignmentValues values = forKind(kind);
    const QString align = edit.slot(1);
    for (int item = 1; item < 5; ++item) {
        if (align.compare(AlignmentWords[item], Qt::CaseInsensitive) == 0)
            values.alignment = static_cast<Alignment>(item);
    }
    if (values.alignment == Alignment::None && !align.isEmpty())
        edit.keep(QStringLiteral("align"), align);
    values.content = edit.slot(ElementEdit::ContentSlot);
    return values;
}

std::pair<QString, QString> buildAlignment(const AlignmentValues &values, const CommonFields &common)
{
    const QString endTag = QStringLiteral("</%1>").arg(values.element);
    QString opening = u'<' + values.element
        + FormatAttribute(QStringLiteral("align"), AlignmentWords[static_cast<int>(values.alignment)]) + common.markup() + u'>';
    if (!values.content.isEmpty())
        opening += values.content + endTag;
    return {opening, endTag};
}
