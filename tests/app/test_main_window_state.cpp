#include "app/MainWindowState.h"
#include "core/SettingsStore.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QString Start = QStringLiteral("Start");

class MainWindowStateTest : public ::testing::Test
{
protected:
    QTemporaryDir m_dir;
    SettingsStore m_store{m_dir.filePath(QStringLiteral("Pagewick.ini"))};
};

TEST_F(MainWindowStateTest, AnEmptyStoreGivesTheDefaults)
{
    const MainWindowState s = MainWindowState::read(m_store);
    EXPECT_EQ(s.top, 5);
    EXPECT_EQ(s.left, 5);
    EXPECT_EQ(s.height, 470);
    EXPECT_EQ(s.width, 630);
    EXPECT_EQ(s.status, MainWindowState::Normal);
    EXPECT_EQ(s.folderTreeHeight, 140);
    EXPECT_EQ(s.resourcePanelWidth, 220);
    EXPECT_EQ(s.libraryDescriptionHeight, 100);
    EXPECT_EQ(s.imagePreviewHeight, 96);
    EXPECT_EQ(s.resourcePage, 0);
    EXPECT_EQ(s.fileListView, 3);
    EXPECT_TRUE(s.fileFolder.isEmpty());
    EXPECT_TRUE(s.workOffline);
    EXPECT_TRUE(s.resourcePanelShown);
}

TEST_F(MainWindowStateTest, StoredSizesBelowTheirLimitsAreReplaced)
{
    const struct
    {
        const char *key;
        const char *stored;
        int expected;
    } cases[] = {
        {"FilBredde", "0", 220},    {"FilBredde", "9", 220},    {"FilBredde", "10", 10},   {"FilBredde", "-50", 220},
        {"ViewerHoejde", "39", 40}, {"ViewerHoejde", "40", 40}, {"ViewerHoejde", "0", 40}, {"ViewerHoejde", "200", 200},
    };
    for (const auto &c : cases) {
        m_store.writeText(Start, QString::fromUtf8(c.key), QString::fromUtf8(c.stored));
        const MainWindowState s = MainWindowState::read(m_store);
        const int read = QByteArray(c.key) == "FilBredde" ? s.resourcePanelWidth : s.imagePreviewHeight;
        EXPECT_EQ(read, c.expected) << c.key << "=" << c.stored;
    }
}

TEST_F(MainWindowStateTest, AnUnknownWindowStatusReadsAsNormal)
{
    for (const char *stored : {"0", "4", "x"}) {
        m_store.writeText(Start, QStringLiteral("Status"), QString::fromUtf8(stored));
        EXPECT_EQ(MainWindowState::read(m_store).status, MainWindowState::Normal) << stored;
    }
}

TEST_F(MainWindowStateTest, AMaximizedWindowKeepsTheStoredNormalGeometry)
{
    MainWindowState normal;
    normal.top = 40;
    normal.left = 50;
    normal.height = 500;
    normal.width = 700;
    normal.write(m_store, {});

    MainWindowState maximized = normal;
    maximized.status = MainWindowState::Maximized;
    maximized.top = 0;
    maximized.left = 0;
    maximized.height = 1080;
    maximized.width = 1920;
    maximized.write(m_store, {});

    const MainWindowState s = MainWindowState::read(m_store);
    EXPECT_EQ(s.status, MainWindowState::Maximized);
    EXPECT_EQ(s.top, 40);
    EXPECT_EQ(s.left, 50);
    EXPECT_EQ(s.height, 500);
    EXPECT_EQ(s.width, 700);
    EXPECT_EQ(m_store.readText(Start, QStringLiteral("Status"), QString()), QStringLiteral("3"));
}

TEST_F(MainWindowStateTest, FolderAndPreviewHeightAreWrittenOnlyWhileInUse)
{
    m_store.writeText(Start, QStringLiteral("Sti"), QStringLiteral("/old/folder"));
    m_store.writeInt(Start, QStringLiteral("ViewerHoejde"), 77);
    MainWindowState s = MainWindowState::read(m_store);
    s.fileFolder = QStringLiteral("/new/folder");
    s.imagePreviewHeight = 150;

    s.write(m_store, {});
    EXPECT_EQ(m_store.readText(Start, QStringLiteral("Sti"), QString()), QStringLiteral("/old/folder"));
    EXPECT_EQ(m_store.readInt(Start, QStringLiteral("ViewerHoejde"), 0), 77);

    s.write(m_store, {.folderTreeVisible = true, .imagePreviewInUse = true});
    EXPECT_EQ(m_store.readText(Start, QStringLiteral("Sti"), QString()), QStringLiteral("/new/folder"));
    EXPECT_EQ(m_store.readInt(Start, QStringLiteral("ViewerHoejde"), 0), 150);
}

TEST_F(MainWindowStateTest, AllOwnedKeysRoundTrip)
{
    MainWindowState s;
    s.folderTreeHeight = 111;
    s.resourcePanelWidth = 333;
    s.libraryDescriptionHeight = 123;
    s.resourcePage = 2;
    s.fileListView = 1;
    s.workOffline = false;
    s.resourcePanelShown = false;
    s.write(m_store, {});
    const MainWindowState r = MainWindowState::read(m_store);
    EXPECT_EQ(r.folderTreeHeight, 111);
    EXPECT_EQ(r.resourcePanelWidth, 333);
    EXPECT_EQ(r.libraryDescriptionHeight, 123);
    EXPECT_EQ(r.resourcePage, 2);
    EXPECT_EQ(r.fileListView, 1);
    EXPECT_FALSE(r.workOffline);
    EXPECT_FALSE(r.resourcePanelShown);
    EXPECT_EQ(m_store.readText(Start, QStringLiteral("ArbejdOffline"), QString()), QStringLiteral("0"));
}

} // namespace
