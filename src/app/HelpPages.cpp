#include "app/HelpPages.h"

namespace HelpPages {

QString forContext(int context)
{
    switch (context) {
    case SettingsContext:
        return QStringLiteral("indstillinger.html");
    case KeyboardContext:
        return QStringLiteral("tastatur.html");
    default:
        return Contents;
    }
}

} // namespace HelpPages
