#include "workbench/StatusBarLayout.h"

#include <algorithm>
#include <cmath>

StatusBarLayout StatusBarLayout::compute(int windowWidth, double dotsPerInch, int resultsFirstColumn, int resultsSecondColumn)
{
    const auto scaled = [dotsPerInch](int designWidth) {
        return static_cast<int>(std::lround(designWidth * dotsPerInch / 96.0));
    };
    StatusBarLayout l;
    l.panelWidths[1] = scaled(100);
    l.panelWidths[2] = scaled(64);
    l.panelWidths[3] = scaled(72);
    l.panelWidths[4] = scaled(80);
    l.panelWidths[5] = scaled(140);
    const int others = l.panelWidths[1] + l.panelWidths[2] + l.panelWidths[3] + l.panelWidths[4];
    // A very narrow window leaves panel 0 empty rather than negative.
    l.panelWidths[0] = std::max(0, windowWidth - others - scaled(210));
    l.progressBarWidth = l.panelWidths[0];
    l.overwriteLabelX = l.panelWidths[0] + l.panelWidths[1] + l.panelWidths[2] + 12;
    l.resultsThirdColumnWidth = std::max(0, windowWidth - resultsFirstColumn - resultsSecondColumn - 30);
    return l;
}
