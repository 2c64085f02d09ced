#pragma once

#include "preview/browser/BrowserEngine.h"

#include <QString>

#include <memory>

class QWidget;

struct LoadedBrowserEngine
{
    std::unique_ptr<BrowserEngine> engine; // null when it could not be made
    QString error; // why not, in the words of the system
};

// Loads the web engine module beside the program and makes an engine whose
// view is a child of the parent.
LoadedBrowserEngine loadBrowserEngine(QWidget *parent);
