#include "editor/DocumentFile.h"

#include "editor/FileByteStream.h"

#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>


namespace {

const QByteArray Utf8Bom = QByteArrayLiteral("\xEF\xBB\xBF");

} // namespace

FileEncoding detectFileEncoding(QByteArrayView bytes)
{
    if (bytes.startsWith(Utf8Bom) && bytes.sliced(Utf8Bom.size()).isValidUtf8())
        return FileEncoding::Utf8WithBom;
    return bytes.isValidUtf8() ? FileEncoding::Utf8 : FileEncoding::Windows1252;
}

QByteArray decodedAsUtf8(QByteArray bytes, FileEncoding encoding)
{
    switch (encoding) {
    case FileEncoding::Utf8:
        break;
    case FileEncoding::Utf8WithBom:
        bytes.remove(0, Utf8Bom.size());
        break;
    case FileEncoding::Windows1252: {
        QStringDecoder windows1252("windows-1252");
        bytes = (windows1252.isValid() ? QString(windows1252.decode(bytes)) : QString::fromLatin1(bytes)).toUtf8();
        break;
    }
    }
    return bytes;
}

QByteArray encodedFromUtf8(QByteArray utf8, FileEncoding &encoding)
{
    switch (encoding) {
    case FileEncoding::Utf8:
        break;
    case FileEncoding::Utf8WithBom:
        utf8.prepend(Utf8Bom);
        break;
    case FileEncoding::Windows1252: {
        QStringEncoder windows1252("windows-1252", QStringConverter::Flag::Stateless);
        const QString text = QString::fromUtf8(utf8);
        QByteArray encoded = windows1252.isValid() ? QByteArray(windows1252.encode(text)) : QByteArray();
        if (windows1252.isValid() && !windows1252.hasError())
            utf8 = encoded;
        else
            encoding = FileEncoding::Utf8;
        break;
    }
    }
    return utf8;
}

bool writeFileAtomically(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

bool readDocumentBytes(const QString &path, QByteArray &bytes)
{
    FileByteStream file(path);
    return file.isOpen() && readToEnd(file.reader(), bytes, file.statedSize());
}

std::optional<DocumentFile> readDocumentFile(const QString &path)
{
    QByteArray bytes;
    if (!readDocumentBytes(path, bytes))
        return std::nullopt;
    const FileEncoding encoding = detectFileEncoding(bytes);
    return DocumentFile{QString::fromUtf8(decodedAsUtf8(bytes, encoding)), encoding};
}

bool writeDocumentFile(const QString &path, const QString &text, FileEncoding encoding)
{
    return writeFileAtomically(path, encodedFromUtf8(text.toUtf8(), encoding));
}
