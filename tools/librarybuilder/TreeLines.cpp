#include "TreeLines.h"

namespace TreeLines {

bool isRoot(const DanishLine &line)
{
    return line.key == QLatin1String("!");
}

bool isCategory(const DanishLine &line)
{
    return line.key.size() > 2 && line.key.startsWith(QLatin1Char('[')) && line.key.endsWith(QLatin1Char(']'));
}

QString requiredText(const DanishFile &file, const DanishLine &line, int index, const QString &what, BuildProblems &problems)
{
    const QString text = line.texts.value(index);
    if (text.isEmpty())
        problems.add(file.placeOf(line), line.key, QStringLiteral("has no %1").arg(what));
    return text;
}

PlannedNode root(const DanishFile &file, const DanishLine &line, const QString &caption, BuildProblems &problems)
{
    PlannedNode node{0, {}, file.placeOf(line), line.key};
    node.record.Description = requiredText(file, line, 0, QStringLiteral("description"), problems);
    node.record.Kind = 0;
    node.record.Name = caption;
    node.record.Code = caption;
    return node;
}

PlannedNode category(const DanishFile &file, const DanishLine &line, int kind, BuildProblems &problems)
{
    PlannedNode node{1, {}, file.placeOf(line), line.key};
    node.record.Description = requiredText(file, line, 0, QStringLiteral("description"), problems);
    node.record.Kind = kind;
    node.record.Name = line.key.mid(1, line.key.size() - 2);
    node.record.Code = node.record.Name;
    return node;
}

bool firstOccurrence(const DanishFile &file, const DanishLine &line, QHash<QString, int> &seen, BuildProblems &problems)
{
    if (const auto found = seen.constFind(line.key); found != seen.constEnd()) {
        problems.add(file.placeOf(line), line.key, QStringLiteral("stands twice (first on line %1)").arg(*found));
        return false;
    }
    seen.insert(line.key, line.line);
    return true;
}

QList<PlannedNode> planLibrary(const DanishFile &file, const QString &rootCaption, int categoryKind, BuildProblems &problems,
                               const std::function<std::optional<PlannedNode>(const DanishLine &)> &entry)
{
    QList<PlannedNode> nodes;
    QHash<QString, int> seen;
    for (const DanishLine &line : file.lines) {
        if (!firstOccurrence(file, line, seen, problems))
            continue;
        if (isRoot(line))
            nodes.append(root(file, line, rootCaption, problems));
        else if (isCategory(line))
            nodes.append(category(file, line, categoryKind, problems));
        else if (std::optional<PlannedNode> node = entry(line))
            nodes.append(*node);
    }
    return nodes;
}

} // namespace TreeLines
