// The extended search and replace: the dialog run through the real main
// window over open documents, a folder and a project of real files, the
// result list and its "Gå til".
#include "support/MainWindowFixture.h"

#include "core/OptionsModel.h"
#include "documents/DocumentList.h"
#include "projects/ProjectFile.h"
#include "projects/ProjectPanelCommands.h"
#include "search/ExtendedSearch.h"
#include "search/ExtendedSearchCommands.h"
#include "search/SearchResultList.h"

#include <QComboBox>
#include <QDialog>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>

namespace {

const QString NothingFound = QStringLiteral("Søgningen gav intet resultat.");

class ExtendedSearchTest : public MainWindowFixture
{
protected:
    QString site(const QString &name = {}) { return m_dir.filePath(QStringLiteral("site/") + name); }
    void writeSite(const QString &name, const QByteArray &bytes)
    {
        QDir().mkpath(site());
        QFile file(site(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QByteArray readSite(const QString &name)
    {
        QFile file(site(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
    }
    QTreeWidget &results() { return *m_window->findChild<QTreeWidget *>(QStringLiteral("lwResultater")); }
    QStringList rows()
    {
        QStringList rows;
        for (int row = 0; row < results().topLevelItemCount(); ++row) {
            const QTreeWidgetItem *item = results().topLevelItem(row);
            rows.append(item->text(0) + QLatin1Char('|') + item->text(1) + QLatin1Char('|') + item->text(2));
        }
        return rows;
    }
    static QPushButton *button(QDialog &dialog, const QString &text)
    {
        for (QPushButton *button : dialog.findChildren<QPushButton *>())
            if (button->text() == text)
                return button;
        ADD_FAILURE() << "no button " << text.toStdString();
        return nullptr;
    }
    // Fills the dialog with the find text (and replacement), takes the folder
    // of the site when asked (the chooser's answer is scripted after the dialog), and presses its action button.
    std::function<void(QDialog &)> fill(const QString &find, bool inFolder, const QString &replacement = {})
    {
        return [=, this](QDialog &dialog) {
            dialog.findChild<QPlainTextEdit *>(QStringLiteral("memFind"))->setPlainText(find);
            if (!replacement.isNull())
                dialog.findChild<QPlainTextEdit *>(QStringLiteral("memErstat"))->setPlainText(replacement);
            if (inFolder) {
                button(dialog, QStringLiteral("Vælg..."))->click();
            }
            const bool replacing = !replacement.isNull();
            button(dialog, replacing ? QStringLiteral("&Erstat alle") : QStringLiteral("&Find alle"))->click();
            if (replacing) // the replace dialog stays open until closed
                button(dialog, QStringLiteral("Luk"))->click();
        };
    }
};

TEST_F(ExtendedSearchTest, SearchListsTheMatchingLinesOfTheOpenDocumentsOrOfTheFolderPages)
{
    writeSite(QStringLiteral("a.htm"), "<p>intet</p>\r\n<p>en kat og en kat</p>\r\n");
    writeSite(QStringLiteral("b.html"), "<p>hund</p>\n");
    writeSite(QStringLiteral("~a.htm"), "kat\n"); // the program's temporary copy
    writeSite(QStringLiteral("noter.txt"), "kat\n"); // not a web page
    editor().SetText(QStringLiteral("første\nKAT i teksten"));
    const QString caption = m_window->documents().active().caption;

    m_prompter.expectDialog(QStringLiteral("Udvidet søgning"), fill(QStringLiteral("kat"), false));
    run("actUdvidetSoegning");
    EXPECT_EQ(rows(), QStringList{caption + QStringLiteral("|(2)|KAT i teksten")});
    EXPECT_TRUE(results().isVisible());
    EXPECT_TRUE(command("actSoegeresultater")->isChecked());

    const QString page = QDir::toNativeSeparators(site(QStringLiteral("a.htm")));
    m_prompter.expectDialog(QStringLiteral("Udvidet søgning"), fill(QStringLiteral("kat"), true)).expectFiles({site()});
    run("actUdvidetSoegning");
    EXPECT_EQ(rows(), (QStringList{page + QStringLiteral("|(2)|kat og en kat</p>"), page + QStringLiteral("|(2)|kat</p>")}));
    EXPECT_EQ(m_prompter.fileDialogs().last().caption, QStringLiteral("Vælg den mappe, du ønsker at erstatte i."));

    // Nothing found: the list goes and the user is told.
    m_prompter.expectDialog(QStringLiteral("Udvidet søgning"), fill(QStringLiteral("giraf"), false)).expect(NothingFound);
    run("actUdvidetSoegning");
    EXPECT_TRUE(rows().isEmpty());
    EXPECT_FALSE(results().isVisible());
    EXPECT_FALSE(command("actSoegeresultater")->isChecked());
}

TEST_F(ExtendedSearchTest, GoToOpensTheFileAtTheMatchOrSwitchesToTheDocument)
{
    writeSite(QStringLiteral("a.htm"), "<p>intet</p>\n<p>en kat</p>\n");
    m_prompter.expectDialog(QStringLiteral("Udvidet søgning"), fill(QStringLiteral("kat"), true)).expectFiles({site()});
    run("actUdvidetSoegning");
    ASSERT_EQ(rows().size(), 1);

    QAction *goTo = results().actions().first();
    EXPECT_FALSE(goTo->isEnabled()) << "no row is selected yet";
    results().setCurrentItem(results().topLevelItem(0));
    ASSERT_TRUE(goTo->isEnabled());
    goTo->trigger();
    EXPECT_EQ(QDir::fromNativeSeparators(m_window->documents().active().path), site(QStringLiteral("a.htm")));
    EXPECT_EQ(editor().GetSelection(), selection(2, 6, 2, 9));
    EXPECT_EQ(editor().GetSelText(), QStringLiteral("kat"));

    // A document that is gone is reported.
    m_prompter.expect(QStringLiteral("Pagewick kan ikke finde dokumentet."));
    m_window->searchCommands().extendedSearch().goTo(QStringLiteral("Ikke åben"), 1, 0);

    // "Skjul søgeresultater" hides the list and unticks its command.
    results().actions().last()->trigger();
    EXPECT_FALSE(results().isVisible());
    EXPECT_FALSE(command("actSoegeresultater")->isChecked());
}

TEST_F(ExtendedSearchTest, DanishLettersAreAskedAboutOutsideTheOpenDocumentsAndFoundInReferences)
{
    SettingsOptions options = m_window->options().options();
    options.danishLetterCodes = true;
    m_window->options().apply(options);
    writeSite(QStringLiteral("a.htm"), "<p>bl&aring; bog</p>\n");
    const QString warning = QStringLiteral("Søgeteksten indeholder æ, ø eller å.");

    // No: nothing is searched and the dialog stays until it is closed.
    m_prompter
        .expectDialog(QStringLiteral("Udvidet søgning"),
                      [this](QDialog &dialog) {
                          fill(QStringLiteral("blå"), true)(dialog);
                          EXPECT_TRUE(dialog.findChild<QPlainTextEdit *>(QStringLiteral("memFind"))->isEnabled());
                      })
        .expectFiles({site()})
        .expect(warning, ScriptedPrompter::No);
    run("actUdvidetSoegning");
    EXPECT_TRUE(rows().isEmpty());

    m_prompter.expectDialog(QStringLiteral("Udvidet søgning"), fill(QStringLiteral("blå"), false))
        .expect(warning, ScriptedPrompter::Yes);
    run("actUdvidetSoegning");
    EXPECT_EQ(rows(), QStringList{QDir::toNativeSeparators(site(QStringLiteral("a.htm"))) + QStringLiteral("|(1)|blå bog</p>")});

    // The open documents hold letters already: no question.
    editor().SetText(QStringLiteral("blå"));
    m_prompter.expectDialog(QStringLiteral("Udvidet søgning"), [this](QDialog &dialog) {
        for (QRadioButton *option : dialog.findChildren<QRadioButton *>())
            option->setChecked(option->text() == QStringLiteral("Alle åbne dokumenter"));
        fill(QStringLiteral("blå"), false)(dialog);
    });
    run("actUdvidetSoegning");
    EXPECT_EQ(rows().size(), 1);
}

TEST_F(ExtendedSearchTest, AFindTextIsHeldTo128CharactersInSearchModeOnly)
{
    const QString longText(200, QLatin1Char('x'));
    const auto findText = [](QDialog &dialog) { return dialog.findChild<QPlainTextEdit *>(QStringLiteral("memFind")); };
    m_prompter.expectDialog(
        QStringLiteral("Udvidet erstat"),
        [&](QDialog &dialog) {
            findText(dialog)->setPlainText(longText);
            EXPECT_EQ(findText(dialog)->toPlainText(), longText);
        },
        false);
    run("actUdvidetErstat");
    m_prompter.expectDialog(
        QStringLiteral("Udvidet søgning"),
        [&](QDialog &dialog) {
            EXPECT_EQ(findText(dialog)->toPlainText(), longText.left(128));
            findText(dialog)->moveCursor(QTextCursor::End);
            findText(dialog)->insertPlainText(QStringLiteral("yyy"));
            EXPECT_EQ(findText(dialog)->toPlainText().size(), 128) << "typing adds nothing past the limit";
        },
        false);
    run("actUdvidetSoegning");
}

TEST_F(ExtendedSearchTest, ReplaceInAnOpenDocumentIsOneUndoStepAndLeavesItModified)
{
    editor().SetText(QStringLiteral("Hans og hans\nog HANS"));
    editor().ClearModified();
    m_prompter.expectDialog(QStringLiteral("Udvidet erstat"), fill(QStringLiteral("hans"), false, QStringLiteral("Grete")))
        .expect(QStringLiteral("Pagewick erstattede 3 tilfælde af\r\r\"hans\""));
    run("actUdvidetErstat");
    EXPECT_EQ(editor().GetText(), QStringLiteral("Grete og Grete\nog Grete"));
    EXPECT_TRUE(editor().IsModified());
    editor().Undo();
    EXPECT_EQ(editor().GetText(), QStringLiteral("Hans og hans\nog HANS"));
}

TEST_F(ExtendedSearchTest, ReplaceInClosedFilesReportsTheCountAndMakesBackups)
{
    writeSite(QStringLiteral("a.htm"), "kat\r\nen kat\r\n");
    writeSite(QStringLiteral("b.htm"), "Kat\n");
    writeSite(QStringLiteral("~a.htm"), "kat\n");
    m_prompter.expectDialog(QStringLiteral("Udvidet erstat"), fill(QStringLiteral("kat"), true, QStringLiteral("hund")))
        .expectFiles({site()})
        .expect(QStringLiteral("Pagewick erstattede 3 tilfælde af"));
    run("actUdvidetErstat");
    EXPECT_EQ(readSite(QStringLiteral("a.htm")), QByteArray("hund\r\nen hund\r\n"));
    EXPECT_EQ(readSite(QStringLiteral("b.htm")), QByteArray("hund\n"));
    EXPECT_EQ(readSite(QStringLiteral("~a.htm")), QByteArray("kat\n"));
    EXPECT_EQ(readSite(QStringLiteral("a.htm.BAK")), QByteArray("kat\r\nen kat\r\n")); // backup is on by default

    // The dialog keeps the folder: an open file of it is changed in its editor
    // only, with no backup, and the pages on disk as before.
    writeSite(QStringLiteral("c.htm"), "hund\n");
    m_window->documentCommands().FilAabn(site(QStringLiteral("c.htm")));
    m_prompter.expectDialog(QStringLiteral("Udvidet erstat"), fill(QStringLiteral("hund"), false, QStringLiteral("ko")))
        .expect(QStringLiteral("Pagewick erstattede 4 tilfælde af"));
    run("actUdvidetErstat");
    EXPECT_EQ(readSite(QStringLiteral("c.htm")), QByteArray("hund\n"));
    EXPECT_EQ(editor().GetText(), QStringLiteral("ko\n"));
    EXPECT_FALSE(QFile::exists(site(QStringLiteral("c.htm.BAK"))));
}

TEST_F(ExtendedSearchTest, ProtectedFilesAreToldInOneMessageAndTheOthersAreReplaced)
{
    for (const char *name : {"a.htm", "b.htm", "c.htm"})
        writeSite(QString::fromLatin1(name), "kat\n");
    for (const char *name : {"a.htm", "c.htm"})
        QFile::setPermissions(site(QString::fromLatin1(name)), QFile::ReadOwner | QFile::ReadGroup);
    m_prompter.expectDialog(QStringLiteral("Udvidet erstat"), fill(QStringLiteral("kat"), true, QStringLiteral("ko")))
        .expectFiles({site()})
        .expect(QStringLiteral("2 fil(er) blev sprunget over og er ikke ændret:"))
        .expect(QStringLiteral("Pagewick erstattede 1 tilfælde af"));
    run("actUdvidetErstat");
    EXPECT_EQ(readSite(QStringLiteral("a.htm")), QByteArray("kat\n"));
    EXPECT_EQ(readSite(QStringLiteral("b.htm")), QByteArray("ko\n"));
    EXPECT_EQ(readSite(QStringLiteral("c.htm")), QByteArray("kat\n"));
}

TEST_F(ExtendedSearchTest, AMissingFileIsListedAndTheRunGoesOn)
{
    writeSite(QStringLiteral("a.htm"), "kat\n");
    const SearchScope scope{false, {site(QStringLiteral("væk.htm")), site(QStringLiteral("a.htm"))}};
    SearchResultList &list = m_window->searchCommands().extendedSearch().results();
    list.clear();
    SearchRun run;
    run.found = [&list](const SourceMatches &source) { list.add(source); };
    searchSources(sourcesOf(scope, m_window->documents()), {QStringLiteral("kat")}, run);
    ASSERT_EQ(results().topLevelItemCount(), 2);
    EXPECT_EQ(results().topLevelItem(0)->text(0), site(QStringLiteral("væk.htm")));
    EXPECT_FALSE(results().topLevelItem(0)->text(2).isEmpty()); // its reason
    EXPECT_EQ(results().topLevelItem(1)->text(1), QStringLiteral("(1)"));

    const ReplaceReport report = replaceInScope(scope, m_window->documents(), {QStringLiteral("kat")}, QStringLiteral("ko"),
                                                false);
    EXPECT_EQ(report.skipped(), 1);
    EXPECT_EQ(report.replaced(), 1);
    EXPECT_EQ(readSite(QStringLiteral("a.htm")), QByteArray("ko\n"));
}

TEST_F(ExtendedSearchTest, TheProjectMenuSearchesAndReplacesInThatProjectsPages)
{
    writeSite(QStringLiteral("a.htm"), "kat\r\n");
    writeSite(QStringLiteral("b.css"), "kat\n"); // a stylesheet is no web page
    writeSite(QStringLiteral("c.htm"), "kat\n");
    QDir().mkpath(m_dir.filePath(QStringLiteral("andet")));
    QFile other(m_dir.filePath(QStringLiteral("andet/d.htm")));
    ASSERT_TRUE(other.open(QIODevice::WriteOnly));
    other.write("kat\n");
    other.close();
    ProjectTree projects;
    const int first = projects.addProject(m_dir.filePath(QStringLiteral("andet")));
    projects.setTitle(first, QStringLiteral("Andet"));
    projects.addDocument(first, other.fileName());
    const int mine = projects.addProject(site());
    projects.setTitle(mine, QStringLiteral("Min side"));
    for (const char *name : {"a.htm", "b.css", "c.htm", "væk.htm"})
        projects.addDocument(mine, site(QString::fromUtf8(name)));
    ASSERT_TRUE(saveProjectFile(projects, m_dir.filePath(QStringLiteral("data/")) + ProjectFileName));

    // The menu's dialog offers the projects before their page was ever shown.
    m_prompter.expectDialog(
        QStringLiteral("Udvidet søgning"),
        [](QDialog &dialog) {
            const auto *list = dialog.findChild<QComboBox *>(QStringLiteral("cbProjekt"));
            EXPECT_EQ(list->count(), 2);
            EXPECT_EQ(list->itemText(1), QStringLiteral("Min side"));
            EXPECT_FALSE(list->isEnabled()); // until its option is chosen
        },
        false);
    run("actUdvidetSoegning");

    // An open, changed page of the project is changed in its editor alone.
    m_window->documentCommands().FilAabn(site(QStringLiteral("c.htm")));
    editor().SetText(QStringLiteral("kat og kat\n"));
    m_window->showResourcePage(*m_window->resourcePanel()->widget(1));
    auto *panel = m_window->resourcePanel()->widget(1)->findChild<ProjectPanelCommands *>();
    panel->select(1, -1);
    const auto menuEntry = [panel](const QString &text) {
        for (QAction *action : panel->tree().findChild<QMenu *>(QStringLiteral("pmProjekter"))->actions())
            if (action->text() == text)
                return action;
        return static_cast<QAction *>(nullptr);
    };
    m_prompter.expectDialog(QStringLiteral("Udvidet erstat"), fill(QStringLiteral("kat"), false, QStringLiteral("ko")))
        .expect(QStringLiteral("Pagewick erstattede 3 tilfælde af"));
    menuEntry(QStringLiteral("Erstat i projekt..."))->trigger();
    EXPECT_EQ(readSite(QStringLiteral("a.htm")), QByteArray("ko\r\n"));
    EXPECT_EQ(readSite(QStringLiteral("a.htm.BAK")), QByteArray("kat\r\n"));
    EXPECT_EQ(readSite(QStringLiteral("b.css")), QByteArray("kat\n"));
    EXPECT_EQ(editor().GetText(), QStringLiteral("ko og ko\n"));
    EXPECT_EQ(readSite(QStringLiteral("c.htm")), QByteArray("kat\n"));
    EXPECT_FALSE(QFile::exists(site(QStringLiteral("c.htm.BAK"))));
    ASSERT_TRUE(other.open(QIODevice::ReadOnly));
    EXPECT_EQ(other.readAll(), QByteArray("kat\n")) << "another project is left alone";

    m_prompter.expectDialog(QStringLiteral("Udvidet søgning"), fill(QStringLiteral("ko"), false));
    menuEntry(QStringLiteral("Find i projekt..."))->trigger();
    const QString page = site(QStringLiteral("c.htm"));
    EXPECT_EQ(rows(),
              (QStringList{page + QStringLiteral("|(1)|ko og ko"), page + QStringLiteral("|(1)|ko"),
                           site(QStringLiteral("a.htm")) + QStringLiteral("|(1)|ko")}));
}

} // namespace
