#include "app/MainWindowState.h"

#include "core/SettingsKeys.h"
#include "core/SettingsStore.h"

#include <algorithm>

namespace {

const QString Top = QStringLiteral("Top");
const QString Venstre = QStringLiteral("Venstre");
const QString Hoejde = QStringLiteral("Højde");
const QString Bredde = QStringLiteral("Bredde");
const QString Status = QStringLiteral("Status");
const QString DirHoejde = QStringLiteral("DirHøjde");
const QString FilBredde = QStringLiteral("FilBredde");
const QString BibBeskriv = QStringLiteral("BibBeskriv");
const QString ViewerHoejde = QStringLiteral("ViewerHoejde");
const QString Fane = QStringLiteral("Fane");
const QString Vis = QStringLiteral("Vis");
const QString Sti = QStringLiteral("Sti");
const QString ArbejdOffline = QStringLiteral("ArbejdOffline");
const QString Filboks = QStringLiteral("Filboks");

} // namespace

MainWindowState MainWindowState::read(const SettingsStore &store)
{
    const MainWindowState d;
    MainWindowState s;
    const QString &section = Keys::Start;
    s.top = store.readInt(section, Top, d.top);
    s.left = store.readInt(section, Venstre, d.left);
    s.height = store.readInt(section, Hoejde, d.height);
    s.width = store.readInt(section, Bredde, d.width);
    s.placeStored = !store.readText(section, Bredde, QString()).isEmpty();
    s.status = store.readInt(section, Status, d.status);
    if (s.status < Normal || s.status > Maximized)
        s.status = Normal;
    s.folderTreeHeight = store.readInt(section, DirHoejde, d.folderTreeHeight);
    s.resourcePanelWidth = store.readInt(section, FilBredde, d.resourcePanelWidth);
    if (s.resourcePanelWidth < 10)
        s.resourcePanelWidth = 220;
    s.libraryDescriptionHeight = store.readInt(section, BibBeskriv, d.libraryDescriptionHeight);
    s.imagePreviewHeight = std::max(40, store.readInt(section, ViewerHoejde, d.imagePreviewHeight));
    s.resourcePage = store.readInt(section, Fane, d.resourcePage);
    s.fileListView = store.readInt(section, Vis, d.fileListView);
    s.fileFolder = store.readText(section, Sti, d.fileFolder);
    s.workOffline = store.readBool(section, ArbejdOffline, d.workOffline);
    s.resourcePanelShown = store.readBool(section, Filboks, d.resourcePanelShown);
    return s;
}

void MainWindowState::write(SettingsStore &store, const WriteConditions &conditions) const
{
    const QString &section = Keys::Start;
    if (status == Normal) {
        store.writeInt(section, Top, top);
        store.writeInt(section, Venstre, left);
        store.writeInt(section, Hoejde, height);
        store.writeInt(section, Bredde, width);
    }
    store.writeInt(section, DirHoejde, folderTreeHeight);
    store.writeInt(section, FilBredde, resourcePanelWidth);
    store.writeInt(section, Fane, resourcePage);
    store.writeInt(section, Status, status);
    if (conditions.folderTreeVisible)
        store.writeText(section, Sti, fileFolder);
    store.writeBool(section, ArbejdOffline, workOffline);
    store.writeBool(section, Filboks, resourcePanelShown);
    store.writeInt(section, Vis, fileListView);
    store.writeInt(section, BibBeskriv, libraryDescriptionHeight);
    if (conditions.imagePreviewInUse)
        store.writeInt(section, ViewerHoejde, imagePreviewHeight);
}
