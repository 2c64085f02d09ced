#include "SpecialCharacters.h"

#include "TreeLines.h"

#include <QHash>
#include <QSet>

#include <algorithm>

namespace SpecialCharacterAssembly {
namespace {

const QString DanishFileName = QStringLiteral("entities.da.tsv");

// Markup or invisible: the whole-text conversions skip these rows, so they come first, each
// with exactly one reference.
const QStringList UntouchedNames = {
    QStringLiteral("amp"),  QStringLiteral("lt"),   QStringLiteral("gt"),  QStringLiteral("quot"),
    QStringLiteral("apos"), QStringLiteral("nbsp"), QStringLiteral("shy"),
};

struct Reference
{
    QString name;
    QList<char32_t> codePoints;
    bool html4 = false;
    int order = 0; // row order in the facts
    SourcePlace place;
};

QString textOf(const QList<char32_t> &codePoints)
{
    return QString::fromUcs4(codePoints.constData(), codePoints.size());
}

QString decimalCode(const QList<char32_t> &codePoints)
{
    QString code;
    for (const char32_t point : codePoints)
        code += QStringLiteral("&#%1;").arg(quint32(point));
    return code;
}

// A key as written, or "U+" and blank-separated hexadecimal code points.
QString characterOfKey(const QString &key)
{
    if (!key.startsWith(QLatin1String("U+")) || key.size() < 3)
        return key;
    QList<char32_t> points;
    for (const QString &hex : key.mid(2).split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        bool ok = false;
        points.append(char32_t(hex.toUInt(&ok, 16)));
        if (!ok)
            return key;
    }
    return textOf(points);
}

QList<Reference> readReferences(const QString &folder, BuildProblems &problems)
{
    const FactTable facts = SourceFiles::readFacts(
        folder, QStringLiteral("entities.tsv"), {QStringLiteral("name"), QStringLiteral("codepoints"), QStringLiteral("html4")},
        problems);
    QList<Reference> references;
    for (const FactRow &row : facts.rows) {
        Reference reference{row.cells[0], {}, row.cells[2] == QLatin1String("1"), int(references.size()), facts.placeOf(row)};
        for (const QString &hex : row.cells[1].split(QLatin1Char(' '), Qt::SkipEmptyParts))
            reference.codePoints.append(char32_t(hex.toUInt(nullptr, 16)));
        if (reference.codePoints.isEmpty()) {
            problems.add(reference.place, reference.name, QStringLiteral("has no code points"));
            continue;
        }
        references.append(reference);
    }
    return references;
}

// Code-point order of the first code point, a pair before the single character it starts
// with (so that a conversion writes the pair's own reference); among the names of one
// character the HTML 4 name first, then the shorter.
bool comesBefore(const Reference &a, const Reference &b)
{
    if (a.codePoints.first() != b.codePoints.first())
        return a.codePoints.first() < b.codePoints.first();
    if (a.codePoints != b.codePoints) {
        if (a.codePoints.size() != b.codePoints.size())
            return a.codePoints.size() > b.codePoints.size();
        return a.codePoints < b.codePoints;
    }
    if (a.html4 != b.html4)
        return a.html4;
    if (a.name.size() != b.name.size())
        return a.name.size() < b.name.size();
    return a.order < b.order;
}

} // namespace

QList<PlannedNode> assemble(const QString &folder, BuildProblems &problems)
{
    const QList<Reference> references = readReferences(folder, problems);
    QHash<QString, Reference> byName;
    QSet<QString> charactersOfFacts;
    for (const Reference &reference : references) {
        byName.insert(reference.name, reference);
        charactersOfFacts.insert(textOf(reference.codePoints));
    }

    const DanishFile file = SourceFiles::readDanish(folder, DanishFileName, problems);
    QHash<QString, QString> descriptionOf;
    QHash<QString, int> seen;
    for (const DanishLine &line : file.lines) {
        if (!TreeLines::firstOccurrence(file, line, seen, problems))
            continue;
        const QString character = characterOfKey(line.key);
        if (!charactersOfFacts.contains(character)) {
            problems.add(file.placeOf(line), line.key, QStringLiteral("is no character of the facts"));
            continue;
        }
        descriptionOf.insert(character, TreeLines::requiredText(file, line, 0, QStringLiteral("description"), problems));
    }

    QList<Reference> rows;
    for (const QString &name : UntouchedNames) {
        if (!byName.contains(name)) {
            problems.add({QStringLiteral("facts/entities.tsv"), 0}, name,
                         QStringLiteral("is missing; it belongs in the first seven rows"));
            continue;
        }
        rows.append(byName[name]);
    }
    // Every other name follows, the ASCII ones and the second names of the seven included:
    // the list shows them all, and the conversions themselves leave those rows alone.
    QList<Reference> rest;
    for (const Reference &reference : references) {
        if (!UntouchedNames.contains(reference.name))
            rest.append(reference);
    }
    std::stable_sort(rest.begin(), rest.end(), comesBefore);
    rows.append(rest);

    QList<PlannedNode> nodes;
    QSet<QString> undescribed;
    for (const Reference &reference : rows) {
        const QString character = textOf(reference.codePoints);
        PlannedNode node{0, {}, reference.place, reference.name};
        node.record.Id = 0; // a list, not a tree: every row stands at the top
        node.record.Name = character;
        node.record.Values = QLatin1Char('&') + reference.name + QLatin1Char(';');
        node.record.Code = decimalCode(reference.codePoints);
        node.record.Description = descriptionOf.value(character);
        if (!descriptionOf.contains(character) && !undescribed.contains(character)) {
            undescribed.insert(character);
            problems.add(reference.place, reference.name, QStringLiteral("its character has no line in %1").arg(DanishFileName));
        }
        nodes.append(node);
    }
    return nodes;
}

} // namespace SpecialCharacterAssembly
