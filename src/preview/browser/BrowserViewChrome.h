#pragma once

#include <QObject>

class QAction;
class QToolBar;
class Workbench;

// How the window looks and what it offers in each of the two views. While
// the internal browser is shown, the commands that write into the hidden
// editor are out of reach, by menu, toolbar and shortcut alike.
class BrowserViewChrome : public QObject
{
    Q_OBJECT

public:
    explicit BrowserViewChrome(Workbench &workbench);

    void showBrowserView(bool shown);
    bool browserViewShown() const { return m_browserShown; }
    // Puts down the toggle of the view shown, and up the other.
    void markView();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void blockShortcutsOf(QAction &action);
    QToolBar &captionBar();

    Workbench &m_workbench;
    bool m_browserShown = false;
    QToolBar *m_captionBar = nullptr;
};
