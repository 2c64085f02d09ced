#include "html/HtmlCheck.h"

#include "editor/DocumentFile.h"
#include "editor/EditableText.h"
#include "editor/FileByteStream.h"
#include "html/AsciiText.h"
#include "html/CheckLineCollector.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <memory>
#include <string>
#include <type_traits>
#include <vector>

using namespace HtmlCheckParts;

namespace {

// The text in the character type; a byte text is only ever made of ASCII.
template <typename Char> std::basic_string<Char> textOf(QStringView text)
{
    std::basic_string<Char> out(std::size_t(text.size()), Char());
    std::transform(text.begin(), text.end(), out.begin(), [](QChar c) { return Char(c.unicode()); });
    return out;
}

// Occurrences that do not overlap, each search going on after the last match.
template <typename Char> qsizetype occurrences(View<Char> text, View<Char> word)
{
    qsizetype count = 0;
    for (std::size_t at = text.find(word); at != View<Char>::npos; at = text.find(word, at + word.size()))
        ++count;
    return count;
}

// A name without a blank or ">" ends where the tag's name ends, so one pass
// over the text that reads the name after each "<" and "</" counts every such
// name of the list at once. A tag cannot overlap another (each holds one "<",
// at its start), so these are the counts that searching for each name would give.
bool isPlainName(const QString &name)
{
    return !name.isEmpty() && !name.contains(QLatin1Char(' ')) && !name.contains(QLatin1Char('>'));
}

} // namespace

struct HtmlCheckList::Tables
{
    QStringList names; // the list lower-cased, in list order
    QList<std::array<QString, 3>> tags; // per entry: "<name>", "<name " and "</name>"
    std::vector<std::size_t> plainName; // per entry: its place among the plain names, or None
    bool ascii = true; // whether every name is ASCII, as a byte text can hold it
    bool plainNamesOnly = true; // whether every name is counted as the tags are read
    NameIndex<char16_t> utf16;
    NameIndex<char8_t> bytes; // filled when the names are ASCII

    template <typename Char> const NameIndex<Char> &index() const
    {
        if constexpr (std::is_same_v<Char, char8_t>)
            return bytes;
        else
            return utf16;
    }
};

namespace {

template <typename Char>
void fillIndex(NameIndex<Char> &index, const QStringList &plainNames, const QList<std::array<QString, 3>> &tags)
{
    for (const QString &name : plainNames)
        index.addPlainName(textOf<Char>(name));
    index.fillBuckets();
    for (const auto &[start, startWithAttributes, end] : tags)
        index.tags.push_back({textOf<Char>(start), textOf<Char>(startWithAttributes), textOf<Char>(end)});
}

QString report(const QList<int> &oddLines, const QStringList &elementLines)
{
    if (oddLines.isEmpty() && elementLines.isEmpty())
        return QStringLiteral("Pagewick fandt ingen fejl i koden.");
    QString report;
    if (!oddLines.isEmpty()) {
        QStringList numbers;
        for (int line : oddLines)
            numbers.append(QString::number(line));
        report =
            QStringLiteral("Pagewick fandt et ulige antal \"<\" og \">\" i linierne %1.").arg(numbers.join(QLatin1String(", ")));
        if (!elementLines.isEmpty())
            report += QLatin1Char('\n');
    }
    for (const QString &line : elementLines)
        report += line + QLatin1Char('\n');
    return report;
}

// The report on the lines read and the tags counted in them.
template <typename Char>
QString report(const QList<int> &oddLines, TagCounter<Char> &counter, const HtmlCheckList::Tables &tables)
{
    const NameIndex<Char> &index = tables.index<Char>();
    counter.finish();
    const View<Char> joined = counter.wholeText();
    QStringList elementLines;
    for (qsizetype entry = 0; entry < tables.names.size(); ++entry) {
        if (elementLines.size() >= MaxCheckElementLines)
            break;
        if (tables.names[entry].isEmpty())
            continue;
        const std::size_t plain = tables.plainName[std::size_t(entry)];
        const auto &[start, startWithAttributes, end] = index.tags[std::size_t(entry)];
        const TagCounts counts = plain != None
            ? counter.plainCounts()[plain]
            : TagCounts{occurrences<Char>(joined, start) + occurrences<Char>(joined, startWithAttributes),
                        occurrences<Char>(joined, end)};
        const std::array<QString, 3> &tag = tables.tags[entry];
        if (counts.starts > counts.ends)
            elementLines.append(
                QStringLiteral("- Der er %1 flere \"%2\" end \"%3\"").arg(counts.starts - counts.ends).arg(tag[0], tag[2]));
        else if (counts.ends > counts.starts)
            elementLines.append(
                QStringLiteral("- Der er %1 flere \"%2\" end \"%3\"").arg(counts.ends - counts.starts).arg(tag[2], tag[0]));
    }
    return report(oddLines, elementLines);
}

template <typename Char> QString checkText(View<Char> text, const HtmlCheckList::Tables &tables)
{
    TagCounter<Char> counter(tables.index<Char>(), text.size(), !tables.plainNamesOnly);
    const QList<int> oddLines = LineCollector<Char>(text, counter).collect();
    return report(oddLines, counter, tables);
}

// A document's bytes a window at a time in one buffer, which keeps the line
// being read at its front and grows only for a line longer than a piece.
class PieceBuffer
{
public:
    PieceBuffer(const ReadBytes &read, QByteArray &buffer)
        : m_read(read)
        , m_buffer(buffer)
    {
        if (m_buffer.size() < PieceSize)
            m_buffer.resize(PieceSize);
    }

