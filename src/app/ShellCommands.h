#pragma once

#include <QHash>
#include <QObject>
#include <QUrl>

#include <functional>

class TfrmIndstil;
class TfrmSplash;
class Workbench;

// The window's own commands: the resource panel, the settings, the program's
// help pages and the user's three help files, the About window and "Afslut".
// F1 asks for help on what is in front: an open menu's section, the settings
// dialog's page, or else the help's front page.
class ShellCommands : public QObject
{
    Q_OBJECT

public:
    ShellCommands(Workbench &workbench, TfrmIndstil &settingsDialog, std::function<void(bool)> showResourcePanel);

    // How help pages and files are shown; tests replace it.
    void setUrlOpener(std::function<bool(const QUrl &)> opener) { m_openUrl = std::move(opener); }
    void showAbout();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void openHelpPage(const QString &page, const QString &section = QString());
    void openUserHelpFile(int index);

    Workbench &m_workbench;
    TfrmIndstil &m_settingsDialog;
    std::function<bool(const QUrl &)> m_openUrl;
    TfrmSplash *m_about = nullptr;
    // Each menu of the menu bar, and its submenus, to the section of the help that tells of it.
    QHash<QObject *, QString> m_menuSections;
};
