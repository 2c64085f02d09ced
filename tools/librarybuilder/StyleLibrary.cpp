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
                                                   {QStringLiteral("property"), QStringLiteral("values")}, problems);
    QHash<QString, QString> valuesOf;
    for (const FactRow &row : facts.rows)
        valuesOf.insert(row.cells[0], row.cells[1]);

    const DanishFile file = SourceFiles::readDanish(folder, QStringLiteral("css.da.tsv"), problems);
    return TreeLines::planLibrary(
        file, QStringLiteral("CSS"), CategoryKind, problems, [&](const DanishLine &line) -> std::optional<PlannedNode> {
            const auto values = valuesOf.constFind(line.key);
            if (values == valuesOf.constEnd()) {
                problems.add(file.placeOf(line), line.key, QStringLiteral("is not a property of the facts"));
                return std::nullopt;
            }
            PlannedNode property{2, {}, file.placeOf(line), line.key};
            property.record.Kind = PropertyKind;
            property.record.Name = line.key;
            property.record.Code = line.key;
            property.record.Values = *values;
            property.record.Extra = TreeLines::requiredText(file, line, 0, QStringLiteral("Danish name"), problems);
            property.record.Description = TreeLines::requiredText(file, line, 1, QStringLiteral("description"), problems);
            return property;
        });
}

} // namespace StyleLibraryAssembly
