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

// Removes a flag attribute such as "noshade" from a text of attributes: the
// first blank followed by the lower-case name (without regard to case); when
// there was one, also the first "=name" and the first "=\"name\"" that
// follow what is left of it. A text left as a single blank becomes empty.
// Answers whether the flag was there.
bool TakeFlagAttribute(QString &text, const QString &name);
