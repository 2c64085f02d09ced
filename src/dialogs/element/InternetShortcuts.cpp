#include "dialogs/element/InternetShortcuts.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

namespace {

// Shortcut files are written in UTF-8 or in the system's single-byte code page.
QString lineText(const QByteArray &line)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8(line);
    return utf8.hasError() ? QString::fromLatin1(line) : text;
}

bool isSectionLine(const QString &line)
{
    return line.startsWith(u'[');
}

} // namespace

std::optional<InternetShortcut> readInternetShortcut(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    bool inShortcutSection = false;
    while (!file.atEnd()) {
        const QString line = lineText(file.readLine()).trimmed();
        if (isSectionLine(line)) {
            inShortcutSection = line.compare(QLatin1String("[InternetShortcut]"), Qt::CaseInsensitive) == 0;
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        if (inShortcutSection && equals >= 0
            && QStringView(line).left(equals).trimmed().compare(QLatin1String("URL"), Qt::CaseInsensitive) == 0)
            return InternetShortcut{line.mid(equals + 1).trimmed(), QFileInfo(path).completeBaseName()};
    }
    return std::nullopt;
}

QList<InternetShortcut> readInternetShortcuts(const QStringList &paths)
{
    QList<InternetShortcut> shortcuts;
    for (const QString &path : paths) {
        if (const std::optional<InternetShortcut> shortcut = readInternetShortcut(path))
            shortcuts.append(*shortcut);
    }
    return shortcuts;
}

Prompter::FileDialog internetShortcutDialog(const QString &folder)
{
    Prompter::FileDialog dialog;
    dialog.caption = QStringLiteral("Internet Stifinder Foretrukne");
    dialog.folder = folder;
    dialog.filters = {{QStringLiteral("Internet Stifinder genveje"), QStringLiteral("*.URL")},
                      {QStringLiteral("Alle filer"), QStringLiteral("*")}};
    return dialog;
}
