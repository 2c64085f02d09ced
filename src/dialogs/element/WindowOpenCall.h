#pragma once

#include <QPoint>
#include <QSize>
#include <QString>
#include <QStringList>

#include <optional>

// What the script editor's "Browservindue" builds: a call that opens the
// address in a new browser window with the chosen window features.
struct WindowOpenValues
{
    QString address = QStringLiteral("http://");
    QString name;
    QStringList features; // "location", "menubar", ...
    std::optional<QSize> size; // the window's inner width and height
    std::optional<QPoint> position; // its place on the screen
};

// The window features offered, each "caption=value".
const QStringList &windowFeatureItems();

// "window.open('address', 'name', 'features');"
QString buildWindowOpenCall(const WindowOpenValues &values);
