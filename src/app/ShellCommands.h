#pragma once

#include <QObject>
#include <QUrl>

#include <functional>

class TfrmIndstil;
class TfrmSplash;
class Workbench;

// The window's own commands: the resource panel, the settings, the program's
// help pages and the user's three help files, the About window and "Afslut".
class ShellCommands : public QObject
{
    Q_OBJECT

public:
    ShellCommands(Workbench &workbench, TfrmIndstil &settingsDialog, std::function<void(bool)> showResourcePanel);

    // How help pages and files are shown; tests replace it.
    void setUrlOpener(std::function<bool(const QUrl &)> opener) { m_openUrl = std::move(opener); }
    void showAbout();

private:
    void openHelpPage(const QString &page);
    void openUserHelpFile(int index);

    Workbench &m_workbench;
    TfrmIndstil &m_settingsDialog;
    std::function<bool(const QUrl &)> m_openUrl;
    TfrmSplash *m_about = nullptr;
};
