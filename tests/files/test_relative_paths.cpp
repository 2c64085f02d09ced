#include "files/RelativePaths.h"

#include <gtest/gtest.h>

TEST(RelativePaths, RelativeToTheBaseFilesFolder)
{
    const struct
    {
        const char *base, *target, *relative;
    } cases[] = {
        {"/site/index.htm", "/site/billeder/logo.gif", "billeder/logo.gif"},
        {"/site/sider/om.htm", "/site/billeder/logo.gif", "../billeder/logo.gif"},
        {"/site/index.htm", "/site/index.htm", "index.htm"},
        {"", "/site/billeder/logo.gif", "logo.gif"}, // an unsaved document
        {"\\site\\index.htm", "\\site\\billeder\\logo.gif", "billeder/logo.gif"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(RelativePath(QString::fromUtf8(c.base), QString::fromUtf8(c.target), true), QString::fromUtf8(c.relative))
            << c.base << " -> " << c.target;
}

TEST(RelativePaths, ResolvesLeadingDotsAgainstAFolder)
{
    const struct
    {
        const char *folder, *relative, *resolved;
    } cases[] = {
        {"C:/a/b/", "..\\c.htm", "C:/a/c.htm"},
        {"C:/a/b/", "../c.htm", "C:/a/c.htm"},
        {"C:/a/b/", "../../../../c.htm", "C:/c.htm"}, // never above the drive root
        {"C:/a/b/", ".../c.htm", "C:/c.htm"}, // three dots: two folders up
        {"C:/a/b/", "./c.htm", "C:/a/b/c.htm"},
        {"/home/site/sider", "../billeder/x.gif", "/home/site/billeder/x.gif"},
        {"/home/", "../../x.gif", "/x.gif"},
        {"/home/", "..x.gif", "/home/..x.gif"},
        {"/home/", "sub/../x.gif", "/home/sub/../x.gif"}, // only leading dots count
        {"", "x.gif", "x.gif"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(ResolvePath(QString::fromUtf8(c.folder), QString::fromUtf8(c.relative)), QString::fromUtf8(c.resolved))
            << c.folder << " + " << c.relative;
}
