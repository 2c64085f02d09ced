#pragma once

#include "editor/DocumentFile.h"

#include <QDateTime>
#include <QString>

#include <optional>

// The copy of a document's text that a browser is shown instead of its file:
// beside the document, so that its relative links and pictures resolve, or in
// a scratch folder for a document never saved. There is one copy at a time;
// writing the next one removes the last, and so does the end of the run.
// A file the program did not write in this run is never overwritten or
// removed: the copy then takes another free name.
class TemporaryCopy
{
public:
    TemporaryCopy() = default;
    TemporaryCopy(const TemporaryCopy &) = delete;
    TemporaryCopy &operator=(const TemporaryCopy &) = delete;
    ~TemporaryCopy();

    // Writes the text, unchanged, in the encoding: "~" and the file name
    // beside a saved document, else "~pwtmp<tab>.htm" in the scratch folder.
    // The copy's path, or nothing and `failure` says why, naming the file.
    std::optional<QString> write(const QString &documentPath, int tab, const QString &scratchFolder, const QString &text,
                                 FileEncoding encoding, QString *failure = nullptr);

    // The copy written last, or empty.
    QString path() const { return m_path; }
    // Removes the copy written last, when it is still as the program left it.
    void remove();

private:
    // What a written copy looked like, to know it again.
    struct Stamp
    {
        qint64 size = 0;
        QDateTime modified;
    };

    // The copy written last is still as the program left it.
    bool copyUnchanged() const;

    QString m_path;
    Stamp m_stamp;
};
