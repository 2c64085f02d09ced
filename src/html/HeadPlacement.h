#pragma once

#include <QString>
#include <QStringList>

class EditableText;
class Prompter;

// The order of what stands in a page's HEAD section, by index.
inline const QStringList HeadOrder = {
    QStringLiteral("</head>"), QStringLiteral("<base"), QStringLiteral("<script"),   QStringLiteral("<style"),
    QStringLiteral("<link"),   QStringLiteral("<meta"), QStringLiteral("<title"),    QString(),
    QStringLiteral("<head"),   QStringLiteral("<html"), QStringLiteral("<!DOCTYPE"),
};

// Puts the caret at the start of the line where a new element of that name
// belongs in the HEAD section: before the first element of its kind, else
// before the first that comes later in the order, at the latest before
// "</head>". Answers whether "<head>" and "</head>" were both found; when not
// and `warn` is set, says so with the given caption. Without a HEAD section
// the caret goes to the start of the text.
bool PositionInHead(EditableText &text, const QString &name, bool warn, Prompter &prompter, const QString &caption);

// The elements "<name ...>" outside upper-case SCRIPT sections, as a comma
// list; with `remove` they are deleted instead (with their line when nothing
// else stands on it). The selection and the view are put back afterwards.
QString CollectElements(EditableText &text, const QString &name, bool remove);
