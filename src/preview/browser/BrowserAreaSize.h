#pragma once

#include <QSize>

// The window size that gives the browser area the requested size: what lies
// around the area stays as it is, and the window never outgrows the room the
// screen has for it.
struct BrowserWindowSize
{
    QSize window;
    QSize area; // the browser area at that window size
    bool narrower = false; // the area falls short of the requested width
    bool lower = false; // ... or height
};

BrowserWindowSize browserWindowSize(QSize requestedArea, QSize window, QSize area, QSize room);
