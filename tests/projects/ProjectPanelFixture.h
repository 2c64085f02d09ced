#pragma once

// The real main window with its "Projekter" page shown, a temporary data
// folder and a site folder to make projects in.
#include "projects/ProjectFile.h"
#include "projects/ProjectPanelCommands.h"
#include "projects/PublishRecord.h"
#include "support/MainWindowFixture.h"
#include "support/WaitUntil.h"

#include <QTreeWidget>

class ProjectPanelTest : public MainWindowFixture
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(QDir().mkpath(data()));
        ASSERT_TRUE(QDir().mkpath(site()));
        ASSERT_TRUE(QDir().mkpath(m_dir.filePath(QStringLiteral("other"))));
        MainWindowFixture::SetUp();
    }

    QString data() const { return m_dir.filePath(QStringLiteral("data")); }
    QString site() const { return m_dir.filePath(QStringLiteral("site")); }
    QString projectFile() const { return data() + QStringLiteral("/") + ProjectFileName; }
    QString write(const QString &path, const QByteArray &bytes = "<html></html>")
    {
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }
    QString sitePage(const char *name) { return write(site() + QStringLiteral("/") + QString::fromLatin1(name)); }

    ProjectPanelCommands &panel()
    {
        auto *panel = m_window->resourcePanel()->widget(1)->findChild<ProjectPanelCommands *>();
        EXPECT_NE(panel, nullptr);
        return *panel;
    }
    ProjectTree &tree() { return panel().store()->tree(); }
    // The shown tree's text of a project's child (0: its root folder node).
    QString shownText(int project, int child) { return panel().tree().topLevelItem(0)->child(project)->child(child)->text(0); }

    // Shows the page (which reads the project file) and makes a project on
    // the site folder with the given pages added through the file dialog.
    void makeProject(const QStringList &pages)
    {
        m_window->showResourcePage(*m_window->resourcePanel()->widget(1));
        m_prompter.expectFiles({site()});
        panel().newProject();
        ASSERT_EQ(tree().projectCount(), 1);
        panel().tree().topLevelItem(0)->child(0)->setText(0, QStringLiteral("Min side"));
        m_prompter.expectFiles(pages);
        panel().addDocuments();
    }
    // The bold states once the documents have been compared with the publish record.
    void waitForChangeCheck()
    {
        ASSERT_TRUE(waitUntil([this] { return !panel().checkingChanges(); }));
    }
    bool bold(int project, int child = -1)
    {
        QTreeWidgetItem *item = panel().tree().topLevelItem(0)->child(project);
        return (child < 0 ? item : item->child(child))->font(0).bold();
    }
    // Records the files as uploaded to the site kept under the project's title.
    void publish(const QStringList &files, const QString &title = QStringLiteral("Min side"))
    {
        PublishRecord record(PublishRecord::fileIn(data()));
        ASSERT_TRUE(record.open()) << record.errorText().toStdString();
        ASSERT_TRUE(record.recordUploaded(QStringLiteral("ftp://host.dk/www"), title, files));
    }
    void closeWindow()
    {
        m_window->close();
        QApplication::processEvents();
    }
};
