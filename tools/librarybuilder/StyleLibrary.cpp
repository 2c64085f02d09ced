#include "StyleLibrary.h"

#include "TreeLines.h"

namespace StyleLibraryAssembly {
namespace {

constexpr int CategoryKind = 2000;
constexpr int PropertyKind = 2300;

} // namespace

QList<PlannedNode> assemble(const QString &folder, BuildProblems &problems)
{
    const FactTable facts = SourceFiles::readFacts(folder, QStringLiteral("css-properties.tsv"),
                                                   {QStringLiteral("property"), QStringLiteral("values")},
                                                   problems);
    QHash<QString, QString> valuesOf;
    for (const FactRow &row : facts.rows)
        valuesOf.insert(row.cells[0], row.cells[1]);

    const DanishFile file = SourceFiles::readDanish(folder, QStringLiteral("css.da.tsv"), problems);
    QList<PlannedNode> nodes;
    QHash<QString, int> seen;
    for (const DanishLine &line : file.lines) {
        if (!TreeLines::firstOccurrence(file, line, seen, problems))
            continue;
        if (TreeLines::isRoot(line)) {
            nodes.append(TreeLines::root(file, line, QStringLiteral("CSS"), problems));
            continue;
        }
        if (TreeLines::isCategory(line)) {
            nodes.append(TreeLines::category(file, line, CategoryKind, problems));
            continue;
        }
        const auto values = valuesOf.constFind(line.key);
        if (values == valuesOf.constEnd()) {
            problems.add(file.placeOf(line), line.key, QStringLiteral("is not a property of the facts"));
            continue;
        }
        PlannedNode property{2, {}, file.placeOf(line), line.key};
        property.record.Kind = PropertyKind;
        property.record.Name = line.key;
        property.record.Code = line.key;
        property.record.Values = *values;
        property.record.Extra = TreeLines::requiredText(file, line, 0, QStringLiteral("Danish name"), problems);
        property.record.Description =
            TreeLines::requiredText(file, line, 1, QStringLiteral("description"), problems);
        nodes.append(property);
    }
    return nodes;
}

} // namespace StyleLibraryAssembly
