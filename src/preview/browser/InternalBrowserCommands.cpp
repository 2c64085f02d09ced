#include "preview/browser/InternalBrowserCommands.h"

#include "core/OptionsModel.h"
#include "core/ProductTexts.h"
#include "core/Prompter.h"
#include "documents/Document.h"
#include "documents/DocumentArea.h"
#include "documents/DocumentList.h"
#include "editor/TLEdit.h"
#include "editor/TRuler.h"
#include "preview/browser/BrowserAreaSize.h"
#include "preview/browser/BrowserEngineLoader.h"
#include "preview/browser/BrowserViewChrome.h"
#include "workbench/CommandRegistry.h"
#include "workbench/Workbench.h"

#include <QAction>
#include <QDir>
#include <QScreen>

namespace {

QUrl urlOf(const QString &target)
{
    return QDir::isAbsolutePath(target) ? QUrl::fromLocalFile(target) : QUrl(target);
}

} // namespace

InternalBrowserCommands::InternalBrowserCommands(Workbench &workbench, TargetChoice chooseTarget,
                                                 std::function<void()> renewCaption)
    : QObject(&workbench.window())
    , m_workbench(workbench)
    , m_chooseTarget(std::move(chooseTarget))
    , m_renewCaption(std::move(renewCaption))
    , m_chrome(new BrowserViewChrome(workbench))
{
    CommandRegistry &commands = workbench.commands();
    commands.handle(QStringLiteral("actKodeeditor"), [this] {
        ShowCodeEditor();
        m_chrome->markView();
    });
    commands.handle(QStringLiteral("actInternBrowser"), [this] {
        if (browserShown())
            ShowCodeEditor();
        else
            ShowInternalBrowser();
        m_chrome->markView(); // the toggle went down even if the browser did not come
    });
    commands.handle(QStringLiteral("actOpdater"), [this] { refresh(); });
    commands.handle(QStringLiteral("actArbejdOffline"), [this] {
        if (m_engine)
            m_engine->setOffline(workOffline());
    });
    // The sizes of a browser window's page at the usual screen sizes.
    commands.handle(QStringLiteral("actStoerrelse640"), [this] { sizeBrowserArea({640, 360}); });
    commands.handle(QStringLiteral("actStoerrelse800"), [this] { sizeBrowserArea({800, 480}); });
    commands.handle(QStringLiteral("actStoerrelse1024"), [this] { sizeBrowserArea({1024, 648}); });

    showRulers();
    connect(&workbench.options(), &OptionsModel::changed, this, &InternalBrowserCommands::showRulers);

    DocumentList &documents = workbench.documents();
    connect(&documents, &DocumentList::activeChanged, this, [this] {
        if (browserShown())
            RefreshPreview();
    });
    // A page saved while it is shown is shown as saved.
    connect(&documents, &DocumentList::saved, this, [this, &documents](Document &document) {
        if (browserShown() && &document == &documents.active())
            RefreshPreview();
    });
    connect(&documents, &DocumentList::opened, this, [this](Document &document) {
        if (browserShown())
            m_engine->navigate(QUrl::fromLocalFile(document.path));
    });
}

InternalBrowserCommands::~InternalBrowserCommands() = default;

bool InternalBrowserCommands::browserShown() const
{
    return m_chrome->browserViewShown();
}

void InternalBrowserCommands::ShowInternalBrowser()
{
    if (browserShown())
        return;
    if (!m_engine && !createEngine())
        return;
    const std::optional<QString> target = m_chooseTarget();
    if (!target)
        return;
    m_editorLeft = &m_workbench.activeEditor();
    m_selectionLeft = m_editorLeft->GetSelection();
    setInternalBrowserOption(true);

    // The engine loads in its own process while the window lays itself out.
    m_engine->navigate(urlOf(*target));
    m_chrome->showBrowserView(true);
    m_workbench.documentArea().showBrowserView(true);
    showRulers();
    m_engine->view().raise();
    m_engine->view().setFocus();
}

