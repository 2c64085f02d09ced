#include "editor/WordColours.h"

#include "editor/ItemScanner.h"

namespace SyntaxColours {

Pair colourForWord(const Scheme &scheme, quint16 kind, const QString &word, const QSet<QString> &elementNames)
{
    switch (kind) {
    case ItemScanner::FirstWordKind:
        if (word == QLatin1String("!--") || word == QLatin1String("--"))
            return scheme.comment;
        if (word == QLatin1String("%"))
            return scheme.asp;
        if (word == QLatin1String("?") || word.compare(QLatin1String("?php"), Qt::CaseInsensitive) == 0)
            return scheme.php;
        return elementNames.contains(word.toLower()) ? scheme.element : scheme.attribute;
    case ItemScanner::DoubleQuotedValueKind:
    case ItemScanner::SingleQuotedValueKind:
        return scheme.value;
    default:
        return scheme.attribute;
    }
}

} // namespace SyntaxColours
