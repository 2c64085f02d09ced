#include "resources/LibrarySearch.h"

namespace LibrarySearch {
namespace {

// Only A-Z: the library's other letters are compared as written.
QString lowerAsciiLetters(QString text)
{
    for (QChar &c : text)
        if (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
            c = QChar(c.unicode() + ('a' - 'A'));
    return text;
}

} // namespace

int nextMatch(const QStringList &texts, int position, const QString &what)
{
    if (what.isEmpty())
        return -1;
    const QString wanted = lowerAsciiLetters(what);
    for (int index = std::max(0, position + 1); index < texts.size(); ++index)
        if (lowerAsciiLetters(texts[index]).contains(wanted))
            return index;
    return -1;
}

} // namespace LibrarySearch
