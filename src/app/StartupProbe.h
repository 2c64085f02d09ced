#pragma once

class TfrmPW4;

// For the start-up benchmark: when PAGEWICK_STARTUP_PROBE is set, the program
// prints "shown" on standard error as soon as the main window has been shown
// and painted, then "rss_kb <n>" after a second of idling, and quits without
// writing anything.
void installStartupProbe(TfrmPW4 &window);
