#include "files/Shortcuts.h"

#include "core/AppFolders.h"
#include "core/ProductTexts.h"
#include "core/Prompter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace Shortcuts {

namespace {

QString entryText(const QString &programPath)
{
    // Exec quotes the path, as desktop entries require for paths with blanks.
    QString quoted = programPath;
    quoted.replace(QLatin1Char('\\'), QLatin1String("\\\\")).replace(QLatin1Char('"'), QLatin1String("\\\""));
    // The same entry as the installed one, starting this very program.
    return QStringLiteral("[Desktop Entry]\n"
                          "Type=Application\n"
                          "Name=%1\n"
                          "GenericName=HTML-editor\n"
                          "Comment=Rediger websider i HTML-kode\n"
                          "Exec=\"%2\" %F\n"
                          "Icon=pagewick\n"
                          "Terminal=false\n"
                          "Categories=Development;WebDevelopment;TextEditor;\n"
                          "MimeType=text/html;text/css;application/javascript;text/plain;\n")
        .arg(Product::Caption, quoted);
}

bool place(const QString &path, bool wanted, const QString &programPath)
{
    const bool present = QFile::exists(path);
    if (wanted == present)
        return true;
    if (!wanted)
        return QFile::remove(path);
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(entryText(programPath).toUtf8());
    if (!file.commit())
        return false;
    // Desktops start only entries that may be executed.
    return QFile::setPermissions(path, QFile::permissions(path) | QFileDevice::ExeOwner);
}

} // namespace

Places Places::standard()
{
    return {QStandardPaths::writableLocation(QStandardPaths::DesktopLocation),
            QStandardPaths::writableLocation(QStandardPaths::ApplicationsLocation), QCoreApplication::applicationFilePath()};
}

QString desktopEntryPath(const Places &places)
{
    return AppFolders::join(places.desktopFolder, Product::Caption + QStringLiteral(".desktop"));
}

QString applicationsEntryPath(const Places &places)
{
    return AppFolders::join(places.applicationsFolder, QStringLiteral("pagewick.desktop"));
}

bool update(const Places &places, bool onDesktop, bool inApplications)
{
    const bool desktop = place(desktopEntryPath(places), onDesktop, places.programPath);
    const bool applications = place(applicationsEntryPath(places), inApplications, places.programPath);
    return desktop && applications;
}

} // namespace Shortcuts
