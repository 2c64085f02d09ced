#include "ScriptLibrary.h"

#include "TreeLines.h"

#include <QSet>

namespace ScriptLibraryAssembly {
namespace {

constexpr int CategoryKind = 3000;
constexpr int PropertyKind = 2900;
constexpr int MethodKind = 3100;
constexpr int EventKind = 3400;
constexpr int KeywordKind = 3500;

const QString KeywordPrefix = QStringLiteral("keyword:");

int memberKind(const QString &kind)
{
    if (kind == QLatin1String("property"))
        return PropertyKind;
    if (kind == QLatin1String("method"))
        return MethodKind;
    if (kind == QLatin1String("event"))
        return EventKind;
    return 0;
}

} // namespace

QList<PlannedNode> assemble(const QString &folder, BuildProblems &problems)
{
    const FactTable members = SourceFiles::readFacts(folder, QStringLiteral("js-members.tsv"),
                                                     {QStringLiteral("object"), QStringLiteral("member"), QStringLiteral("kind")},
                                                     problems);
    QHash<QString, int> kindOf; // "Object.member" -> record kind
    for (const FactRow &row : members.rows) {
        const int kind = memberKind(row.cells[2]);
        if (kind == 0)
            problems.add(members.placeOf(row), row.cells[0] + QLatin1Char('.') + row.cells[1],
                         QStringLiteral("has the unknown kind \"%1\"").arg(row.cells[2]));
        kindOf.insert(row.cells[0] + QLatin1Char('.') + row.cells[1], kind);
    }
    const FactTable keywordFacts = SourceFiles::readFacts(folder, QStringLiteral("js-keywords.tsv"), {QStringLiteral("keyword")},
                                                          problems);
    QSet<QString> keywords;
    for (const FactRow &row : keywordFacts.rows)
        keywords.insert(row.cells[0]);

    const DanishFile file = SourceFiles::readDanish(folder, QStringLiteral("js.da.tsv"), problems);
    return TreeLines::planLibrary(
        file, QStringLiteral("JavaScript"), CategoryKind, problems, [&](const DanishLine &line) -> std::optional<PlannedNode> {
            PlannedNode entry{2, {}, file.placeOf(line), line.key};
            if (line.key.startsWith(KeywordPrefix)) {
                entry.record.Name = line.key.mid(KeywordPrefix.size());
                if (!keywords.contains(entry.record.Name)) {
                    problems.add(file.placeOf(line), line.key, QStringLiteral("is not a keyword of the facts"));
                    return std::nullopt;
                }
                entry.record.Kind = KeywordKind;
            } else {
                const auto kind = kindOf.constFind(line.key);
                if (kind == kindOf.constEnd()) {
                    problems.add(file.placeOf(line), line.key, QStringLiteral("is not a member of the facts"));
                    return std::nullopt;
                }
                entry.record.Kind = *kind;
                entry.record.Element = line.key.section(QLatin1Char('.'), 0, 0);
                entry.record.Name = line.key.section(QLatin1Char('.'), 1);
            }
            entry.record.Code = entry.record.Name;
            entry.record.Values = line.texts.value(1); // parameters, values or the written form
            entry.record.Description = TreeLines::requiredText(file, line, 0, QStringLiteral("description"), problems);
            return entry;
        });
}

} // namespace ScriptLibraryAssembly
