// What the element dialog's helper panels keep and build: user codes in the
// settings store, and a script's window.open call.
#include "core/SettingsStore.h"
#include "dialogs/element/UserCodes.h"
#include "dialogs/element/WindowOpenCall.h"
#include "support/QtPrinters.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QString Codes = QStringLiteral("Koder");

class UserCodesTest : public ::testing::Test
{
protected:
    QString stored(const char *key) const { return m_store.readText(Codes, QString::fromLatin1(key), QStringLiteral("-")); }

    QTemporaryDir m_dir;
    SettingsStore m_store{m_dir.filePath(QStringLiteral("Pagewick.ini"))};
};

TEST_F(UserCodesTest, EachCodeKeepsItsThreeKeys)
{
    const UserCode bold{QStringLiteral("Fed"), QStringLiteral("<b>"), QStringLiteral("</b>")};
    UserCodes::write(m_store, 2, bold);
    EXPECT_EQ(stored("Kode2a"), QStringLiteral("Fed"));
    EXPECT_EQ(stored("Kode2b"), QStringLiteral("<b>"));
    EXPECT_EQ(stored("Kode2c"), QStringLiteral("</b>"));
    EXPECT_EQ(UserCodes::read(m_store, 2), bold);
    EXPECT_EQ(UserCodes::read(m_store, 1), UserCode());
}

TEST_F(UserCodesTest, ANewCodeTakesTheFirstNumberWithNothingStored)
{
    EXPECT_EQ(UserCodes::freeNumber(m_store), 1);
    UserCodes::write(m_store, 1, {QStringLiteral("Fed"), QStringLiteral("<b>"), QStringLiteral("</b>")});
    // Number 2 has lost its description but still holds a start code: it is not free.
    m_store.writeText(Codes, QStringLiteral("Kode2b"), QStringLiteral("<i>"));
    UserCodes::write(m_store, 4, {QStringLiteral("Kursiv"), QStringLiteral("<em>"), QStringLiteral("</em>")});
    EXPECT_EQ(UserCodes::freeNumber(m_store), 3);

    const UserCode added{QStringLiteral("Ny"), QStringLiteral("<u>"), QStringLiteral("</u>")};
    EXPECT_EQ(UserCodes::save(m_store, std::nullopt, added), 3);
    EXPECT_EQ(UserCodes::read(m_store, 3), added);
    EXPECT_EQ(stored("Kode2b"), QStringLiteral("<i>"));
    EXPECT_EQ(UserCodes::freeNumber(m_store), 5);
}

TEST_F(UserCodesTest, AnEditedCodeIsStoredUnderItsRowPlusOne)
{
    UserCodes::write(m_store, 1, {QStringLiteral("Fed"), QStringLiteral("<b>"), QStringLiteral("</b>")});
    UserCodes::write(m_store, 2, {QStringLiteral("Kursiv"), QStringLiteral("<i>"), QStringLiteral("</i>")});
    const UserCode edited{QStringLiteral("Kursiv"), QStringLiteral("<em>"), QString()};
    EXPECT_EQ(UserCodes::save(m_store, 1, edited), 2);
    EXPECT_EQ(UserCodes::read(m_store, 2), edited);
    EXPECT_EQ(stored("Kode2c"), QString()) << "an emptied end code is stored empty";
    EXPECT_EQ(UserCodes::read(m_store, 1).startCode, QStringLiteral("<b>"));
}

TEST(WindowOpenCall, TheCallFromTheFields)
{
    const auto values = [](const char *address, const char *name, QStringList features, std::optional<QSize> size,
                           std::optional<QPoint> position) {
        WindowOpenValues v;
        v.address = QString::fromUtf8(address);
        v.name = QString::fromUtf8(name);
        v.features = std::move(features);
        v.size = size;
        v.position = position;
        return v;
    };
    const QStringList two{QStringLiteral("location"), QStringLiteral("menubar")};
    const struct
    {
        WindowOpenValues values;
        const char *call;
    } cases[] = {
        {WindowOpenValues(), "window.open('http://', '', '');"},
        {values("side.htm", "nyt", two, {}, {}), "window.open('side.htm', 'nyt', 'location,menubar');"},
        {values("a.htm", "", {}, QSize(300, 200), {}), "window.open('a.htm', '', 'innerWidth=300,innerHeight=200');"},
        {values("a.htm", "", {}, {}, QPoint(10, 0)), "window.open('a.htm', '', 'screenX=10,screenY=0');"},
        {values("a.htm", "w", two, QSize(0, 0), QPoint(5, 6)),
         "window.open('a.htm', 'w', 'location,menubar,innerWidth=0,innerHeight=0,screenX=5,screenY=6');"},
        // A quote or backslash typed in a field cannot end the script's string.
        {values("it's.htm", "a\\b", {}, {}, {}), "window.open('it\\'s.htm', 'a\\\\b', '');"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(buildWindowOpenCall(c.values), QString::fromUtf8(c.call)) << c.call;
}

} // namespace
