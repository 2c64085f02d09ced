#include "workbench/StatusBarLayout.h"

#include <gtest/gtest.h>

namespace {

TEST(StatusBarLayout, PanelsFollowTheWindowWidthAndScreenResolution)
{
    const StatusBarLayout at96 = StatusBarLayout::compute(1000, 96, 200, 300);
    EXPECT_EQ(at96.panelWidths[1], 100);
    EXPECT_EQ(at96.panelWidths[2], 64);
    EXPECT_EQ(at96.panelWidths[3], 72);
    EXPECT_EQ(at96.panelWidths[4], 80);
    EXPECT_EQ(at96.panelWidths[5], 140);
    EXPECT_EQ(at96.panelWidths[0], 1000 - (100 + 64 + 72 + 80) - 210);
    EXPECT_EQ(at96.progressBarWidth, at96.panelWidths[0]);
    EXPECT_EQ(at96.overwriteLabelX, at96.panelWidths[0] + 100 + 64 + 12);
    EXPECT_EQ(at96.resultsThirdColumnWidth, 1000 - 200 - 300 - 30);

    const StatusBarLayout at144 = StatusBarLayout::compute(1000, 144, 0, 0);
    EXPECT_EQ(at144.panelWidths[1], 150);
    EXPECT_EQ(at144.panelWidths[2], 96);
    EXPECT_EQ(at144.panelWidths[3], 108);
    EXPECT_EQ(at144.panelWidths[0], 1000 - (150 + 96 + 108 + 120) - 315);
}

TEST(StatusBarLayout, ANarrowWindowGivesNoNegativeWidths)
{
    const StatusBarLayout l = StatusBarLayout::compute(100, 96, 200, 300);
    EXPECT_EQ(l.panelWidths[0], 0);
    EXPECT_EQ(l.progressBarWidth, 0);
    EXPECT_EQ(l.resultsThirdColumnWidth, 0);
}

} // namespace
