#pragma once

#include "search/SearchQuery.h"

#include <QByteArray>
#include <QByteArrayView>

#include <optional>

// The find text looked for in a file's raw bytes, before they are decoded:
// it rules out files that cannot hold it, so that most files of a search are
// never decoded, and in a UTF-8 file it finds the places worth decoding.
class BytePrefilter
{
public:
    explicit BytePrefilter(const SearchQuery &query);

    // False only when no decoding of the bytes (UTF-8 or Windows-1252) can
    // match the query.
    bool mayMatch(QByteArrayView bytes) const;

    // Whether every match in these UTF-8 bytes starts where find() finds
    // the text's UTF-8 bytes, so that the bytes can be searched in place of the text.
    bool findsEveryMatchIn(QByteArrayView utf8) const;
    // The next place at or after `from` where the find text's UTF-8 bytes
    // stand (without ASCII case when case is ignored); -1 when there is none.
    qsizetype find(QByteArrayView bytes, qsizetype from) const;

private:
    qsizetype findIgnoringAsciiCase(QByteArrayView bytes, qsizetype from) const;

    bool m_usable = false;
    bool m_matchCase = false;
    QByteArray m_utf8;
    std::optional<QByteArray> m_windows1252; // when it differs from the UTF-8
};
