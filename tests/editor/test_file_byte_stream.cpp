// Reading a document file a piece at a time: every byte, a file grown since
// it was opened, and what is no regular file refused without waiting.
#include "editor/DocumentFile.h"
#include "editor/FileByteStream.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

QByteArray readAllOf(FileByteStream &file, qsizetype pieceSize)
{
    QByteArray bytes;
    QByteArray piece(pieceSize, Qt::Uninitialized);
    for (qsizetype got; (got = file.read(piece.data(), pieceSize)) > 0;)
        bytes += piece.first(got);
    return bytes;
}

TEST(FileByteStream, ReadsEveryByteInPiecesOfAnySize)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("side.html"));
    QByteArray content;
    for (int k = 0; k < 5000; ++k)
        content += "<p>" + QByteArray::number(k) + "</p>\r\n";
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(content);
    file.close();
    for (qsizetype pieceSize : {qsizetype(1), qsizetype(4095), content.size(), content.size() + 1, 2 * content.size()}) {
        FileByteStream stream(path);
        ASSERT_TRUE(stream.isOpen());
        EXPECT_EQ(stream.statedSize(), content.size());
        EXPECT_EQ(readAllOf(stream, pieceSize), content) << pieceSize;
    }

    // Bytes written after the file was opened but before it is read are read too.
    FileByteStream grown(path);
    ASSERT_TRUE(file.open(QIODevice::Append));
    file.write("<p>sidst</p>");
    file.close();
    EXPECT_EQ(readAllOf(grown, content.size() + 1), content + "<p>sidst</p>");

    // A buffer too small for the file is given up, a larger one reused.
    QByteArray bytes(10, 'x');
    ASSERT_TRUE(readDocumentBytes(path, bytes));
    EXPECT_EQ(bytes, content + "<p>sidst</p>");
    const char *memory = bytes.constData();
    ASSERT_TRUE(readDocumentBytes(path, bytes));
    EXPECT_EQ(bytes.constData(), memory);
}

TEST(FileByteStream, WhatIsNoRegularFileDoesNotOpen)
{
    QTemporaryDir dir;
    const QString fifo = dir.filePath(QStringLiteral("pipe.html"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("folder.html")));
    for (const QString &path : {dir.filePath(QStringLiteral("missing.html")), dir.filePath(QStringLiteral("folder.html")), fifo,
                                QStringLiteral("/dev/null")}) {
        EXPECT_FALSE(FileByteStream(path).isOpen()) << path.toStdString();
        QByteArray bytes;
        EXPECT_FALSE(readDocumentBytes(path, bytes)) << path.toStdString();
    }
}

} // namespace
