#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

#ifndef Q_OS_UNIX
#include <QFile>
#endif

// Reads the next bytes into `into`, at most `capacity` of them: how many,
// 0 at the end, -1 when reading fails.
using ReadBytes = std::function<qsizetype(char *into, qsizetype capacity)>;

// Puts everything `read` gives in `bytes`, reusing its memory when it holds
// expectedSize and one byte more; false when reading fails.
bool readToEnd(const ReadBytes &read, QByteArray &bytes, qsizetype expectedSize);

// A document file read from its start to its end a piece at a time, with as
// few system calls as can be: a check reads thousands of them. Only a regular
// file opens: devices and pipes are no documents and might never end.
class FileByteStream
{
public:
    explicit FileByteStream(const QString &path);
    // The name as the system's bytes, which need not be valid in any encoding.
    explicit FileByteStream(const QByteArray &nativePath);
    ~FileByteStream();
    FileByteStream(const FileByteStream &) = delete;
    FileByteStream &operator=(const FileByteStream &) = delete;

    bool isOpen() const;
    // The size the file had when it was opened.
    qsizetype statedSize() const { return m_statedSize; }
    qsizetype read(char *into, qsizetype capacity);
    ReadBytes reader()
    {
        return [this](char *into, qsizetype capacity) { return read(into, capacity); };
    }

private:
#ifdef Q_OS_UNIX
    int m_file = -1;
#else
    QFile m_file;
#endif
    qsizetype m_statedSize = 0;
    qsizetype m_position = 0;
    bool m_atEnd = false;
};
