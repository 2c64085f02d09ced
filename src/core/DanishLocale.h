#pragma once

#include <QLocale>

// The program shows and writes its dates in Danish whatever the system's
// language is.
inline QLocale danishLocale()
{
    return QLocale(QLocale::Danish, QLocale::Denmark);
}
