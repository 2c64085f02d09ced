#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <QtGlobal>

// Connection states, in the order the window's code relies on.
enum TWinInetState { fsDisconnecting, fsNoconnection, fsConnecting, fsConnected, fsResolvingName, fsNameResolved };

// How the server name is reached: directly, through the system's proxy
// configuration (the proxy environment variables here), or through ProxyName.
enum TResolveNames { rnLocal, rnPreConfig, rnProxy };

enum TFTPTransferType { ttUnknown, ttAscii, ttBinary };

// ftUnix appends "/" to folder paths and makes a failed folder change an error.
enum TFTPFileSystemType { ftUnix, ftUnknown };

// Plain FTP is the default; the two secure kinds share every operation.
enum class TransferProtocol { Ftp, Ftps, Sftp };

// Progress of the current file. The sizes are 64-bit so that files past 2 GB
// show sensible figures.
struct TFTPProgressInfo
{
    qint64 BytesTransferred = 0;
    qint64 FileSize = 0;
    qint32 FilesDone = 0;
    qint32 FilesTotal = 0;
    QString FileName;
};

// One listed entry, shaped like the platform's file-find record: times are
// 100-nanosecond units since 1 January 1601 (0 when the server gave none).
struct TFindData
{
    static constexpr quint32 DirectoryAttribute = 0x10;
    static constexpr quint32 NormalAttribute = 0x80;

    quint32 attributes = 0;
    quint64 creationTime = 0;
    quint64 lastAccessTime = 0;
    quint64 lastWriteTime = 0;
    quint32 sizeHigh = 0;
    quint32 sizeLow = 0;
    quint32 reserved0 = 0;
    quint32 reserved1 = 0;
    QString name;
    QString shortName;

    bool isFolder() const { return attributes & DirectoryAttribute; }
    qint64 size() const { return qint64((quint64(sizeHigh) << 32) | sizeLow); }
    void setSize(qint64 size)
    {
        sizeHigh = quint32(quint64(size) >> 32);
        sizeLow = quint32(quint64(size) & 0xffffffffu);
    }
    QDateTime lastWrite() const;
    static quint64 fileTimeFrom(const QDateTime &utc);
};

// An entry of a listing kept in a list: the name as listed (with the folder
// when asked) and its own copy of the find record.
struct TFindListEntry
{
    QString name;
    TFindData data;
};
using TFindList = QList<TFindListEntry>;
