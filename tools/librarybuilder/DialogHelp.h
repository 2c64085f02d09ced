#pragma once

#include "PlannedTree.h"
#include "SourceFiles.h"

#include <QHash>
#include <QList>
#include <QSet>

// The help keys of the dialogs (helpkeys.tsv) and the help-only records (dialoghelp.da.tsv).
struct DialogHelp
{
    struct Assignment
    {
        int key = 0;
        SourcePlace place;
    };
    QHash<QString, Assignment> keyOfEntry; // entry of the HTML tree -> its help key
    // The help folder (level 2) followed by its help-only records (level 3), keys given.
    QList<PlannedNode> folder;
};

namespace DialogHelpSources {

// Reads both files; every key the dialogs use must stand in helpkeys.tsv exactly once and
// no other key may, and an entry can carry one key only.
DialogHelp read(const QString &folder, const QList<int> &keysTheDialogsUse, BuildProblems &problems);

// Every assigned entry must have become a record of the HTML tree.
void checkAssigned(const DialogHelp &help, const QSet<QString> &entriesWithRecords, BuildProblems &problems);

} // namespace DialogHelpSources
