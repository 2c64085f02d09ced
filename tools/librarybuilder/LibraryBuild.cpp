#include "LibraryBuild.h"

#include "DialogHelp.h"
#include "HtmlLibrary.h"
#include "OutputFiles.h"
#include "ScriptLibrary.h"
#include "SpecialCharacters.h"
#include "StyleLibrary.h"

#include <QDir>
#include <QHash>

namespace LibraryBuild {
namespace {

QStringList names(const QString &folder, const QString &factFile, BuildProblems &problems)
{
    QStringList result;
    const FactTable table = SourceFiles::readFacts(folder, factFile, {QStringLiteral("name")}, problems);
    for (const FactRow &row : table.rows)
        result.append(row.cells[0]);
    return result;
}

} // namespace

QStringList outputNames()
{
    return {QStringLiteral("html4bib.dat"),      QStringLiteral("css2bib.dat"),       QStringLiteral("js12bib.dat"),
            QStringLiteral("specialtegn.dat"),   QStringLiteral("eventmap.dat"),      QStringLiteral("globalmap.dat"),
            QStringLiteral("htmlversioner.txt"), QStringLiteral("pseudoklasser.dat"), QStringLiteral("pseudoelementer.dat")};
}

QStringList run(const QString &sourceFolder, const QString &outputFolder, const QList<int> &keysTheDialogsUse)
{
    BuildProblems problems;
    const DialogHelp help = DialogHelpSources::read(sourceFolder, keysTheDialogsUse, problems);
    HtmlLibrary html = HtmlLibraryAssembly::assemble(sourceFolder, help, problems);
    QList<PlannedNode> css = StyleLibraryAssembly::assemble(sourceFolder, problems);
    QList<PlannedNode> js = ScriptLibraryAssembly::assemble(sourceFolder, problems);
    const QList<PlannedNode> characters = SpecialCharacterAssembly::assemble(sourceFolder, problems);

    QHash<QString, QByteArray> outputs;
    outputs.insert(QStringLiteral("html4bib.dat"), PlannedTree::encode(html.nodes, problems));
    outputs.insert(QStringLiteral("css2bib.dat"), PlannedTree::encode(css, problems));
    outputs.insert(QStringLiteral("js12bib.dat"), PlannedTree::encode(js, problems));
    outputs.insert(QStringLiteral("specialtegn.dat"), PlannedTree::encodeFlat(characters, problems));
    outputs.insert(QStringLiteral("eventmap.dat"), OutputFiles::lines(html.eventMap));
    outputs.insert(QStringLiteral("globalmap.dat"), OutputFiles::lines(html.globalMap));
    outputs.insert(QStringLiteral("htmlversioner.txt"),
                   OutputFiles::lines(SourceFiles::readLines(sourceFolder, QStringLiteral("html-versions.txt"), problems)));
    outputs.insert(QStringLiteral("pseudoklasser.dat"),
                   OutputFiles::lines(names(sourceFolder, QStringLiteral("css-pseudo-classes.tsv"), problems)));
    outputs.insert(QStringLiteral("pseudoelementer.dat"),
                   OutputFiles::lines(names(sourceFolder, QStringLiteral("css-pseudo-elements.tsv"), problems)));
    if (!problems.isEmpty())
        return problems.messages();

    QDir().mkpath(outputFolder);
    for (const QString &name : outputNames())
        OutputFiles::write(outputFolder, name, outputs.value(name), problems);
    return problems.messages();
}

} // namespace LibraryBuild
