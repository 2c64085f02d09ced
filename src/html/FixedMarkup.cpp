#include "html/FixedMarkup.h"

#include "editor/EditableText.h"
#include "html/MarkupWriting.h"

namespace FixedMarkup {

std::pair<QString, QString> alignment(Alignment kind, bool oldStyle)
{
    switch (kind) {
    case Alignment::Center:
        return oldStyle ? std::pair{QStringLiteral("<center>"), QStringLiteral("</center>")}
                        : std::pair{QStringLiteral("<div style=\"text-align:center\">"), QStringLiteral("</div>")};
    case Alignment::Right:
        return oldStyle ? std::pair{QStringLiteral("<p align=\"right\">"), QStringLiteral("</p>")}
                        : std::pair{QStringLiteral("<div style=\"text-align:right\">"), QStringLiteral("</div>")};
    case Alignment::Justify:
        break;
    }
    return oldStyle ? std::pair{QStringLiteral("<p align=\"justify\">"), QStringLiteral("</p>")}
                    : std::pair{QStringLiteral("<div style=\"text-align:justify\">"), QStringLiteral("</div>")};
}

void wrapListItem(EditableText &text)
{
    if (text.GetSelection().isEmpty()) {
        const int line = text.GetSelection().caretLine;
        text.SetSelection(SelectionRecord::between({line, 0}, {line, text.GetLineLength(line)}));
    }
    WrapSelection(text, QStringLiteral("<li>"), QStringLiteral("</li>"));
}

QString quickTable(int rows, int columns)
{
    QString table = QStringLiteral("<table>");
    for (int r = 0; r < rows; ++r) {
        table += QStringLiteral("\r\n<tr>");
        for (int c = 0; c < columns; ++c)
            table += QStringLiteral("\r\n\t<td></td>");
        table += QStringLiteral("\r\n</tr>");
    }
    return table + QStringLiteral("\r\n</table>\r\n");
}

} // namespace FixedMarkup
