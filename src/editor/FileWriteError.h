#pragma once

#include <QString>

// Why a file could not be written: the system's error number (0 when it gave
// none) and the system's own text for it, which is English.
struct FileWriteError
{
    int errorNumber = 0;
    QString systemText;

    // The reason as the user is told it: in Danish for the common failures (a
    // full disk or quota, no permission, a folder that is gone, a read-only
    // drive), else the system's text. It starts in lower case, to follow a colon.
    QString reason() const;
};
