#include "preview/browser/webengine/WebEngineBrowser.h"

#include <QCoreApplication>
#include <QOpenGLContext>
#include <QWebEnginePage>
#include <QWebEngineView>

// Qt's own modules set the context that every later OpenGL context shares with.
void qt_gl_set_global_share_context(QOpenGLContext *context);

namespace {

// The engine draws through an OpenGL context shared with the window's. Qt
// makes that context at start-up only when asked before the application
// exists, which would cost every start a context and tens of megabytes; the
// engine is loaded later, so the context is made here, as Qt would have.
void shareOpenGlWithTheEngine()
{
    if (QOpenGLContext::globalShareContext())
        return;
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    auto *context = new QOpenGLContext(QCoreApplication::instance());
    if (context->create())
        qt_gl_set_global_share_context(context);
    else
        delete context; // no OpenGL here: the engine draws in software
}

} // namespace

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
    shareOpenGlWithTheEngine();
    return new WebEngineBrowser(parent);
}
