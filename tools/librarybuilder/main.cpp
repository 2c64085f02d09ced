// Builds the program's library files from data/library:
//   librarybuilder <source folder> <output folder>
#include "LibraryBuild.h"

#include "resources/DialogHelpKeys.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    QTextStream errors(stderr);
    if (arguments.size() != 3) {
        errors << "usage: librarybuilder <source folder> <output folder>\n";
        return 2;
    }
    const QList<int> keys(DialogHelpKeys::All.begin(), DialogHelpKeys::All.end());
    const QStringList problems = LibraryBuild::run(arguments[1], arguments[2], keys);
    for (const QString &problem : problems)
        errors << problem << '\n';
    if (!problems.isEmpty()) {
        errors << "librarybuilder: " << problems.size() << " problem(s) in " << arguments[1] << '\n';
        return 1;
    }
    return 0;
}
