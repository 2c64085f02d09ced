#include "preview/browser/BrowserAreaSize.h"

#include <gtest/gtest.h>

// A window of 900x700 whose browser area is 600x500: 300x200 lie around it.
TEST(BrowserAreaSize, KeepsWhatLiesAroundTheAreaAndStopsAtTheScreen)
{
    const QSize window(900, 700);
    const QSize area(600, 500);

    const BrowserWindowSize fits = browserWindowSize({640, 360}, window, area, {1920, 1080});
    EXPECT_EQ(fits.window, QSize(940, 560));
    EXPECT_EQ(fits.area, QSize(640, 360));
    EXPECT_FALSE(fits.narrower);
    EXPECT_FALSE(fits.lower);

    const BrowserWindowSize tooWide = browserWindowSize({1024, 648}, window, area, {1280, 1024});
    EXPECT_EQ(tooWide.window, QSize(1280, 848));
    EXPECT_EQ(tooWide.area, QSize(980, 648));
    EXPECT_TRUE(tooWide.narrower);
    EXPECT_FALSE(tooWide.lower);

    const BrowserWindowSize tooSmall = browserWindowSize({1024, 648}, window, area, {800, 600});
    EXPECT_EQ(tooSmall.window, QSize(800, 600));
    EXPECT_EQ(tooSmall.area, QSize(500, 400));
    EXPECT_TRUE(tooSmall.narrower);
    EXPECT_TRUE(tooSmall.lower);
}
