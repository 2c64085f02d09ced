#pragma once

#include <QList>
#include <QString>

class EditableText;

// One section of a named element: where its start tag stands and where its
// end tag was found.
struct HTMLElement
{
    QString name;
    int nameIndex = 0; // index of the name in the list searched for
    int depth = 0; // sections of the searched names open when it started
    int startLine = 0;
    int startColumn = 0;
    int endLine = -1; // -1 while no end tag was found
    int endColumn = -1; // column after the end tag
};

// The sections of the named elements (a comma list, names compared exactly,
// case included), scanning every line once; tags may run across lines.
QList<HTMLElement> FindElementSections(const EditableText &text, const QString &names);
QList<HTMLElement> FindElementSections(const QString &text, const QString &names);

// Whether a line lies strictly inside one of the top-level sections.
bool insideTopLevelSection(const QList<HTMLElement> &sections, int line);
