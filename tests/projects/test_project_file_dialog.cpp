// The project file dialog opened from the "Projekter" page in its four modes,
// and what its "OK" does: hand the ticked files to the publishing window, or
// move or copy the project.
#include "ProjectPanelFixture.h"

#include "files/FileTexts.h"
#include "projects/ChangedFiles.h"
#include "projects/IndentedTree.h"
#include "projects/TfrmPrjFiler.h"
#include "workbench/HelpLine.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>

namespace {

const QString NewRootCaption = QStringLiteral("Vælg den mappe, der skal være projektets rodbibliotek.");

class ProjectFileDialogTest : public ProjectPanelTest
{
protected:
    // A page with a title, a picture, a stylesheet and a picture that is
    // missing, and a document whose file is gone.
    void makeSite()
    {
        write(site() + QStringLiteral("/index.htm"),
              "<html><head><title>Forside p&aring; dansk</title><link rel=\"stylesheet\" href=\"style.css\"></head>"
              "<body><img src=\"grafik/logo.gif\"><img src=\"borte.gif\"></body></html>");
        QDir().mkpath(site() + QStringLiteral("/grafik"));
        write(site() + QStringLiteral("/grafik/logo.gif"), QByteArray(2000, 'g'));
        write(site() + QStringLiteral("/style.css"), "body { color: red }");
        const QString gone = sitePage("om.htm");
        makeProject({site() + QStringLiteral("/index.htm"), gone});
        QFile::remove(gone);
        panel().RefreshProjects();
        panel().select(0, -1);
    }
    static TfrmPrjFiler &filer(QDialog &dialog)
    {
        auto *filer = qobject_cast<TfrmPrjFiler *>(&dialog);
        EXPECT_NE(filer, nullptr);
        return *filer;
    }
    static QStringList column(const TfrmPrjFiler &dialog, int column)
    {
        QStringList texts;
        for (int i = 0; i < dialog.list().topLevelItemCount(); ++i)
            texts.append(dialog.list().topLevelItem(i)->text(column));
        return texts;
    }
    QString target() const { return m_dir.filePath(QStringLiteral("flyttet")); }
};

TEST_F(ProjectFileDialogTest, EachModeShowsItsCaptionTicksAndHelp)
{
    makeSite();
    const QString actionListHelp = QStringLiteral("Oversigt over projektets filer. Sæt kryds ved dem, du ønsker at overføre.");
    struct Case
    {
        void (ProjectPanelCommands::*command)();
        QString caption;
        QString listHelp;
        QString summary; // empty: no tick boxes
    };
    const QString shownTarget = QDir::toNativeSeparators(target() + QStringLiteral("/"));
    const Case cases[] = {
        {&ProjectPanelCommands::showProperties, QStringLiteral("Egenskaber for projektet Min side"),
         QStringLiteral("Oversigt over projektets filer - dvs. HTML-dokumenter + tilknyttede mediefiler."), QString()},
        {&ProjectPanelCommands::uploadSelected, QStringLiteral("Overførsel af Min side til Internet"), actionListHelp,
         QStringLiteral("overførsel")},
        {&ProjectPanelCommands::moveProject, QStringLiteral("Flytning af Min side til ") + shownTarget, actionListHelp,
         QStringLiteral("flytning")},
        {&ProjectPanelCommands::copyProject, QStringLiteral("Kopiering af Min side til ") + shownTarget, actionListHelp,
         QStringLiteral("kopiering")},
    };
    const qint64 tickedBytes = QFileInfo(site() + QStringLiteral("/index.htm")).size() + 2000 + 19;
    for (const Case &c : cases) {
        SCOPED_TRACE(c.caption.toStdString());
        const bool ticks = !c.summary.isEmpty();
        if (c.command == &ProjectPanelCommands::moveProject || c.command == &ProjectPanelCommands::copyProject)
            m_prompter.expectFiles({target()});
        m_prompter.expectDialog(
            c.caption,
            [&](QDialog &dialog) {
                TfrmPrjFiler &d = filer(dialog);
                EXPECT_EQ(d.windowTitle(), c.caption);
                EXPECT_EQ(column(d, 0), QStringList({"index.htm", "style.css", "grafik/logo.gif", "borte.gif", "om.htm"}));
                EXPECT_EQ(column(d, 1).first(), QStringLiteral("Forside på dansk"));
                EXPECT_EQ(column(d, 2).first(), QStringLiteral("HTML"));
                EXPECT_EQ(column(d, 3).at(3), QString()) << "a missing file has no size";
                EXPECT_EQ(d.countText(), QStringLiteral("5 objekt(er)"));
                EXPECT_EQ(d.okButton().isHidden(), !ticks);
                EXPECT_EQ(d.tickAll().isHidden(), !ticks);
                EXPECT_EQ(d.cancelButton().text(), ticks ? QStringLiteral("Annuller") : QStringLiteral("Luk"));
                EXPECT_EQ(d.helpLine().helpFor(&d.list()), c.listHelp);
                EXPECT_EQ(d.helpLine().helpFor(&d.cancelButton()),
                          ticks ? QStringLiteral("Annullerer filoverførslen") : QStringLiteral("Lukker dialogboksen"));
                EXPECT_TRUE(d.helpLine().helpFor(&d.rootLabel()).startsWith(QStringLiteral("Projektets rodbibliotek.")));
                QEvent enter(QEvent::Enter);
                QApplication::sendEvent(&d.list(), &enter);
                EXPECT_EQ(d.helpLine().text(), c.listHelp);
                // The existing files are ticked, the missing ones cannot be.
                const QStringList expectedTicked = ticks ? QStringList({"index.htm", "style.css", "grafik/logo.gif"})
                                                         : QStringList();
                EXPECT_EQ(d.tickedPaths(), expectedTicked);
                EXPECT_FALSE(d.list().topLevelItem(3)->flags() & Qt::ItemIsUserCheckable);
                if (ticks) {
                    EXPECT_EQ(d.summaryText(),
                              QStringLiteral("3 fil(er) markeret til %1 - i alt %2").arg(c.summary, FormatSize(tickedBytes)));
                }
            },
            false);
        (panel().*c.command)();
        if (c.command == &ProjectPanelCommands::moveProject) {
            EXPECT_EQ(m_prompter.fileDialogs().last().caption, NewRootCaption);
        }
    }
    EXPECT_TRUE(QFile::exists(site() + QStringLiteral("/index.htm"))) << "a cancelled move moves nothing";
    EXPECT_FALSE(QFileInfo::exists(target()));
}

TEST_F(ProjectFileDialogTest, AnEmptyProjectSaysSoAndOffersNoOK)
{
    makeProject({});
    panel().select(0, -1);
    m_prompter.expectDialog(QStringLiteral("Overførsel af"), [](QDialog &dialog) {
        TfrmPrjFiler &d = filer(dialog);
        EXPECT_FALSE(d.emptyText().isHidden());
        EXPECT_EQ(d.emptyText().text(), QStringLiteral("Projektet indeholder ingen filer"));
        EXPECT_TRUE(d.list().isHidden());
        EXPECT_TRUE(d.okButton().isHidden());
        EXPECT_EQ(d.countText(), QStringLiteral("0 objekt(er)"));
    });
    panel().uploadSelected();
}

TEST_F(ProjectFileDialogTest, MarkingAllAndSortingByAHeader)
{
    // Sizes whose texts sort otherwise than their byte counts.
    write(site() + QStringLiteral("/a.htm"), QByteArray(2500, 'a'));
    write(site() + QStringLiteral("/b.htm"), QByteArray(900, 'b'));
    write(site() + QStringLiteral("/C.htm"), QByteArray(20000, 'c'));
    makeProject({site() + QStringLiteral("/a.htm"), site() + QStringLiteral("/b.htm"), site() + QStringLiteral("/C.htm")});
    panel().select(0, -1);
    m_prompter.expectFiles({target()});
    m_prompter.expectDialog(
        QStringLiteral("Flytning af"),
        [](QDialog &dialog) {
            TfrmPrjFiler &d = filer(dialog);
            // Every file starts ticked, and the box says so.
            EXPECT_TRUE(d.tickAll().isChecked());
            d.tickAll().click();
            EXPECT_TRUE(d.tickedPaths().isEmpty());
            d.list().topLevelItem(0)->setCheckState(0, Qt::Checked);
            EXPECT_FALSE(d.tickAll().isChecked());
            d.tickAll().click();
            EXPECT_EQ(d.tickedPaths().size(), 3);
            d.tickAll().click();
            EXPECT_TRUE(d.tickedPaths().isEmpty());
            EXPECT_TRUE(d.summaryText().startsWith(QStringLiteral("0 fil(er) markeret til flytning - i alt ")));
            d.list().topLevelItem(1)->setCheckState(0, Qt::Checked);
            EXPECT_EQ(d.summaryText(), QStringLiteral("1 fil(er) markeret til flytning - i alt %1").arg(FormatSize(900)));

            const auto click = [&d](int sorted) {
                Q_EMIT d.list().header()->sectionClicked(sorted);
                return column(d, 0);
            };
            EXPECT_EQ(click(3), QStringList({"b.htm", "a.htm", "C.htm"})) << "by bytes, ascending first";
            EXPECT_EQ(click(3), QStringList({"C.htm", "a.htm", "b.htm"}));
            EXPECT_EQ(click(0), QStringList({"a.htm", "b.htm", "C.htm"})) << "ignoring case";
            // Equal types: by name.
            EXPECT_EQ(click(2), QStringList({"C.htm", "b.htm", "a.htm"}));
        },
        false);
    panel().moveProject();
}

TEST_F(ProjectFileDialogTest, UploadHandsTheTickedFilesToThePublishingWindow)
{
    makeSite();
    PublishRequests &requests = m_window->publishRequests();
    QSignalSpy projects(&requests, &PublishRequests::uploadProject);
    QSignalSpy documents(&requests, &PublishRequests::uploadProjectDocument);
    const auto untickLogoAndPressOK = [](QDialog &dialog) {
        TfrmPrjFiler &d = filer(dialog);
        d.list().topLevelItem(2)->setCheckState(0, Qt::Unchecked);
        d.okButton().click();
    };

    // Nobody to hand the files to: the dialog is there, its OK is not.
    requests.setAvailable(false);
    m_prompter.expectDialog(
        QStringLiteral("Overførsel af Min side til Internet"),
        [&](QDialog &dialog) {
            EXPECT_FALSE(filer(dialog).okButton().isEnabled());
            untickLogoAndPressOK(dialog);
        },
        false);
    panel().uploadSelected();
    EXPECT_EQ(projects.count(), 0);

    requests.setAvailable(true);
    QString summary;
    m_prompter.expectDialog(QStringLiteral("Overførsel af Min side til Internet"), [&](QDialog &dialog) {
        untickLogoAndPressOK(dialog);
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
        summary = filer(dialog).summaryText();
    });
    // The publishing window takes the files and asks for a site named like the project.
    m_prompter.expect(QStringLiteral("gem dem under navnet \"Min side\""));
    panel().uploadSelected();
    ASSERT_EQ(projects.count(), 1);
    const auto upload = projects.first().first().value<ProjectUpload>();
    EXPECT_EQ(upload.projectTitle, QStringLiteral("Min side"));
    EXPECT_EQ(upload.root, site() + QStringLiteral("/"));
    EXPECT_EQ(upload.relativePaths, QStringList({"index.htm", "style.css"}));
    EXPECT_TRUE(summary.startsWith(QStringLiteral("2 fil(er) markeret til overførsel")));
    EXPECT_EQ(upload.summary, summary);

    // The publishing window asks for the project by its title.
    m_prompter.expectDialog(QStringLiteral("Overførsel af Min side til Internet"), {}, false);
    Q_EMIT requests.pickProjectFiles(QStringLiteral("Min side"));

    // A document goes on its own.
    panel().select(0, 0);
    m_prompter.expect(QStringLiteral("Når du overfører en enkelt fil fra et projekt"), Prompter::No);
    panel().uploadSelected();
    ASSERT_EQ(documents.count(), 1);
    EXPECT_EQ(documents.first().first().toString(), site() + QStringLiteral("/index.htm"));
}

TEST_F(ProjectFileDialogTest, MovingTheProjectMovesItsFilesThenItsRootAndKeepsWhatFailedListed)
{
    makeSite();
    publish({site() + QStringLiteral("/index.htm")});
    // A stylesheet of the same name waits at the target: it is not replaced.
    QDir().mkpath(target());
    write(target() + QStringLiteral("/style.css"), "theirs");
    m_prompter.expectFiles({target()})
        .expectDialog(
            QStringLiteral("Flytning af Min side til"),
            [this](QDialog &dialog) {
                TfrmPrjFiler &d = filer(dialog);
                m_prompter.expect(QStringLiteral("style.css"), Prompter::No)
                    .expect(QStringLiteral("1 fil(er) kunne ikke flyttes"));
                d.okButton().click();
                EXPECT_NE(dialog.result(), QDialog::Accepted) << "what failed is shown";
                EXPECT_EQ(d.tickedPaths(), QStringList({"style.css"}));
                EXPECT_FALSE(d.list().isColumnHidden(4));
                EXPECT_EQ(d.list().header()->visualIndex(4), 1) << "the reason is seen beside the name";
                EXPECT_TRUE(d.list().topLevelItem(0)->text(4).contains(QStringLiteral("ikke erstattet")));
                EXPECT_FALSE(column(d, 0).contains(QStringLiteral("index.htm")));
            },
            false);
    panel().moveProject();
    EXPECT_TRUE(QFile::exists(target() + QStringLiteral("/index.htm")));
    EXPECT_TRUE(QFile::exists(target() + QStringLiteral("/grafik/logo.gif")));
    EXPECT_FALSE(QFile::exists(site() + QStringLiteral("/index.htm")));
    EXPECT_TRUE(QFile::exists(site() + QStringLiteral("/style.css")));
    EXPECT_EQ(tree().rootFolder(0), QDir::toNativeSeparators(target() + QStringLiteral("/")));
    EXPECT_EQ(loadProjectFile(projectFile()).rootFolder(0), tree().rootFolder(0)) << "the moved project is saved";
    // The record followed the file: it is not changed since publishing.
    PublishRecord record(PublishRecord::fileIn(data()));
    ASSERT_TRUE(record.open());
    EXPECT_TRUE(
        changedSinceProjectPublished(&record, QStringLiteral("Min side"), {target() + QStringLiteral("/index.htm")}).isEmpty());
}

TEST_F(ProjectFileDialogTest, CopyingTheProjectLeavesItAsItWas)
{
    makeSite();
    const QString root = tree().rootFolder(0);
    m_prompter.expectFiles({target()}).expectDialog(QStringLiteral("Kopiering af Min side til"), [](QDialog &dialog) {
        filer(dialog).okButton().click();
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
    });
    panel().copyProject();
    for (const char *name : {"/index.htm", "/style.css", "/grafik/logo.gif"}) {
        EXPECT_TRUE(QFile::exists(target() + QString::fromLatin1(name))) << name;
        EXPECT_TRUE(QFile::exists(site() + QString::fromLatin1(name))) << name;
    }
    EXPECT_EQ(tree().rootFolder(0), root);
}

TEST_F(ProjectFileDialogTest, RenamingADocumentTakesItsPublishRecordAlong)
{
    makeSite();
    publish({site() + QStringLiteral("/index.htm")});
    panel().RefreshProjects();
    waitForChangeCheck();
    ASSERT_FALSE(bold(0, 1));
    panel().select(0, 0);
    panel().tree().currentItem()->setText(0, QStringLiteral("start.htm"));
    QApplication::processEvents();
    ASSERT_TRUE(QFile::exists(site() + QStringLiteral("/start.htm")));
    panel().RefreshProjects();
    waitForChangeCheck();
    ASSERT_EQ(tree().documents(0), QStringList({"om.htm", "start.htm"}));
    EXPECT_FALSE(bold(0, 2)) << "start.htm is what was published as index.htm";
}

// In a project of 10,000 documents, 2 touched (time only) and 3 with new
// content: exactly those 3 are bold and ticked for uploading.
TEST_F(ProjectFileDialogTest, OnlyTheFilesWithNewContentAreBoldAndTicked)
{
    constexpr int Count = 10000;
    TreeNode project{QStringLiteral("Min side"), {TreeNode{ProjectTree::RootFolderMark + site() + QStringLiteral("/"), {}}}};
    QStringList files;
    for (int i = 0; i < Count; ++i) {
        const QString name = QStringLiteral("s%1.htm").arg(i, 5, 10, QLatin1Char('0'));
        files.append(write(site() + QStringLiteral("/") + name, "<html>" + QByteArray::number(i) + "</html>"));
        project.children.append(TreeNode{name, {}});
    }
    ProjectTree projects({TreeNode{ProjectTree::RootText, {project}}});
    ASSERT_TRUE(saveProjectFile(projects, projectFile()));
    publish(files);
    const auto shiftTime = [](const QString &path) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(
            file.setFileTime(file.fileTime(QFileDevice::FileModificationTime).addSecs(5), QFileDevice::FileModificationTime));
    };
    for (const int i : {10, 5000})
        shiftTime(files.at(i));
    write(files.at(7), "<html>a longer text</html>");
    for (const int i : {4321, 9999}) {
        write(files.at(i), "<html>XXXX</html>"); // same size, other bytes
        shiftTime(files.at(i));
    }

    m_window->showResourcePage(*m_window->resourcePanel()->widget(1));
    waitForChangeCheck();
    QStringList boldNames;
    QTreeWidgetItem *projectItem = panel().tree().topLevelItem(0)->child(0);
    for (int child = 1; child < projectItem->childCount(); ++child) {
        if (projectItem->child(child)->font(0).bold())
            boldNames.append(projectItem->child(child)->text(0));
    }
    const QStringList changed = {"s00007.htm", "s04321.htm", "s09999.htm"};
    EXPECT_EQ(boldNames, changed);
    EXPECT_TRUE(projectItem->font(0).bold());

    panel().select(0, -1);
    m_prompter.expectDialog(
        QStringLiteral("Overførsel af Min side"), [&](QDialog &dialog) { EXPECT_EQ(filer(dialog).tickedPaths(), changed); },
        false);
    panel().uploadSelected();
}

} // namespace
