// The command registry: every command of the menu table exists and stays
// disabled until a part attaches to it, an id no table holds is refused in
// every build, and states follow their causes.
#include "workbench/CommandRegistry.h"
#include "workbench/CommandTable.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

#include <gtest/gtest.h>

namespace {

class CommandRegistryTest : public ::testing::Test
{
protected:
    void SetUp() override { m_commands.buildMenus(*m_window.menuBar()); }

    QMainWindow m_window;
    CommandRegistry m_commands{m_window};
};

TEST_F(CommandRegistryTest, EveryTableCommandExistsDisabledUntilAHandlerIsAttached)
{
    QAction *bold = m_commands.command(QStringLiteral("actFed"));
    ASSERT_NE(bold, nullptr);
    EXPECT_FALSE(bold->isEnabled());
    int runs = 0;
    m_commands.handle(QStringLiteral("actFed"), [&runs] { ++runs; });
    EXPECT_TRUE(bold->isEnabled());
    bold->trigger();
    EXPECT_EQ(runs, 1);
    EXPECT_EQ(m_commands.require(QStringLiteral("actGemKoder")).shortcuts().value(0), QKeySequence(Qt::CTRL | Qt::Key_AE));
    ASSERT_NE(m_commands.menu(QStringLiteral("mnuSenesteFiler")), nullptr);
    EXPECT_EQ(m_commands.menu(QStringLiteral("mnuFiler"))->title(), CommandTable::find(QStringLiteral("mnuFiler"))->caption);
}

TEST_F(CommandRegistryTest, AnIdNoTableHoldsIsRefused)
{
    EXPECT_EQ(m_commands.command(QStringLiteral("actFindesIkke")), nullptr);
    EXPECT_THROW(m_commands.handle(QStringLiteral("actFindesIkke"), [] {}), UnknownCommand);
    EXPECT_THROW(m_commands.enableWhile(QStringLiteral("actFindesIkke"), CommandCause::Selection, [] { return true; }),
                 UnknownCommand);
    // A command a part adds for its toolbar button is known from then on.
    m_commands.add(QStringLiteral("actKnap"), QStringLiteral("Knap"));
    EXPECT_NO_THROW(m_commands.require(QStringLiteral("actKnap")));
}

TEST_F(CommandRegistryTest, StatesFollowTheirCauseAndEveryOneWhenAMenuOpens)
{
    bool selected = false;
    bool wrapped = false;
    m_commands.handle(QStringLiteral("actKlip"), [] {});
    m_commands.handle(QStringLiteral("actTekstombrydning"), [] {});
    m_commands.enableWhile(QStringLiteral("actKlip"), CommandCause::Selection, [&selected] { return selected; });
    m_commands.checkWhile(QStringLiteral("actTekstombrydning"), CommandCause::View, [&wrapped] { return wrapped; });
    QAction &cut = m_commands.require(QStringLiteral("actKlip"));
    QAction &wrap = m_commands.require(QStringLiteral("actTekstombrydning"));
    ASSERT_TRUE(wrap.isCheckable());

    m_commands.refresh(CommandCause::Selection);
    EXPECT_FALSE(cut.isEnabled());
    selected = wrapped = true;
    m_commands.refresh(CommandCause::Selection);
    EXPECT_TRUE(cut.isEnabled());
    EXPECT_FALSE(wrap.isChecked()) << "the view did not change";

    selected = false;
    Q_EMIT m_commands.menu(QStringLiteral("mnuRediger"))->aboutToShow();
    EXPECT_FALSE(cut.isEnabled());
    EXPECT_TRUE(wrap.isChecked());
}

} // namespace
