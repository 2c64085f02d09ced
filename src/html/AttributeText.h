#pragma once

#include <QString>

// The value of an attribute in the text of a tag: the first blank (space, tab
// or line break) followed by the name and "=", found without regard to case;
// no blanks may stand around "=". A value in double quotes runs to the next
// double quote (or the end of the text when none follows); any other value to
// the first blank, ">" or the end. Single quotes are no quotes. With `remove`
// the attribute with its blank and quotes is cut out of the tag. A missing
// attribute gives an empty value and leaves the tag as it was.
QString TakeAttribute(QString &tag, const QString &name, bool remove);

// The same without changing the tag.
QString AttributeValue(const QString &tag, const QString &name);
