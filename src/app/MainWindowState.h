#pragma once

#include <QString>

class SettingsStore;

// The main window's layout and view state as kept in section "Start".
struct MainWindowState
{
    enum WindowStatus { Normal = 1, Minimized = 2, Maximized = 3 };

    int top = 5;
    int left = 5;
    int height = 470;
    int width = 630;
    int status = Normal;
    int folderTreeHeight = 140; // "DirHøjde"
    int resourcePanelWidth = 220; // "FilBredde"
    int libraryDescriptionHeight = 100; // "BibBeskriv"
    int imagePreviewHeight = 96; // "ViewerHoejde"
    int resourcePage = 0; // "Fane"
    int fileListView = 3; // "Vis"
    QString fileFolder; // "Sti"
    bool workOffline = true; // "ArbejdOffline"
    bool resourcePanelShown = true; // "Filboks"
    bool placeStored = false; // the store held a size: not the first start

    static MainWindowState read(const SettingsStore &store);

    // What decides which keys are written at shutdown.
    struct WriteConditions
    {
        bool folderTreeVisible = false;
        bool imagePreviewInUse = false; // image filter active and previews switched on
    };

    // Position and size only in the normal state, so a maximized or minimized
    // window keeps the normal geometry stored before.
    void write(SettingsStore &store, const WriteConditions &conditions) const;
};
