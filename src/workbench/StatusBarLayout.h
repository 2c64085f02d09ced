#pragma once

#include <array>

// Widths of the status bar's six panels and the places of what lies over them,
// recomputed whenever the main window or its resource panel changes size.
struct StatusBarLayout
{
    std::array<int, 6> panelWidths{};
    int progressBarWidth = 0;
    int overwriteLabelX = 0;
    int resultsThirdColumnWidth = 0;

    // Panel widths are given for 96 dots per inch and scaled to the screen.
    static StatusBarLayout compute(int windowWidth, double dotsPerInch, int resultsFirstColumn, int resultsSecondColumn);
};