    // Moves the text from `keepFrom` on to the front and reads once after it.
    TextWindow<char8_t> readOn(std::size_t keepFrom)
    {
        if (keepFrom > 0) {
            std::memmove(m_buffer.data(), m_buffer.constData() + keepFrom, std::size_t(m_filled) - keepFrom);
            m_filled -= qsizetype(keepFrom);
        }
        if (m_buffer.size() - m_filled < PieceSize / 2)
            m_buffer.resize(std::max(2 * m_buffer.size(), m_filled + PieceSize));
        const qsizetype got = m_read(m_buffer.data() + m_filled, m_buffer.size() - m_filled);
        m_ended = got <= 0;
        m_failed = got < 0;
        m_filled += std::max<qsizetype>(got, 0);
        return {View<char8_t>(reinterpret_cast<const char8_t *>(m_buffer.constData()), std::size_t(m_filled)), m_ended};
    }

    bool failed() const { return m_failed; }

private:
    // Large enough that a read costs little beside the bytes it brings, small
    // enough that they are still in the processor's cache when they are checked.
    static constexpr qsizetype PieceSize = 1 << 17;

    const ReadBytes &m_read;
    QByteArray &m_buffer;
    qsizetype m_filled = 0;
    bool m_ended = false;
    bool m_failed = false;
};

} // namespace

HtmlCheckList::HtmlCheckList(const QStringList &names)
{
    auto tables = std::make_shared<Tables>();
    // The library may hold names in upper case; the text is compared lower-cased.
    QStringList plainNames;
    for (const QString &listed : names) {
        const QString name = AsciiText::lowered(listed);
        tables->names.append(name);
        tables->tags.append(
            {QStringLiteral("<%1>").arg(name), QStringLiteral("<%1 ").arg(name), QStringLiteral("</%1>").arg(name)});
        qsizetype plain = plainNames.indexOf(name);
        if (plain < 0 && isPlainName(name)) {
            plain = plainNames.size();
            plainNames.append(name);
        }
        tables->plainName.push_back(plain < 0 ? None : std::size_t(plain));
        tables->plainNamesOnly = tables->plainNamesOnly && (name.isEmpty() || plain >= 0);
        tables->ascii = tables->ascii && std::all_of(name.begin(), name.end(), [](QChar c) { return c.unicode() < 0x80; });
    }
    fillIndex(tables->utf16, plainNames, tables->tags);
    if (tables->ascii)
        fillIndex(tables->bytes, plainNames, tables->tags);
    m_tables = std::move(tables);
}

QString CheckHtml(QStringView text, const HtmlCheckList &checkList)
{
    return checkText(View<char16_t>(text.utf16(), std::size_t(text.size())), *checkList.m_tables);
}

QString CheckHtml(QByteArrayView fileBytes, const HtmlCheckList &checkList)
{
    // A name beyond ASCII could stand in the bytes in more than one way: the
    // text is then read as the editor reads it.
    if (!checkList.m_tables->ascii) {
        const QByteArray utf8 = decodedAsUtf8(fileBytes.toByteArray(), detectFileEncoding(fileBytes));
        return CheckHtml(QStringView(QString::fromUtf8(utf8)), checkList);
    }
    const View<char8_t> bytes(reinterpret_cast<const char8_t *>(fileBytes.data()), std::size_t(fileBytes.size()));
    return checkText(bytes, *checkList.m_tables);
}

QString CheckHtml(QStringView text, const QStringList &checkList)
{
    return CheckHtml(text, HtmlCheckList(checkList));
}

QString CheckHtml(const EditableText &text, const QStringList &checkList)
{
    // One pass over the whole text: reading an editor line by line costs more.
    return CheckHtml(text.GetText(), checkList);
}

std::optional<QString> CheckHtml(const ReadBytes &read, QByteArray &buffer, const HtmlCheckList &checkList)
{
    const HtmlCheckList::Tables &tables = *checkList.m_tables;
    // Other names are searched for in the whole text, so it is read whole.
    if (!tables.ascii || !tables.plainNamesOnly) {
        if (!readToEnd(read, buffer, 0))
            return std::nullopt;
        return CheckHtml(QByteArrayView(buffer), checkList);
    }
    PieceBuffer pieces(read, buffer);
    const ReadOn<char8_t> readOn = [&pieces](std::size_t keepFrom) { return pieces.readOn(keepFrom); };
    TagCounter<char8_t> counter(tables.bytes);
    const QList<int> oddLines = LineCollector<char8_t>(readOn, counter).collect();
    if (pieces.failed())
        return std::nullopt;
    return report(oddLines, counter, tables);
}
