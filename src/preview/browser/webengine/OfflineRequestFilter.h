#pragma once

#include <QWebEngineUrlRequestInterceptor>

#include <atomic>

// Blocks every request that would leave the machine while working offline.
class OfflineRequestFilter : public QWebEngineUrlRequestInterceptor
{
public:
    using QWebEngineUrlRequestInterceptor::QWebEngineUrlRequestInterceptor;

    void setOffline(bool offline) { m_offline = offline; }
    void interceptRequest(QWebEngineUrlRequestInfo &info) override;

private:
    std::atomic<bool> m_offline = false;
};
