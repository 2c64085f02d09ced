// The order of the remote listing, its texts and the names typed for remote entries.
#include "publish/ListingOrder.h"
#include "publish/ListingTexts.h"
#include "publish/RemoteNameRules.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace {

ListingSortFacts folder(const char *name)
{
    return {QString::fromUtf8(name), true, 0, QStringLiteral("Mappe"), {}};
}

ListingSortFacts file(const char *name, qint64 size, const char *type, int day)
{
    const QDateTime date = day > 0 ? QDateTime(QDate(2024, 3, day), QTime(12, 0), Qt::UTC) : QDateTime();
    return {QString::fromUtf8(name), false, size, QString::fromUtf8(type), date};
}

QStringList namesOf(const QList<ListingSortFacts> &entries)
{
    QStringList names;
    for (const ListingSortFacts &entry : entries)
        names << entry.name;
    return names;
}

const QList<ListingSortFacts> Sample = {
    file("b.htm", 300, "HTML", 2),  file("A.gif", 300, "GIF", 5), folder("zeta"), file("c.css", 10, "css", 0), folder("Alfa"),
    file("a.htm", 5000, "HTML", 2), file("B.GIF", 10, "gif", 9),  folder("beta"),
};

struct OrderCase
{
    ListingColumn column;
    Qt::SortOrder order;
    QStringList expected;
};

class ListingOrderTest : public ::testing::TestWithParam<OrderCase>
{
};

// Folders stay first in either direction; equal keys fall back to the
// names without regard to case, then to the exact names.
TEST_P(ListingOrderTest, SortsFoldersFirstThenByKeyThenByName)
{
    const OrderCase &test = GetParam();
    QList<ListingSortFacts> entries = Sample;
    std::mt19937 shuffler(7);
    for (int round = 0; round < 20; ++round) {
        std::shuffle(entries.begin(), entries.end(), shuffler);
        std::sort(entries.begin(), entries.end(), [&](const ListingSortFacts &a, const ListingSortFacts &b) {
            return listingLess(a, b, test.column, test.order);
        });
        EXPECT_EQ(namesOf(entries), test.expected) << "from any starting order";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Columns, ListingOrderTest,
    ::testing::Values(
        OrderCase{ListingColumn::Name, Qt::AscendingOrder, {"Alfa", "beta", "zeta", "A.gif", "a.htm", "B.GIF", "b.htm", "c.css"}},
        OrderCase{
            ListingColumn::Name, Qt::DescendingOrder, {"zeta", "beta", "Alfa", "c.css", "b.htm", "B.GIF", "a.htm", "A.gif"}},
        OrderCase{ListingColumn::Size, Qt::AscendingOrder, {"Alfa", "beta", "zeta", "B.GIF", "c.css", "A.gif", "b.htm", "a.htm"}},
        OrderCase{ListingColumn::Type, Qt::AscendingOrder, {"Alfa", "beta", "zeta", "c.css", "A.gif", "B.GIF", "a.htm", "b.htm"}},
        OrderCase{ListingColumn::Date, Qt::AscendingOrder, {"Alfa", "beta", "zeta", "c.css", "a.htm", "b.htm", "A.gif", "B.GIF"}},
        OrderCase{
            ListingColumn::Date, Qt::DescendingOrder, {"zeta", "beta", "Alfa", "B.GIF", "A.gif", "b.htm", "a.htm", "c.css"}}));

TEST(ListingOrder, IsStrictForEveryPairAndColumn)
{
    QList<ListingSortFacts> entries = Sample;
    entries << file("a.htm", 5000, "HTML", 2) << file("A.HTM", 5000, "HTML", 2);
    for (ListingColumn column : {ListingColumn::Name, ListingColumn::Size, ListingColumn::Type, ListingColumn::Date}) {
        for (Qt::SortOrder order : {Qt::AscendingOrder, Qt::DescendingOrder}) {
            for (const ListingSortFacts &a : entries) {
                EXPECT_FALSE(listingLess(a, a, column, order)) << a.name.toStdString();
                for (const ListingSortFacts &b : entries) {
                    // Two different entries are never equivalent, and never both less.
                    if (a.name != b.name) {
                        EXPECT_NE(listingLess(a, b, column, order), listingLess(b, a, column, order))
                            << a.name.toStdString() << " / " << b.name.toStdString();
                    }
                    for (const ListingSortFacts &c : entries) {
                        if (listingLess(a, b, column, order) && listingLess(b, c, column, order)) {
                            EXPECT_TRUE(listingLess(a, c, column, order));
                        }
                    }
                }
            }
        }
    }
}

TEST(ListingTexts, SizesDatesAndFolderLevels)
{
    EXPECT_EQ(ListingTexts::sizeText(0), QStringLiteral("0"));
    EXPECT_EQ(ListingTexts::sizeText(1234567), QStringLiteral("1.234.567"));
    EXPECT_EQ(ListingTexts::dateText(QDateTime()), QString());
    const QDateTime noon(QDate(2024, 3, 9), QTime(13, 5, 7));
    EXPECT_TRUE(ListingTexts::dateText(noon).endsWith(QStringLiteral("13.05.07"))) << ListingTexts::dateText(noon).toStdString();

    EXPECT_EQ(ListingTexts::folderLevels(QStringLiteral("/")), QStringList());
    const QStringList levels = ListingTexts::folderLevels(QStringLiteral("/web/grafik/"));
    EXPECT_EQ(levels, QStringList({QStringLiteral("web"), QStringLiteral("grafik")}));
    EXPECT_EQ(ListingTexts::levelPath(levels, 0), QStringLiteral("/"));
    EXPECT_EQ(ListingTexts::levelPath(levels, 1), QStringLiteral("/web"));
    EXPECT_EQ(ListingTexts::levelPath(levels, 2), QStringLiteral("/web/grafik"));
    EXPECT_EQ(ListingTexts::childPath(QStringLiteral("/"), QStringLiteral("web")), QStringLiteral("/web"));
    EXPECT_EQ(ListingTexts::childPath(QStringLiteral("/web"), QStringLiteral("a b")), QStringLiteral("/web/a b"));
}

TEST(RemoteNameRules, RefusesNamesThatAreNotOneEntry)
{
    for (const QString &good :
         {QStringLiteral("grafik"), QStringLiteral("ny side.htm"), QStringLiteral("æøå"), QStringLiteral(".htaccess")})
        EXPECT_EQ(RemoteNameRules::problem(good), QString()) << good.toStdString();
    const QList<QPair<QString, QString>> bad = {
        {QStringLiteral("a/b"), QStringLiteral("\"/\"")},
        {QStringLiteral("/"), QStringLiteral("\"/\"")},
        {QStringLiteral("a\r\nDELE index.htm"), QStringLiteral("linjeskift")},
        {QStringLiteral("a\nb"), QStringLiteral("linjeskift")},
        {QStringLiteral("tab\there"), QStringLiteral("styretegn")},
        {QStringLiteral("a") + QChar(0x2028) + QStringLiteral("b"), QStringLiteral("linjeskift")},
        {QStringLiteral("  "), QStringLiteral("Angiv et navn")},
        {QStringLiteral(".."), QStringLiteral("kan ikke bruges")},
    };
    for (const auto &[name, reason] : bad)
        EXPECT_TRUE(RemoteNameRules::problem(name).contains(reason)) << RemoteNameRules::problem(name).toStdString();
}

} // namespace
