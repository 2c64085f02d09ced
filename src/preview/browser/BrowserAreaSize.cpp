#include "preview/browser/BrowserAreaSize.h"

#include <algorithm>

BrowserWindowSize browserWindowSize(QSize requestedArea, QSize window, QSize area, QSize room)
{
    const QSize around = window - area;
    const QSize wanted = requestedArea + around;
    BrowserWindowSize size;
    size.window = QSize(std::min(wanted.width(), room.width()), std::min(wanted.height(), room.height()));
    size.area = size.window - around;
    size.narrower = size.area.width() < requestedArea.width();
    size.lower = size.area.height() < requestedArea.height();
    return size;
}
