#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// How file names are made fit for web servers that cannot cope with spaces
// and the Danish letters.
struct FileNameRules
{
    bool replaceSpaces = true;
    QString spaceReplacement = QStringLiteral("_");
    bool replaceDanishLetters = true;
    QString aeReplacement = QStringLiteral("ae"); // for "æ"; "Æ" gets it in upper case
    QString oeReplacement = QStringLiteral("oe"); // for "ø"
    QString aaReplacement = QStringLiteral("aa"); // for "å"
    bool changeCase = true;
    bool upperCase = false; // all capitals instead of all small letters
};

// The name a file gets: spaces, then the Danish letters, then the case of the
// whole name (extension included).
QString correctedFileName(const QString &name, const FileNameRules &rules);

struct FileRename
{
    QString from; // a name in the folder
    QString to;
};

// The renames that the rules call for, in the given order; names that stay as
// they are are left out.
QList<FileRename> planFileNameCorrection(const QStringList &fileNames, const FileNameRules &rules);

struct FileNameCorrectionResult
{
    QStringList renamed; // the old names
    QStringList failed; // the old names that kept their name
};

// Renames in the folder, in plan order. Nothing is overwritten: a new name
// that another file has (also one renamed earlier in the plan) fails, and so
// does a name with a folder separator in it.
FileNameCorrectionResult applyFileNameCorrection(const QString &folder, const QList<FileRename> &plan);
