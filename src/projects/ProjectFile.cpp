#include "projects/ProjectFile.h"

#include "editor/Windows1252.h"

#include <QFile>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStringDecoder>

namespace {

const QByteArray Utf8Mark("\xEF\xBB\xBF");

QStringList textLines(const QString &text)
{
    QStringList lines = text.split(QRegularExpression(QStringLiteral("\r\n|\n|\r")));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

// The text of the file's bytes and the encoding to write it back in.
QString decode(const QByteArray &bytes, ProjectFileEncoding &encoding)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const bool marked = bytes.startsWith(Utf8Mark);
    const QString text = utf8.decode(QByteArrayView(bytes).sliced(marked ? Utf8Mark.size() : 0));
    if (!utf8.hasError()) {
        encoding = marked ? ProjectFileEncoding::Utf8WithMark : ProjectFileEncoding::Utf8;
        return text;
    }
    encoding = ProjectFileEncoding::Windows1252;
    return QString::fromUtf8(Windows1252::toUtf8(bytes));
}

QByteArray encode(const QString &text, ProjectFileEncoding encoding)
{
    const QByteArray utf8 = text.toUtf8();
    if (encoding == ProjectFileEncoding::Utf8WithMark)
        return Utf8Mark + utf8;
    if (encoding == ProjectFileEncoding::Windows1252) {
        // A character the old encoding has no byte for (a title typed since)
        // makes the file UTF-8 rather than lose it.
        if (std::optional<QByteArray> bytes = Windows1252::fromUtf8(utf8))
            return *bytes;
    }
    return utf8;
}

bool keepOriginal(const QString &path)
{
    if (!QFile::exists(path))
        return true;
    const QString backup = path + QLatin1String(".bak");
    if (QFile::exists(backup) && !QFile::remove(backup))
        return false;
    return QFile::copy(path, backup);
}

} // namespace

ProjectTree loadProjectFile(const QString &path)
{
    QFile file(path);
    if (!file.exists())
        return {};
    if (!file.open(QIODevice::ReadOnly))
        return ProjectTree({}, QStringLiteral("Cannot open file %1").arg(path));
    ProjectFileEncoding encoding = ProjectFileEncoding::Utf8;
    const QString text = decode(file.readAll(), encoding);
    IndentedTree read = parseIndentedLines(textLines(text));
    ProjectTree tree(std::move(read.nodes), read.error);
    tree.setEncoding(encoding);
    return tree;
}

bool saveProjectFile(ProjectTree &tree, const QString &path)
{
    if (tree.isDamaged() && !keepOriginal(path))
        return false;
    const QByteArray bytes = encode(indentedText(tree.nodes()), tree.encoding());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return false;
    tree.markSaved();
    return true;
}
