// The extended search and replace: the dialog run through the real main
// window over open documents and a folder of real files, the result list
// and its "Gå til".
#include "support/MainWindowFixture.h"

#include "documents/DocumentList.h"
#include "search/ExtendedSearch.h"
#include "search/ExtendedSearchCommands.h"
#include "search/SearchResultList.h"

#include <QDialog>
#include <QPlainTextEdit>
#include <QPushButton>
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

    results().setCurrentItem(results().topLevelItem(0));
    m_window->searchCommands().extendedSearch().results().goToCurrent();
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

} // namespace
