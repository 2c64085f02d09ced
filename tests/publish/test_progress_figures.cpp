// The texts of the progress window during a transfer.
#include "publish/ProgressFigures.h"

#include <gtest/gtest.h>

namespace {

constexpr qint64 Giga = 1024LL * 1024 * 1024;

TEST(ProgressFigures, OneFileThenAnotherShowTheirOwnAndTheTotalFigures)
{
    ProgressFigures figures(QStringLiteral("."));
    figures.startFile(QStringLiteral("/home/web/side/film.mp4"), 3 * Giga, true, 1, 2);
    EXPECT_EQ(figures.caption(), QStringLiteral("Sender film.mp4 (3221225472 bytes)"));
    EXPECT_EQ(figures.numberLine(), QStringLiteral("1 af 2"));
    EXPECT_EQ(figures.barPercent(), 0);
    EXPECT_EQ(figures.fileTimeLeft(), QString());
    EXPECT_EQ(figures.rate(), QStringLiteral(" - - "));

    figures.progress(Giga, 0);
    EXPECT_EQ(figures.barPercent(), 33);
    EXPECT_EQ(figures.rate(), QStringLiteral(" - - ")); // no whole second yet

    figures.progress(2 * Giga, 3725);
    EXPECT_EQ(figures.barPercent(), 66);
    EXPECT_EQ(figures.fileBytes(), QStringLiteral("2147483648 bytes"));
    EXPECT_EQ(figures.fileTime(), QStringLiteral("01.02.05"));
    EXPECT_EQ(figures.fileTimeLeft(), QStringLiteral("00.31.02")); // 3725 * 3 / 2 - 3725 = 1862
    figures.progress(3 * Giga, 4000);
    figures.finishFile();
    EXPECT_EQ(figures.barPercent(), 0);

    figures.startFile(QStringLiteral("/home/web/side/tom.txt"), 0, false, 2, 2);
    EXPECT_EQ(figures.caption(), QStringLiteral("Modtager tom.txt (0 bytes)"));
    EXPECT_EQ(figures.barPercent(), 0);
    figures.progress(0, 5);
    EXPECT_EQ(figures.barPercent(), 0);
    EXPECT_EQ(figures.allBytes(), QStringLiteral("3221225472 bytes"));
    EXPECT_EQ(figures.allTime(), QStringLiteral("01.06.45"));
    EXPECT_EQ(figures.rate(), QStringLiteral("785.4 KB/sek.")); // 3 GB in 4005 s

    figures.reset();
    EXPECT_EQ(figures.allBytes(), QStringLiteral("0 bytes"));
    EXPECT_EQ(figures.rate(), QStringLiteral(" - - "));
}

TEST(ProgressFigures, RatesAndDurations)
{
    const struct
    {
        qint64 bytes;
        qint64 seconds;
        const char *rate;
    } rates[] = {
        {5000, 0, " - - "},
        {0, 0, " - - "},
        {50, 1, " - - "},
        {103, 1, "103 bytes/sek."},
        {1000, 1, "1000 bytes/sek."},
        {1024, 1, "1.0 KB/sek."},
        {1587, 1, "1.5 KB/sek."},
        {30 * 1024 * 1024, 2, "15360.0 KB/sek."},
        {5 * Giga, 10, "524288.0 KB/sek."},
    };
    for (const auto &c : rates)
        EXPECT_EQ(ProgressFigures::rateText(c.bytes, c.seconds), QString::fromLatin1(c.rate)) << c.bytes << " " << c.seconds;

    EXPECT_EQ(ProgressFigures::durationText(0, QStringLiteral(":")), QStringLiteral("00:00:00"));
    EXPECT_EQ(ProgressFigures::durationText(59, QStringLiteral(":")), QStringLiteral("00:00:59"));
    EXPECT_EQ(ProgressFigures::durationText(360000 + 61, QStringLiteral(":")), QStringLiteral("100:01:01"));
    EXPECT_FALSE(ProgressFigures::localeTimeSeparator().isEmpty());
}

} // namespace
