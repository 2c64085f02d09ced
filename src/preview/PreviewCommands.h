#pragma once

#include "preview/TemporaryCopy.h"

#include <QObject>
#include <QString>

#include <functional>
#include <optional>

class QMenu;
class TfrmIndstil;
class Workbench;
struct PreviewSources;

// What the preview needs of the window besides its workbench.
struct PreviewServices
{
    // Saves the document of the tab ("Gem", asking for a name when it has
    // none); false when the user cancelled or the save failed.
    std::function<bool(int tab)> save;
    // The file panel's folder, where a never-saved document's copy goes.
    std::function<QString()> scratchFolder;
};

// The browser preview's commands: "Vis side i ekstern browser" (F11, with the
// browser menu), Shift+F11 in the editor (straight to the first browser),
// the question to register a browser, and the page the internal browser
// shows. Owns the temporary copy, removed when the window goes.
class PreviewCommands : public QObject
{
    Q_OBJECT

public:
    PreviewCommands(Workbench &workbench, TfrmIndstil &settingsDialog, PreviewServices services);

    // Shows the active document in an external browser; the browser menu is
    // offered when allowed, wanted and there is more than one browser.
    void showInExternalBrowser(bool menuAllowed);
    // The page the internal browser is to show for the active document;
    // nothing when the user cancelled or was told why there is none.
    std::optional<QString> internalTarget();

private:
    PreviewSources sources();
    void openInBrowser(int index);
    void openInDesktopBrowser();
    void popUpBrowserMenu();
    bool askToRegisterBrowser();
    void warn(const QString &text);

    Workbench &m_workbench;
    TfrmIndstil &m_settingsDialog;
    PreviewServices m_services;
    TemporaryCopy m_copy;
    QString m_target; // the path or address last given to a browser
    QMenu *m_browserMenu; // "mnuBrowsere", at the mouse
};
