#pragma once

// A main window over a temporary program folder and settings file, shown
// offscreen, with its prompts answered by a script.
#include "app/ShellCommands.h"
#include "app/TfrmPW4.h"
#include "core/SettingsStore.h"
#include "documents/DocumentArea.h"
#include "documents/DocumentCommands.h"
#include "editing/EditorCommands.h"
#include "editing/EditorContextMenu.h"
#include "editor/TLEdit.h"
#include "html/HtmlCommands.h"
#include "search/SearchCommands.h"
#include "support/ScriptedPrompter.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

class MainWindowFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        // Empty data files: no missing-file messages, and an HTML library without entries.
        for (const char *name : {"eventmap.dat", "globalmap.dat", "html4bib.dat"})
            writeProgramFile(name, {});
        openWindow();
    }
    // A file of the program folder, written before the window opens.
    void writeProgramFile(const char *name, const QByteArray &bytes)
    {
        QDir().mkpath(m_dir.filePath(QStringLiteral("program")));
        QFile file(m_dir.filePath(QStringLiteral("program/") + QString::fromLatin1(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(bytes), bytes.size());
    }
    // The settings the window starts with, before it opens.
    SettingsStore &settings()
    {
        if (!m_store)
            m_store = std::make_unique<SettingsStore>(m_dir.filePath(QStringLiteral("Pagewick.ini")));
        return *m_store;
    }
    void openWindow()
    {
        m_window = std::make_unique<TfrmPW4>(MainWindowServices{
            settings(), m_prompter, m_dir.filePath(QStringLiteral("program/")), m_dir.filePath(QStringLiteral("data/"))});
        m_window->resize(900, 700);
        m_window->show();
        m_window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(m_window.get()));
    }
    void TearDown() override
    {
        for (int tab = 0; tab < m_window->documentArea().count(); ++tab)
            m_window->documentArea().editorAt(tab)->ClearModified();
        m_window.reset();
        EXPECT_TRUE(m_prompter.allAnswered());
    }

    TLEdit &editor() { return *m_window->ActiveEditor(); }
    QAction *command(const char *id) { return m_window->command(QString::fromLatin1(id)); }
    void run(const char *id)
    {
        QAction *action = command(id);
        ASSERT_NE(action, nullptr) << id;
        QApplication::processEvents(); // the editor tells its changes as it paints
        ASSERT_TRUE(action->isEnabled()) << id;
        action->trigger();
    }
    // The middle of a character of the active editor, in its text area.
    QPoint pointOf(int line, int column)
    {
        const QPoint at = editor().PointFromPosition(line, column).value_or(QPoint());
        return at + QPoint(2, editor().GetRowHeight() / 2);
    }

    QTemporaryDir m_dir;
    ScriptedPrompter m_prompter;
    std::unique_ptr<SettingsStore> m_store;
    std::unique_ptr<TfrmPW4> m_window;
};

inline SelectionRecord selection(int anchorLine, int anchorColumn, int caretLine, int caretColumn)
{
    return SelectionRecord::between({anchorLine, anchorColumn}, {caretLine, caretColumn});
}
