#pragma once

#include <QUrl>

class QWidget;

// The web engine behind the internal browser. It lives in a module of its
// own that is loaded on first use, so a session that never shows the
// browser does not pay for the engine at start-up or in memory.
class BrowserEngine
{
public:
    virtual ~BrowserEngine() = default;

    // The page view, a child of the widget the engine was created for.
    virtual QWidget &view() = 0;
    virtual void navigate(const QUrl &url) = 0;
    virtual void refresh() = 0;
    virtual void stop() = 0;
    // While offline, only local files and the user's own machine are reached.
    virtual void setOffline(bool offline) = 0;
};

// The entry point the module exports.
using CreateBrowserEngine = BrowserEngine *(*)(QWidget *parent);
inline constexpr char CreateBrowserEngineSymbol[] = "pagewickCreateBrowserEngine";
