#pragma once

#include "core/SyntaxColours.h"

#include <QSet>
#include <QString>

namespace SyntaxColours {

// The colours of one word of an item, as the editor reports it: its kind and
// text. Element names are given in lower case.
Pair colourForWord(const Scheme &scheme, quint16 kind, const QString &word, const QSet<QString> &elementNames);

} // namespace SyntaxColours
