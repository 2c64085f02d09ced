#pragma once

#include <QString>

class QWidget;

// "Tahoma" when it is installed, else the desktop's own dialog font.
QString UIFontName();

// Gives a window the dialog font; every window calls it when it is created.
void applyUiFont(QWidget *window);
