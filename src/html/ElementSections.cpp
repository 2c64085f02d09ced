#include "html/ElementSections.h"

#include "editor/EditableText.h"
#include "html/CommaText.h"

QList<HTMLElement> FindElementSections(const EditableText &text, const QString &names)
{
    // One pass over the whole text: reading it line by line from an editor
    // costs more than the scan itself on a large page.
    return FindElementSections(text.GetText(), names);
}

QList<HTMLElement> FindElementSections(const QString &content, const QString &names)
{
    const QStringList searched = CommaText::split(names);
    QList<HTMLElement> sections;
    int open = 0;
    bool inTag = false;
    bool nameComplete = false;
    bool endTag = false;
    QString collected;
    int tagLine = 0;
    int tagColumn = 0;
    int line = 1;
    qsizetype lineStart = 0;
    const qsizetype length = content.size();
    const QChar *data = content.constData();
    for (qsizetype i = 0; i < length; ++i) {
        const QChar c = data[i];
        // "\r\n", "\n" and a lone "\r" end a line; the scan state goes on.
        if (c == QLatin1Char('\n') || c == QLatin1Char('\r')) {
            if (c == QLatin1Char('\r') && i + 1 < length && data[i + 1] == QLatin1Char('\n'))
                ++i;
            ++line;
            lineStart = i + 1;
            continue;
        }
        const int column = static_cast<int>(i - lineStart);
        if (inTag && (c == QLatin1Char(' ') || c == QLatin1Char('>')))
            nameComplete = true;
        if (c == QLatin1Char('<')) {
            // A "<" always starts a new tag, also after an unfinished one.
            inTag = true;
            nameComplete = endTag = false;
            collected.clear();
            tagLine = line;
            tagColumn = column;
        } else if (c == QLatin1Char('/') && inTag) {
            endTag = true;
        } else if (inTag) {
            if (!nameComplete) {
                collected += c;
                continue;
            }
            const int index = static_cast<int>(searched.indexOf(collected));
            if (index >= 0) {
                if (endTag) {
                    for (qsizetype k = sections.size() - 1; k >= 0; --k) {
                        HTMLElement &section = sections[k];
                        if (section.name == collected && section.endLine == -1) {
                            section.endLine = line;
                            section.endColumn = column + 1;
                            --open;
                            break;
                        }
                    }
                } else {
                    sections.append({collected, index, open, tagLine, tagColumn, -1, -1});
                    ++open;
                }
            }
            inTag = nameComplete = endTag = false;
            collected.clear();
        }
    }
    return sections;
}

bool insideTopLevelSection(const QList<HTMLElement> &sections, int line)
{
    for (const HTMLElement &section : sections) {
        if (section.depth == 0 && line > section.startLine && section.endLine != -1 && line < section.endLine)
            return true;
    }
    return false;
}
