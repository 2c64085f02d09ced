#include "html/HeadPlacement.h"

#include "core/Prompter.h"
#include "editor/EditableText.h"
#include "editor/TextBuffer.h"
#include "html/CommaText.h"
#include "html/ElementSections.h"

#include <algorithm>

bool PositionInHead(EditableText &text, const QString &name, bool warn, Prompter &prompter, const QString &caption)
{
    int entry = static_cast<int>(HeadOrder.size()) - 1;
    for (int k = 1; k < HeadOrder.size(); ++k) {
        if (!HeadOrder[k].isEmpty() && HeadOrder[k].contains(name, Qt::CaseInsensitive)) {
            entry = k;
            break;
        }
    }
    const auto headEnd = text.findFrom(QStringLiteral("</head>"), {1, 0});
    const auto headStart = text.findFrom(QStringLiteral("<head>"), {1, 0});
    const bool found = headEnd && headStart;
    if (!found && warn) {
        prompter.message({caption, QStringLiteral("Pagewick kan ikke finde dokumentets HEAD-sektion."), Prompter::Icon::Warning,
                          Prompter::Ok});
    }
    text.SetSelection(SelectionRecord::at({1, 0}));
    if (!headEnd)
        return found;
    const int h2 = headEnd->start.line;
    const int h1 = headStart ? headStart->start.line : 0;
    // Only lines up to the head's end are chosen, so they are searched in a
    // copy of those lines rather than in the whole page. Script sections are
    // found there too, unless one is still open at the head's end: where it
    // ends, if anywhere, takes the rest of the page.
    const TextBuffer head(text.textBetween({1, 0}, {h2, text.GetLineLength(h2)}));
    QList<HTMLElement> scripts = FindElementSections(head, QStringLiteral("script"));
    if (std::any_of(scripts.begin(), scripts.end(), [](const HTMLElement &s) { return s.depth == 0 && s.endLine == -1; }))
        scripts = FindElementSections(text, QStringLiteral("script"));
    for (int k = entry; k >= 0; --k) {
        if (HeadOrder[k].isEmpty())
            continue;
        TextPos from{1, 0};
        while (const auto occurrence = head.findFrom(HeadOrder[k], from)) {
            const int line = occurrence->start.line;
            if (line > h2)
                break;
            if (line >= h1 && !insideTopLevelSection(scripts, line)) {
                text.SetSelection(SelectionRecord::at({line, 0}));
                return found;
            }
            from = occurrence->end;
        }
    }
    return found;
}

QString CollectElements(EditableText &text, const QString &name, bool remove)
{
    const SelectionRecord selection = text.GetSelection();
    const int firstLine = text.firstShownLine();
    const QString opening = QStringLiteral("<%1 ").arg(name);
    // Only upper-case SCRIPT sections are passed over, as the program always did.
    QList<HTMLElement> scripts = FindElementSections(text, QStringLiteral("SCRIPT"));
    QStringList found;
    TextPos from{1, 0};
    while (const auto occurrence = text.findFrom(opening, from)) {
        if (insideTopLevelSection(scripts, occurrence->start.line)) {
            from = occurrence->end;
            continue;
        }
        const auto close = text.findFrom(QStringLiteral(">"), occurrence->end);
        const TextPos end = close ? close->end : TextPos{text.GetLineCount(), text.GetLineLength(text.GetLineCount())};
        if (!remove) {
            found.append(text.textBetween(occurrence->start, end));
            from = end;
            continue;
        }
        if (text.IsReadOnly())
            break;
        text.SetSelection(SelectionRecord::between(occurrence->start, end));
        text.DeleteSelection();
        const int line = occurrence->start.line;
        if (text.GetLine(line).trimmed().isEmpty() && text.GetLineCount() > 1)
            text.DeleteLine(line);
        // Lines moved: the sections are found again rather than counted.
        scripts = FindElementSections(text, QStringLiteral("SCRIPT"));
        from = {1, 0};
    }
    text.SetSelection(selection);
    text.setFirstShownLine(firstLine);
    return CommaText::join(found);
}
