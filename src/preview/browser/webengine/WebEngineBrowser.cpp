#include "preview/browser/webengine/WebEngineBrowser.h"

#include <QWebEnginePage>
#include <QWebEngineView>

WebEngineBrowser::WebEngineBrowser(QWidget *parent)
    : m_view(new QWebEngineView(parent))
{
    m_view->setObjectName(QStringLiteral("wbInternBrowser"));
    m_view->page()->setUrlRequestInterceptor(&m_filter);
}

WebEngineBrowser::~WebEngineBrowser()
{
    // The page asks the filter about requests until it is gone.
    delete m_view.data();
}

QWidget &WebEngineBrowser::view()
{
    return *m_view;
}

void WebEngineBrowser::navigate(const QUrl &url)
{
    m_view->load(url);
}

void WebEngineBrowser::refresh()
{
    m_view->reload();
}

void WebEngineBrowser::stop()
{
    m_view->stop();
}

void WebEngineBrowser::setOffline(bool offline)
{
    m_filter.setOffline(offline);
}

extern "C" Q_DECL_EXPORT BrowserEngine *pagewickCreateBrowserEngine(QWidget *parent)
{
    return new WebEngineBrowser(parent);
}
