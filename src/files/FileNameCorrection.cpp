#include "files/FileNameCorrection.h"

#include "files/FileOperations.h"

#include <QDir>

QString correctedFileName(const QString &name, const FileNameRules &rules)
{
    QString corrected = name;
    if (rules.replaceSpaces)
        corrected.replace(QLatin1Char(' '), rules.spaceReplacement);
    if (rules.replaceDanishLetters) {
        const std::pair<QChar, QString> letters[] = {
            {QChar(0x00E6), rules.aeReplacement}, {QChar(0x00F8), rules.oeReplacement}, {QChar(0x00E5), rules.aaReplacement}};
        for (const auto &[letter, replacement] : letters) {
            corrected.replace(letter, replacement);
            corrected.replace(letter.toUpper(), replacement.toUpper());
        }
    }
    if (rules.changeCase)
        corrected = rules.upperCase ? corrected.toUpper() : corrected.toLower();
    return corrected;
}

QList<FileRename> planFileNameCorrection(const QStringList &fileNames, const FileNameRules &rules)
{
    QList<FileRename> plan;
    for (const QString &name : fileNames) {
        const QString corrected = correctedFileName(name, rules);
        if (corrected != name)
            plan.append({name, corrected});
    }
    return plan;
}

FileNameCorrectionResult applyFileNameCorrection(const QString &folder, const QList<FileRename> &plan)
{
    FileNameCorrectionResult result;
    const QDir dir(folder);
    for (const FileRename &rename : plan) {
        if (isPlainFileName(rename.to) && renameWithoutReplacing(dir.filePath(rename.from), dir.filePath(rename.to)))
            result.renamed.append(rename.from);
        else
            result.failed.append(rename.from);
    }
    return result;
}
