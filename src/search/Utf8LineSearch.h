#pragma once

#include "search/BytePrefilter.h"
#include "search/SearchQuery.h"
#include "search/TextMatches.h"

#include <QByteArrayView>
#include <QList>

#include <optional>

// The matches in a UTF-8 file found in its bytes: only the lines where the
// find text's bytes stand are decoded and searched as text, and lines are
// counted in bytes. Nothing when the bytes cannot be searched so (see
// BytePrefilter::findsEveryMatchIn); the text must then be searched.
std::optional<QList<SearchMatch>> findMatchesInUtf8(QByteArrayView utf8, const SearchQuery &query, const BytePrefilter &filter);
