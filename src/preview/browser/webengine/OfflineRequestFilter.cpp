#include "preview/browser/webengine/OfflineRequestFilter.h"

#include "preview/browser/webengine/OfflineRule.h"

void OfflineRequestFilter::interceptRequest(QWebEngineUrlRequestInfo &info)
{
    if (m_offline && !reachableOffline(info.requestUrl()))
        info.block(true);
}
