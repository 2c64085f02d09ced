#include "DialogHelp.h"

#include "TreeLines.h"

namespace DialogHelpSources {
namespace {

const QString KeysFile = QStringLiteral("helpkeys.tsv");
const QString TextsFile = QStringLiteral("dialoghelp.da.tsv");

// A help-only record stands in the tree like an attribute but belongs to no element.
constexpr int HelpOnlyKind = 1900;
constexpr int FolderKind = 1000;

void readKeys(const QString &folder, const QList<int> &keysTheDialogsUse, DialogHelp &help, BuildProblems &problems)
{
    const DanishFile file = SourceFiles::readDanish(folder, KeysFile, problems);
    QHash<int, int> lineOfKey;
    for (const DanishLine &line : file.lines) {
        bool isNumber = false;
        const int key = line.key.toInt(&isNumber);
        const QString entry = line.texts.value(0);
        if (!isNumber || key <= 0) {
            problems.add(file.placeOf(line), line.key, QStringLiteral("is not a positive help key"));
            continue;
        }
        if (entry.isEmpty()) {
            problems.add(file.placeOf(line), line.key, QStringLiteral("names no entry"));
            continue;
        }
        if (const auto first = lineOfKey.constFind(key); first != lineOfKey.constEnd()) {
            problems.add(file.placeOf(line), line.key, QStringLiteral("stands twice (first on line %1)").arg(*first));
            continue;
        }
        lineOfKey.insert(key, line.line);
        if (!keysTheDialogsUse.contains(key))
            problems.add(file.placeOf(line), line.key, QStringLiteral("is used by no dialog"));
        if (const auto taken = help.keyOfEntry.constFind(entry); taken != help.keyOfEntry.constEnd()) {
            problems.add(file.placeOf(line), line.key,
                         QStringLiteral("%1 already carries help key %2").arg(entry).arg(taken->key));
            continue;
        }
        help.keyOfEntry.insert(entry, {key, file.placeOf(line)});
    }
    for (const int key : keysTheDialogsUse) {
        if (!lineOfKey.contains(key))
            problems.add({KeysFile, 0}, QString::number(key), QStringLiteral("a dialog uses this help key, but it has no line"));
    }
}

void readTexts(const QString &folder, DialogHelp &help, BuildProblems &problems)
{
    const DanishFile file = SourceFiles::readDanish(folder, TextsFile, problems);
    QHash<QString, int> seen;
    for (const DanishLine &line : file.lines) {
        if (!TreeLines::firstOccurrence(file, line, seen, problems))
            continue;
        const bool isFolder = TreeLines::isRoot(line);
        if (!isFolder && !line.key.startsWith(QLatin1Char('?'))) {
            problems.add(file.placeOf(line), line.key,
                         QStringLiteral("is neither the folder (\"!\") nor a help entry (\"?name\")"));
            continue;
        }
        if (isFolder != help.folder.isEmpty()) {
            problems.add(file.placeOf(line), line.key,
                         isFolder ? QStringLiteral("the folder line must come first and once")
                                  : QStringLiteral("stands before the folder line"));
            continue;
        }
        PlannedNode node{isFolder ? 2 : 3, {}, file.placeOf(line), line.key};
        node.record.Kind = isFolder ? FolderKind : HelpOnlyKind;
        node.record.Code = TreeLines::requiredText(file, line, 0, QStringLiteral("caption"), problems);
        node.record.Name = node.record.Code;
        node.record.Description = TreeLines::requiredText(file, line, 1, QStringLiteral("description"), problems);
        help.folder.append(node);
    }
}

} // namespace

DialogHelp read(const QString &folder, const QList<int> &keysTheDialogsUse, BuildProblems &problems)
{
    DialogHelp help;
    readKeys(folder, keysTheDialogsUse, help, problems);
    readTexts(folder, help, problems);
    for (PlannedNode &node : help.folder) {
        if (node.level == 3)
            node.record.HelpKey = help.keyOfEntry.value(node.entry, {-1, {}}).key;
    }
    return help;
}

void checkAssigned(const DialogHelp &help, const QSet<QString> &entriesWithRecords, BuildProblems &problems)
{
    for (auto it = help.keyOfEntry.cbegin(); it != help.keyOfEntry.cend(); ++it) {
        if (!entriesWithRecords.contains(it.key()))
            problems.add(it->place, QString::number(it->key),
                         QStringLiteral("its entry %1 has no record in the HTML library").arg(it.key()));
    }
}

} // namespace DialogHelpSources
