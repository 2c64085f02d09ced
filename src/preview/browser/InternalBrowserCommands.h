#pragma once

#include "editor/TextPosition.h"
#include "preview/browser/BrowserEngine.h"

#include <QObject>
#include <QPointer>
#include <QSize>

#include <functional>
#include <memory>
#include <optional>

class BrowserViewChrome;
class TLEdit;
class Workbench;

// The internal browser in the document area and its commands: the switch
// between "Kodeeditor" and "Intern browser", "Opdater", "Arbejd offline"
// and the browser sizes. The web engine is made the first time the browser
// is shown, never before.
class InternalBrowserCommands : public QObject
{
    Q_OBJECT

public:
    // The file or address the browser is to show for the active document,
    // or none when there is nothing to show (a save the user cancelled).
    using TargetChoice = std::function<std::optional<QString>()>;

    InternalBrowserCommands(Workbench &workbench, TargetChoice chooseTarget, std::function<void()> renewCaption);
    ~InternalBrowserCommands() override;

    bool browserShown() const;
    void ShowInternalBrowser();
    void ShowCodeEditor();
    void RefreshPreview();

private:
    void showRulers();
    bool createEngine();
    void navigate(const QString &target);
    void refresh();
    void sizeBrowserArea(QSize requested);
    QSize browserAreaSize() const;
    bool workOffline() const;
    void setInternalBrowserOption(bool on);

    Workbench &m_workbench;
    TargetChoice m_chooseTarget;
    std::function<void()> m_renewCaption;
    BrowserViewChrome *m_chrome;
    std::unique_ptr<BrowserEngine> m_engine;
    QPointer<TLEdit> m_editorLeft; // the editor shown when the browser came, and its selection
    SelectionRecord m_selectionLeft;
};