void InternalBrowserCommands::ShowCodeEditor()
{
    if (!browserShown())
        return;
    m_engine->stop();
    m_workbench.documentArea().showBrowserView(false);
    m_chrome->showBrowserView(false);
    showRulers();
    TLEdit &editor = m_workbench.activeEditor();
    editor.setFocus();
    // The selection belongs to the document that was shown then.
    if (m_editorLeft == &editor)
        editor.SetSelection(m_selectionLeft);
}

void InternalBrowserCommands::RefreshPreview()
{
    if (!browserShown())
        return;
    if (const std::optional<QString> target = m_chooseTarget())
        navigate(*target);
    else
        m_engine->navigate(QUrl(QStringLiteral("about:blank")));
}

void InternalBrowserCommands::showRulers()
{
    // The rulers measure the browser's page; beside the code they measure nothing.
    const bool shown = browserShown() && m_workbench.options().options().browserRuler;
    DocumentArea &area = m_workbench.documentArea();
    area.topRuler()->setVisible(shown);
    area.leftRuler()->setVisible(shown);
}

bool InternalBrowserCommands::createEngine()
{
    LoadedBrowserEngine loaded = loadBrowserEngine(&m_workbench.documentArea());
    if (!loaded.engine) {
        m_workbench.prompter().message({Product::Caption,
                                        QStringLiteral("Den interne browser kunne ikke startes: %1").arg(loaded.error),
                                        Prompter::Icon::Stop, Prompter::Ok});
        setInternalBrowserOption(false);
        return false;
    }
    m_engine = std::move(loaded.engine);
    m_engine->setOffline(workOffline());
    m_workbench.documentArea().placeBrowserView(m_engine->view());
    return true;
}

void InternalBrowserCommands::navigate(const QString &target)
{
    m_engine->navigate(urlOf(target));
    m_engine->view().raise();
    m_engine->view().setFocus();
}

void InternalBrowserCommands::refresh()
{
    if (browserShown()) {
        m_engine->refresh();
        return;
    }
    if (m_workbench.activeEditor().GetTextLength() > 0)
        m_renewCaption();
}

void InternalBrowserCommands::sizeBrowserArea(QSize requested)
{
    QWidget &window = m_workbench.window();
    if (window.isMaximized() || window.isFullScreen())
        window.showNormal();
    QSize room = window.size();
    if (const QScreen *screen = window.screen())
        room = screen->availableGeometry().size() - (window.frameGeometry().size() - window.size());
    const BrowserWindowSize size = browserWindowSize(requested, window.size(), browserAreaSize(), room);
    window.resize(size.window);
    const auto tellShortfall = [this](int pixels, const QString &dimension) {
        m_workbench.prompter().message(
            {Product::Caption,
             QStringLiteral("%1 %2 %3.").arg(QStringLiteral("Den interne browser er kun")).arg(pixels).arg(dimension),
             Prompter::Icon::Information, Prompter::Ok});
    };
    if (size.narrower)
        tellShortfall(size.area.width(), QStringLiteral("bred"));
    if (size.lower)
        tellShortfall(size.area.height(), QStringLiteral("høj"));
}

QSize InternalBrowserCommands::browserAreaSize() const
{
    DocumentArea &area = m_workbench.documentArea();
    QSize size = area.browserAreaSize();
    // Beside the code the rulers are hidden; the browser will have them.
    if (!browserShown() && m_workbench.options().options().browserRuler)
        size -= QSize(area.leftRuler()->width(), area.topRuler()->height());
    return size;
}

bool InternalBrowserCommands::workOffline() const
{
    return m_workbench.commands().require(QStringLiteral("actArbejdOffline")).isChecked();
}

void InternalBrowserCommands::setInternalBrowserOption(bool on)
{
    OptionsModel &model = m_workbench.options();
    if (model.options().internalExplorer == on)
        return;
    SettingsOptions options = model.options();
    options.internalExplorer = on;
    model.apply(options);
}
