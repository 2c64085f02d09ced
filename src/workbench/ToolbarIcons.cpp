#include "workbench/ToolbarIcons.h"

#include <QHash>

namespace {

// Freedesktop names for the drawings that have the same meaning there.
const QHash<QString, QString> &themeNames()
{
    static const QHash<QString, QString> names = {
        {QStringLiteral("new-document"), QStringLiteral("document-new")},
        {QStringLiteral("save"), QStringLiteral("document-save")},
        {QStringLiteral("undo"), QStringLiteral("edit-undo")},
        {QStringLiteral("redo"), QStringLiteral("edit-redo")},
        {QStringLiteral("bold"), QStringLiteral("format-text-bold")},
        {QStringLiteral("italic"), QStringLiteral("format-text-italic")},
        {QStringLiteral("underline"), QStringLiteral("format-text-underline")},
        {QStringLiteral("font"), QStringLiteral("preferences-desktop-font")},
        {QStringLiteral("align-center"), QStringLiteral("format-justify-center")},
        {QStringLiteral("justify"), QStringLiteral("format-justify-fill")},
        {QStringLiteral("link"), QStringLiteral("insert-link")},
        {QStringLiteral("image"), QStringLiteral("insert-image")},
        {QStringLiteral("settings"), QStringLiteral("preferences-system")},
        {QStringLiteral("external-browser"), QStringLiteral("web-browser")},
        {QStringLiteral("new-folder"), QStringLiteral("folder-new")},
    };
    return names;
}

} // namespace

namespace ToolbarIcons {

QString drawing(const QString &name)
{
    return QStringLiteral(":/icons/toolbar/%1.svg").arg(name);
}

QIcon icon(const QString &name)
{
    const QIcon own(drawing(name));
    const QString themeName = themeNames().value(name);
    return themeName.isEmpty() ? own : QIcon::fromTheme(themeName, own);
}

} // namespace ToolbarIcons
