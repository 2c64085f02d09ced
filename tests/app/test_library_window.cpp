// The libraries in the main window: the HTML library read when the window is
// first shown, the View menu's library commands and the reload after a
// changed "Kodetjek".
#include "support/MainWindowFixture.h"

#include "app/TfrmPW4.h"
#include "dialogs/settings/TfrmIndstil.h"
#include "resources/LibraryTab.h"
#include "resources/THETreeView.h"
#include "support/LibraryFixture.h"

#include <QAction>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class LibraryWindowTest : public MainWindowFixture
{
protected:
    void SetUp() override
    {
        writeProgramFile(
            "html4bib.dat",
            recordBytes({libraryRecord(0, 0, QStringLiteral("HTML")), libraryRecord(1, 1000, QStringLiteral("Tekst")),
                         libraryRecord(101, 1250, QStringLiteral("<p></p>"), QStringLiteral("p")),
                         libraryRecord(201, 1250, QStringLiteral("<table></table>"), QStringLiteral("table")),
                         libraryRecord(2, 2000, QStringLiteral("Hændelser")),
                         libraryRecord(102, 1701, QStringLiteral("onclick=\"\""), QStringLiteral("onclick"))}));
        for (const char *empty : {"eventmap.dat", "globalmap.dat", "css2bib.dat"})
            writeProgramFile(empty, {});
        openWindow();
    }
};

TEST_F(LibraryWindowTest, ShowingTheWindowReadsTheHtmlLibrary)
{
    LibraryTab *tab = m_window->libraryTab();
    EXPECT_EQ(tab->shownLibrary(), LibraryTab::Html);
    EXPECT_EQ(m_window->resourcePanel()->tabText(m_window->resourcePanel()->indexOf(tab)), QStringLiteral("Bibliotek"));
    EXPECT_EQ(m_window->ElementNames(), QStringList({"p", "table"}));
    // "P, PARAM" by default: p is not counted by the HTML check.
    EXPECT_EQ(m_window->libraryLists().TagCheckElements, QStringList({"table"}));
    EXPECT_EQ(m_window->libraryLists().EventGroups, QStringList({"1701=onclick"}));
}

TEST_F(LibraryWindowTest, LibraryCommandsShowThePanelTheTabAndTheLibrary)
{
    QAction *panel = m_window->command(QStringLiteral("actResursefaner"));
    panel->trigger();
    ASSERT_TRUE(m_window->resourcePanel()->isHidden());
    m_window->resourcePanel()->setCurrentIndex(0);

    m_window->command(QStringLiteral("actCssBibliotek"))->trigger();
    EXPECT_FALSE(m_window->resourcePanel()->isHidden());
    EXPECT_TRUE(panel->isChecked());
    EXPECT_EQ(m_window->resourcePanel()->currentWidget(), m_window->libraryTab());
    EXPECT_EQ(m_window->libraryTab()->shownLibrary(), LibraryTab::Css);

    m_window->command(QStringLiteral("actBrugerkoderBibliotek"))->trigger();
    EXPECT_EQ(m_window->libraryTab()->shownLibrary(), LibraryTab::UserCodes);
    m_window->command(QStringLiteral("actHtmlBibliotek"))->trigger();
    EXPECT_EQ(m_window->libraryTab()->shownLibrary(), LibraryTab::Html);
}

TEST_F(LibraryWindowTest, AChangedCheckListReadsTheHtmlLibraryAgain)
{
    TfrmIndstil *settings = m_window->settingsDialog();
    auto *field = settings->findChild<QLineEdit *>(QStringLiteral("Kodetjek"));
    ASSERT_NE(field, nullptr);
    field->setText(QStringLiteral("PARAM"));
    settings->accept();

    const LibraryLists &lists = m_window->libraryLists();
    EXPECT_EQ(lists.TagCheckElements, QStringList({"p", "table"}));
    EXPECT_EQ(lists.ElementNames, QStringList({"p", "table"}));
    EXPECT_EQ(lists.ElementAttributes.size(), 2);
    EXPECT_EQ(lists.EventGroups, QStringList({"1701=onclick"}));
    EXPECT_EQ(m_window->libraryTab()->tree(LibraryTab::Html)->nodesInOrder().size(), 6);
}

} // namespace
