#include "HtmlFacts.h"

namespace HtmlFactTables {

HtmlFacts read(const QString &folder, BuildProblems &problems)
{
    HtmlFacts facts;
    const auto one = QStringLiteral("1");
    const FactTable elements = SourceFiles::readFacts(
        folder, QStringLiteral("html-elements.tsv"), {QStringLiteral("element"), QStringLiteral("void"), QStringLiteral("check")},
        problems);
    for (const FactRow &row : elements.rows)
        facts.elements.insert(row.cells[0], {row.cells[1] == one, row.cells[2] == one});

    const FactTable attributes = SourceFiles::readFacts(
        folder, QStringLiteral("html-attributes.tsv"),
        {QStringLiteral("element"), QStringLiteral("attribute"), QStringLiteral("values")}, problems);
    for (const FactRow &row : attributes.rows)
        facts.attributesOf[row.cells[0]].append({row.cells[1], row.cells[2], attributes.placeOf(row)});

    const FactTable globals = SourceFiles::readFacts(
        folder, QStringLiteral("html-global-attributes.tsv"),
        {QStringLiteral("attribute"), QStringLiteral("values"), QStringLiteral("except")}, problems);
    for (const FactRow &row : globals.rows) {
        facts.globals.insert(row.cells[0], {row.cells[1], row.cells[2], globals.placeOf(row)});
        facts.globalOrder.append(row.cells[0]);
    }

    const FactTable events = SourceFiles::readFacts(folder, QStringLiteral("html-events.tsv"),
                                                    {QStringLiteral("event"), QStringLiteral("kind"), QStringLiteral("elements")},
                                                    problems);
    for (const FactRow &row : events.rows) {
        const int kind = row.cells[1].toInt();
        if (kind < FirstEventKind || kind > LastEventKind)
            problems.add(events.placeOf(row), row.cells[0], QStringLiteral("has no event kind 1701-1799"));
        facts.events.insert(row.cells[0], {kind, row.cells[2], events.placeOf(row)});
        facts.eventOrder.append(row.cells[0]);
    }
    return facts;
}

} // namespace HtmlFactTables
