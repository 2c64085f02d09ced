#pragma once

#include "core/Progress.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <optional>

// What to do when a file of the same name is already where a file is going.
enum class ClashAnswer { Replace, Skip, Stop };
using ClashQuestion = std::function<ClashAnswer(const QString &existingPath)>;

// Copies and moves files and whole folders, one top-level entry at a time.
// Folders are merged into an existing folder of the same name, asking about
// each file that is already there; symbolic links are recreated, never
// followed, so a link to a folder cannot make a copy loop. Every copied file
// is read back and compared before anything is deleted, and a replaced file
// is swapped in whole, so an interrupted copy leaves the old file intact.
class FileTransfer
{
public:
    // What happened to one top-level entry; an entry can be partly done.
    struct Result
    {
        bool transferred = false; // something arrived at the target
        bool failed = false; // something could not be copied or moved
    };

    FileTransfer(ClashQuestion askClash, ConversionProgress progress, qint64 totalBytes);

    Result copy(const QString &source, const QString &target);
    Result move(const QString &source, const QString &target);

    // True once the user answered Stop: the rest is left alone.
    bool stopped() const { return m_stopped; }

    // The bytes that a copy of these entries reads (links and folders count nothing).
    static qint64 bytesIn(const QStringList &paths);

private:
    enum class Outcome { Done, Skipped, Failed };
    std::optional<Outcome> settleClash(const QString &source, const QString &target, Result &result);
    Outcome copyEntry(const QString &source, const QString &target, Result &result);
    Outcome moveEntry(const QString &source, const QString &target, Result &result);
    Outcome copyAcross(const QString &source, const QString &target, Result &result);
    Outcome copyFolder(const QString &source, const QString &target, Result &result);
    bool copyLinkOrFile(const QString &source, const QString &target);
    bool copyFileVerified(const QString &source, const QString &target);
    void advance(qint64 bytes);

    ClashQuestion m_askClash;
    ConversionProgress m_progress;
    qint64 m_totalBytes = 0;
    qint64 m_doneBytes = 0;
    int m_lastPercent = -1;
    bool m_stopped = false;
    QByteArray m_buffer;
    QByteArray m_checkBuffer;
};
