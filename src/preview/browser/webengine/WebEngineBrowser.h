#pragma once

#include "preview/browser/BrowserEngine.h"
#include "preview/browser/webengine/OfflineRequestFilter.h"

#include <QPointer>

class QWebEngineView;

// The internal browser on Qt WebEngine, with a page of its own so that the
// offline filter governs only what this view loads.
class WebEngineBrowser : public BrowserEngine
{
public:
    explicit WebEngineBrowser(QWidget *parent);
    ~WebEngineBrowser() override;

    QWidget &view() override;
    void navigate(const QUrl &url) override;
    void refresh() override;
    void stop() override;
    void setOffline(bool offline) override;

private:
    OfflineRequestFilter m_filter;
    QPointer<QWebEngineView> m_view; // its parent may delete it first
};
