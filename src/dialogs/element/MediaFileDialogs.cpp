#include "dialogs/element/MediaFileDialogs.h"

#include "files/RelativePaths.h"

#include <QFileInfo>

namespace {

const QString AllFiles = QStringLiteral("Alle filer");

QString documentFolder(const QString &documentPath)
{
    return documentPath.isEmpty() ? QString() : QFileInfo(documentPath).absolutePath();
}

} // namespace

Prompter::FileDialog pictureFileDialog(const QString &documentPath, const QString &currentFile)
{
    Prompter::FileDialog dialog;
    dialog.caption = QStringLiteral("Grafik");
    dialog.folder = documentFolder(documentPath);
    dialog.filters = {{QStringLiteral("Billedfiler"), QStringLiteral("*.gif;*.jpg;*.jpeg;*.png")},
                      {AllFiles, QStringLiteral("*")}};
    if (!dialog.folder.isEmpty() && !currentFile.isEmpty()) {
        const QFileInfo current(ResolvePath(dialog.folder, currentFile));
        if (current.isFile()) {
            dialog.folder = current.absolutePath();
            dialog.fileName = current.fileName();
        }
    }
    return dialog;
}

Prompter::FileDialog soundFileDialog(const QString &documentPath)
{
    Prompter::FileDialog dialog;
    dialog.caption = QStringLiteral("Lydfiler");
    dialog.folder = documentFolder(documentPath);
    dialog.filters = {{QStringLiteral("Lydfiler"), QStringLiteral("*.wav;*.au;*.mid")}, {AllFiles, QStringLiteral("*")}};
    return dialog;
}
