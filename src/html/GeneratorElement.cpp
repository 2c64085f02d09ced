#include "html/GeneratorElement.h"

#include "editor/EditableText.h"
#include "html/HeadPlacement.h"

void refreshGeneratorElement(EditableText &text, const QString &element, Prompter &prompter, const QString &caption)
{
    if (text.IsReadOnly())
        return;
    SelectionRecord selection = text.GetSelection();
    int firstLine = text.firstShownLine();
    if (text.findFrom(element, {1, 0}))
        return; // the very element is there already
    if (const auto older = text.findFrom(QStringLiteral("<meta name=\"Generator\""), {1, 0})) {
        if (older->start.column > 0) {
            const auto close = text.findFrom(QStringLiteral(">"), older->end);
            text.SetSelection(SelectionRecord::between(older->start, close ? close->end : older->end));
            text.DeleteSelection();
        } else {
            text.DeleteLine(older->start.line);
        }
        PositionInHead(text, QStringLiteral("meta"), true, prompter, caption);
        text.ReplaceSelection(element + text.lineBreak());
    } else if (PositionInHead(text, QStringLiteral("meta"), false, prompter, caption)) {
        const int line = text.GetSelection().caret().line;
        text.ReplaceSelection(element + text.lineBreak());
        if (line <= selection.anchorLine)
            ++selection.anchorLine;
        if (line <= selection.caretLine)
            ++selection.caretLine;
        if (line < firstLine)
            ++firstLine;
    }
    text.setFirstShownLine(firstLine);
    text.SetSelection(selection);
}
