#pragma once

#include "editor/FileWriteError.h"

#include <QByteArray>
#include <QByteArrayView>

#ifndef Q_OS_UNIX
#include <QSaveFile>
#endif

// A file written beside the one it replaces and renamed over it when done, so
// a failed or abandoned write leaves the old file whole. The new file keeps
// an existing file's permissions; through a symbolic link the file it points
// to is replaced and the link stays. An existing file that may not be written
// is refused. The name is the system's bytes, so that every file can be named,
// and each failure keeps the system's error number.
class AtomicFileWriter
{
public:
    explicit AtomicFileWriter(const QByteArray &nativePath);
    // Without commit() the new file is removed.
    ~AtomicFileWriter();
    AtomicFileWriter(const AtomicFileWriter &) = delete;
    AtomicFileWriter &operator=(const AtomicFileWriter &) = delete;

    // False once anything has failed (opening too); it then writes nothing.
    bool write(QByteArrayView bytes);
    // Puts the new file in place of the old; false when that or anything
    // before it failed.
    bool commit();
    // Why it failed, after a false answer.
    const FileWriteError &error() const { return m_error; }

private:
    FileWriteError m_error;
    bool m_failed = false;
#ifdef Q_OS_UNIX
    bool fail(int errorNumber);

    QByteArray m_target; // the file replaced, its links followed
    QByteArray m_temporary;
    int m_file = -1;
    bool m_committed = false;
#else
    bool failQt();
    QSaveFile m_file;
#endif
};
