#pragma once

#include "search/SearchQuery.h"

#include <QList>
#include <QString>
#include <QStringView>

// One occurrence of the find text: the line it starts on (from 1), its
// column there (from 0, in characters) and that line's text without its
// line break. Lines end at CR LF, LF or a lone CR, as in the editor.
struct SearchMatch
{
    int line = 0;
    int column = 0;
    QString lineText;
};

// The find text with its line breaks written as the text's own first one,
// so that a text of several lines matches in LF and CR LF files alike.
QString findTextFor(QStringView text, const QString &findText);

// Every occurrence in the text, left to right and without overlap.
QList<SearchMatch> findMatches(QStringView text, const SearchQuery &query);

// The text with every occurrence replaced, left to right and without
// overlap; case is compared on the text as it is, and the parts between
// occurrences are kept unchanged. `count` gets the number replaced.
QString replaceMatches(QStringView text, const SearchQuery &query, const QString &replacement, int &count);
