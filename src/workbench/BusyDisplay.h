#pragma once

#include "core/Progress.h"

class QProgressBar;

// The hourglass while a long command runs and, when given a progress bar,
// that bar from 0 percent on; both go when the object does, however the
// command ends.
class BusyDisplay
{
public:
    explicit BusyDisplay(QProgressBar *bar = nullptr);
    ~BusyDisplay();
    BusyDisplay(const BusyDisplay &) = delete;
    BusyDisplay &operator=(const BusyDisplay &) = delete;

    // Moves the bar on; the command runs without an event loop, so the bar
    // is painted at once.
    ConversionProgress progress() const;

private:
    QProgressBar *m_bar;
};
