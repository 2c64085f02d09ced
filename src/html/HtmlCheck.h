#pragma once

#include "editor/FileByteStream.h"

#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

class EditableText;

// The check list (the library's TagCheckElements) made ready once for any
// number of documents: its names lower-cased and indexed for the counts.
class HtmlCheckList
{
public:
    explicit HtmlCheckList(const QStringList &names);

    struct Tables; // what the check reads, known to the check alone

private:
    std::shared_ptr<const Tables> m_tables;

    friend QString CheckHtml(QStringView text, const HtmlCheckList &checkList);
    friend QString CheckHtml(QByteArrayView fileBytes, const HtmlCheckList &checkList);

    // The same report on a document file's bytes as `read` gives them, a piece at
    // a time, so that pages of any size are checked in the same small memory
    // (`buffer`, kept from file to file); nothing when reading fails.
    std::optional<QString> CheckHtml(const ReadBytes &read, QByteArray &buffer, const HtmlCheckList &checkList);
    friend std::optional<QString> CheckHtml(const ReadBytes &read, QByteArray &buffer, const HtmlCheckList &checkList);
};

// "Tjek HTML-koder": a count, not a parse. Reports the lines whose "<" and ">"
// do not pair up and the elements of the check list whose start and end tags
// do not balance, leaving out script sections. The result is the text of the
// report; the document is not changed.
QString CheckHtml(QStringView text, const HtmlCheckList &checkList);
QString CheckHtml(QStringView text, const QStringList &checkList);
QString CheckHtml(const EditableText &text, const QStringList &checkList);

// The same report on the bytes of a document file, in any encoding the editor
// reads (UTF-8 with or without a byte order mark, or Windows-1252), without
// decoding them: every decision of the check is on ASCII characters, which
// these encodings write as the same single bytes and never as part of another
// character. (A list with a name beyond ASCII has the bytes decoded first.)
QString CheckHtml(QByteArrayView fileBytes, const HtmlCheckList &checkList);

// The same report on a document file's bytes as `read` gives them, a piece at
// a time, so that pages of any size are checked in the same small memory
// (`buffer`, kept from file to file); nothing when reading fails.
std::optional<QString> CheckHtml(const ReadBytes &read, QByteArray &buffer, const HtmlCheckList &checkList);

// At most this many element lines go into one report.
inline constexpr int MaxCheckElementLines = 51;
