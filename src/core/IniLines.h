#pragma once

#include <QByteArray>
#include <QByteArrayView>

// The lines of an INI text that can be read one by one. The INI reader takes a
// quote or a closing backslash as going on over the line's end, and gives up
// on a section header without "]", so one damaged line could cost every line
// after it; here each physical line stands alone.
struct IniLines
{
    // The whole lines, each ended by "\n": section headers with their "]",
    // and "key=value" lines with closed quotes and no backslash at their end.
    QByteArray whole;
    // Some line was left out: a damaged one, or a value line below a damaged
    // section header, whose section is not known.
    bool damaged = false;
};

IniLines wholeIniLines(QByteArrayView text);
