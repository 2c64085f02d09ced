#include "SourceFiles.h"

#include <QDir>
#include <QFile>
#include <QStringDecoder>

namespace SourceFiles {
namespace {

// The file's lines without their line ends, or nothing (and a problem) when it cannot be read.
std::optional<QStringList> fileLines(const QString &folder, const QString &name, BuildProblems &problems)
{
    QFile file(QDir(folder).filePath(name));
    if (!file.open(QIODevice::ReadOnly)) {
        problems.add({name, 0}, {}, QStringLiteral("cannot be read"));
        return std::nullopt;
    }
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8.decode(file.readAll());
    if (utf8.hasError()) {
        problems.add({name, 0}, {}, QStringLiteral("is not UTF-8"));
        return std::nullopt;
    }
    QStringList lines = text.split(QLatin1Char('\n'));
    for (QString &line : lines) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
    }
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

} // namespace

FactTable readFacts(const QString &folder, const QString &name, const QStringList &columns, BuildProblems &problems)
{
    FactTable table{QStringLiteral("facts/") + name, {}};
    const auto lines = fileLines(folder, table.fileName, problems);
    if (!lines || lines->isEmpty())
        return table;
    const QStringList header = lines->first().split(QLatin1Char('\t'));
    QList<int> picked;
    for (const QString &column : columns) {
        const int index = int(header.indexOf(column));
        if (index < 0) {
            problems.add({table.fileName, 1}, {}, QStringLiteral("has no column \"%1\"").arg(column));
            return table;
        }
        picked.append(index);
    }
    for (int at = 1; at < lines->size(); ++at) {
        const QString &line = lines->at(at);
        if (line.isEmpty())
            continue;
        const QStringList cells = line.split(QLatin1Char('\t'));
        FactRow row{at + 1, {}};
        for (const int index : picked)
            row.cells.append(index < cells.size() ? cells[index] : QString());
        table.rows.append(row);
    }
    return table;
}

DanishFile readDanish(const QString &folder, const QString &name, BuildProblems &problems)
{
    DanishFile file{name, {}};
    const auto lines = fileLines(folder, name, problems);
    if (!lines)
        return file;
    for (int at = 0; at < lines->size(); ++at) {
        const QString &line = lines->at(at);
        if (line.trimmed().isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        QStringList fields = line.split(QLatin1Char('\t'));
        DanishLine entry{at + 1, fields.takeFirst(), {}};
        for (const QString &text : fields)
            entry.texts.append(text.trimmed());
        file.lines.append(entry);
    }
    return file;
}

QStringList readLines(const QString &folder, const QString &name, BuildProblems &problems)
{
    QStringList result;
    if (const auto lines = fileLines(folder, name, problems)) {
        for (const QString &line : *lines) {
            if (!line.trimmed().isEmpty())
                result.append(line.trimmed());
        }
    }
    return result;
}

QStringList commaItems(const QString &text)
{
    QStringList items;
    for (const QString &item : text.split(QLatin1Char(','))) {
        if (!item.trimmed().isEmpty())
            items.append(item.trimmed());
    }
    return items;
}

} // namespace SourceFiles
