#include "documents/RecentFiles.h"

#include "core/SettingsStore.h"

namespace RecentFiles {

namespace {

const QString Section = QStringLiteral("Filer");
constexpr int MaxEntries = 8;

QString key(int n)
{
    return QStringLiteral("Fil%1").arg(n);
}

} // namespace

void SkrivSidsteFil(SettingsStore &store, const QString &path)
{
    QStringList paths = HentSidsteFiler(store);
    paths.removeAll(path);
    paths.prepend(path);
    while (paths.size() > MaxEntries)
        paths.removeLast();
    for (int n = 1; n <= MaxEntries; ++n) {
        // Entries past a gap were never shown; they are dropped, so that no
        // path can stand in the list twice.
        const QString entry = paths.value(n - 1);
        if (!entry.isEmpty() || !store.readText(Section, key(n), QString()).isEmpty())
            store.writeText(Section, key(n), entry);
    }
}

QStringList HentSidsteFiler(const SettingsStore &store)
{
    QStringList paths;
    for (int n = 1; n <= MaxEntries; ++n) {
        const QString entry = store.readText(Section, key(n), QString());
        if (entry.isEmpty())
            break;
        paths.append(entry);
    }
    return paths;
}

} // namespace RecentFiles
