#pragma once

#include <QString>

// The program's own entries on the user's desktop and in the applications
// folder (where file managers offer "Open with"), as freedesktop entries.
namespace Shortcuts {

struct Places
{
    QString desktopFolder; // the desktop shortcut "Brindle's Pagewick.desktop"
    QString applicationsFolder; // the "Open with" entry "pagewick.desktop"
    QString programPath; // what the entries start

    // The user's standard desktop and applications folders and this program.
    static Places standard();
};

// Creates each entry that is wanted and missing and removes each that is not
// wanted and present; an entry that exists is left as it is. Answers false
// when an entry could not be written or removed.
bool update(const Places &places, bool onDesktop, bool inApplications);

QString desktopEntryPath(const Places &places);
QString applicationsEntryPath(const Places &places);

} // namespace Shortcuts
