// Documents through the real main window: opening, saving, closing and
// files changed by other programs, answered through the scripted prompter.
#include "app/PagewickApplication.h"
#include "app/TfrmPW4.h"
#include "core/SettingsStore.h"
#include "dialogs/settings/TfrmIndstil.h"
#include "documents/DocumentArea.h"
#include "documents/DocumentCommands.h"
#include "documents/RecentFiles.h"
#include "editor/TLEdit.h"
#include "support/ScriptedPrompter.h"
#include "workbench/TFriendlyStatusBar.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

#include <unistd.h>

namespace {

class DocumentsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        QDir().mkpath(m_dir.filePath(QStringLiteral("program")));
        for (const char *dataFile : {"program/eventmap.dat", "program/globalmap.dat", "program/html4bib.dat"})
            write(m_dir.filePath(QString::fromLatin1(dataFile)), "");
        m_store = std::make_unique<SettingsStore>(m_dir.filePath(QStringLiteral("Pagewick.ini")));
        // Pages saved here keep their bytes: no update date is offered (its own tests cover it).
        m_store->writeBool(QStringLiteral("Indstillinger"), QStringLiteral("EksistDato"), true);
        m_window = std::make_unique<TfrmPW4>(MainWindowServices{*m_store, m_prompter, m_dir.filePath(QStringLiteral("program/")),
                                                                m_dir.filePath(QStringLiteral("userdata/"))});
        m_window->show();
        m_docs = &m_window->documentArea();
    }

    void TearDown() override
    {
        // Whatever is left unsaved is let go without questions.
        for (int tab = 0; tab < m_docs->count(); ++tab)
            m_docs->editorAt(tab)->ClearModified();
        m_window.reset();
        EXPECT_TRUE(m_prompter.allAnswered());
    }

    QString path(const char *name) const { return m_dir.filePath(QString::fromUtf8(name)); }

    static void write(const QString &file, const QByteArray &bytes)
    {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }

    static QByteArray read(const QString &file)
    {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    void type(const QString &text)
    {
        TLEdit *editor = m_window->ActiveEditor();
        editor->SetSelection(SelectionRecord::at({editor->GetLineCount(), 0}));
        editor->ReplaceSelection(text);
    }

    QTemporaryDir m_dir;
    ScriptedPrompter m_prompter;
    std::unique_ptr<SettingsStore> m_store;
    std::unique_ptr<TfrmPW4> m_window;
    DocumentArea *m_docs = nullptr;
};

TEST_F(DocumentsTest, OpeningReusesTheEmptyFirstTabAndSelectsFilesOpenAlready)
{
    write(path("a.htm"), "<title>A</title>");
    write(path("b.htm"), "<title>B</title>");
    m_window->documentCommands().FilAabn(path("a.htm"));
    m_window->documentCommands().FilAabn(path("b.htm"));
    ASSERT_EQ(m_docs->count(), 2);
    EXPECT_EQ(m_docs->pathAt(0), path("a.htm"));
    EXPECT_EQ(m_window->windowTitle(), QStringLiteral("Brindle's Pagewick 4 - B"));
    EXPECT_EQ(m_window->statusPanels()->panelText(0), QDir::toNativeSeparators(path("b.htm")));

    m_docs->editorAt(0)->SetText(QStringLiteral("edited, not reloaded"));
    m_window->documentCommands().FilAabn(path("a.htm"));
    EXPECT_EQ(m_docs->count(), 2);
    EXPECT_EQ(m_docs->currentIndex(), 0);
    EXPECT_EQ(m_docs->editorAt(0)->GetText(), QStringLiteral("edited, not reloaded"));
}

TEST_F(DocumentsTest, TheStatusBarDateIsDanishWhateverTheSystemLanguage)
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    const auto restore = qScopeGuard([] { QLocale::setDefault(QLocale::system()); });
    m_window->documentCommands().NewDocument();
    const QDate today = QDate::currentDate();
    EXPECT_EQ(m_window->statusPanels()->panelText(4),
              QStringLiteral("%1.%2.%3")
                  .arg(today.day(), 2, 10, QLatin1Char('0'))
                  .arg(today.month(), 2, 10, QLatin1Char('0'))
                  .arg(today.year()));
}

TEST_F(DocumentsTest, FilesThatCannotBeOpenedAreReportedAndLeaveNoTabBehind)
{
    write(path("a.htm"), "A");
    m_window->documentCommands().FilAabn(path("a.htm"));
    m_prompter.expect(QStringLiteral("findes ikke")).expect(QStringLiteral("er en mappe"));
    m_window->documentCommands().FilAabn(path("missing.htm"));
    m_window->documentCommands().FilAabn(m_dir.path());
    EXPECT_EQ(m_docs->count(), 1);
    EXPECT_EQ(m_docs->currentIndex(), 0);
    EXPECT_EQ(m_prompter.seen().first().caption, QStringLiteral("Brindle's Pagewick"));
}

TEST_F(DocumentsTest, TheOpenDialogOffersTheDocumentTypesAndStartsInTheChosenFolderOnce)
{
    m_store->writeText(QStringLiteral("Indstillinger"), QStringLiteral("AabnDialog"), QStringLiteral("/start/here"));
    m_window->settingsDialog()->reject(); // "Annuller" reads the settings again
    write(path("x.htm"), "x");
    write(path("y.css"), "y");
    m_prompter.expectFiles({path("x.htm"), path("y.css")}).expectFiles({});
    m_window->documentCommands().openWithDialog();
    m_window->documentCommands().openWithDialog();
    const Prompter::FileDialog &first = m_prompter.fileDialogs().at(0);
    EXPECT_EQ(first.caption, QStringLiteral("Åbn"));
    EXPECT_EQ(first.folder, QStringLiteral("/start/here"));
    ASSERT_EQ(first.filters.size(), 5);
    EXPECT_EQ(first.filters[0].description, QStringLiteral("HTML-dokumenter"));
    EXPECT_EQ(first.filters[0].patterns, QStringLiteral("*.*htm*;*.asp;*.inc;*.php"));
    EXPECT_EQ(first.filters[1].patterns, QStringLiteral("*.css"));
    EXPECT_EQ(first.filters[2].patterns, QStringLiteral("*.pws"));
    EXPECT_EQ(first.filters[3].patterns, QStringLiteral("*.txt"));
    EXPECT_EQ(m_prompter.fileDialogs().at(1).folder, m_dir.path()); // where the last one ended
    EXPECT_EQ(m_docs->count(), 2);
}

TEST_F(DocumentsTest, SavingAnUnchangedDocumentWritesTheBytesItRead)
{
    const QList<QByteArray> corpus = {
        QByteArray("<p>UTF-8 \xc3\xa6\xc3\xb8\xc3\xa5</p>\n"),
        QByteArray("\xef\xbb\xbf<p>med BOM</p>\r\n"),
        QByteArray("<p>Windows-1252 \xe6\xf8\xe5 \x80 \x81\x8d\x8f\x90\x9d</p>\r\n"),
        QByteArray("blandede\r\nlinie\nskift\rher\r\n"),
        QByteArray("nul\0byte\r\n", 11),
        QByteArray(),
    };
    for (int i = 0; i < corpus.size(); ++i) {
        const QString file = path("corpus.htm");
        write(file, corpus[i]);
        m_window->documentCommands().FilAabn(file);
        ASSERT_TRUE(m_window->documentCommands().FilGem(m_docs->currentIndex()));
        EXPECT_EQ(read(file), corpus[i]) << i;
        ASSERT_TRUE(m_window->documentCommands().CloseDocument());
    }
}

TEST_F(DocumentsTest, SavingAPageWritesTheGeneratorElementOnceUnlessSwitchedOff)
{
    const QString file = path("side.htm");
    write(file, "<html>\n<head>\n<title>T</title>\n</head>\n</html>\n");
    m_window->documentCommands().FilAabn(file);
    const QByteArray element = "<meta name=\"Generator\" content=\"Brindle's Pagewick 4\">";
    ASSERT_TRUE(m_window->documentCommands().FilGem(0));
    ASSERT_TRUE(m_window->documentCommands().FilGem(0));
    EXPECT_EQ(read(file), "<html>\n<head>\n<title>T</title>\n" + element + "\n</head>\n</html>\n");

    // Not for a file that is no HTML document, nor with the option off.
    write(path("noter.txt"), "<head>\n</head>\n");
    m_window->documentCommands().FilAabn(path("noter.txt"));
    ASSERT_TRUE(m_window->documentCommands().FilGem(m_docs->currentIndex()));
    EXPECT_EQ(read(path("noter.txt")), QByteArray("<head>\n</head>\n"));
    m_store->writeBool(QStringLiteral("Indstillinger"), QStringLiteral("Generator"), false);
    m_window->settingsDialog()->reject();
    write(path("b.htm"), "<head>\n</head>\n");
    m_window->documentCommands().FilAabn(path("b.htm"));
    ASSERT_TRUE(m_window->documentCommands().FilGem(m_docs->currentIndex()));
    EXPECT_EQ(read(path("b.htm")), QByteArray("<head>\n</head>\n"));
}

TEST_F(DocumentsTest, SavesKeepPermissionsAndAskBeforeLiftingWriteProtection)
{
    const QString file = path("side.htm");
    write(file, "old");
    const auto permissions = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup;
    QFile::setPermissions(file, permissions);
    m_window->documentCommands().FilAabn(file);
    type(QStringLiteral("new "));
    ASSERT_TRUE(m_window->documentCommands().FilGem(0));
    EXPECT_EQ(read(file), QByteArray("new old"));
    const auto ownerGroupOther = QFileDevice::Permissions(0x7077);
    EXPECT_EQ(QFile::permissions(file) & ownerGroupOther, permissions);
    EXPECT_FALSE(m_docs->editorAt(0)->IsModified());

    QFile::setPermissions(file, QFileDevice::ReadOwner);
    type(QStringLiteral("again "));
    m_prompter.expect(QStringLiteral("er skrivebeskyttet"), Prompter::No);
    EXPECT_FALSE(m_window->documentCommands().FilGem(0));
    EXPECT_TRUE(m_docs->editorAt(0)->IsModified());
    EXPECT_EQ(read(file), QByteArray("new old"));
    m_prompter.expect(QStringLiteral("er skrivebeskyttet"), Prompter::Yes);
    EXPECT_TRUE(m_window->documentCommands().FilGem(0));
    EXPECT_EQ(read(file), QByteArray("again new old"));
}

TEST_F(DocumentsTest, AFailedSaveSaysWhyKeepsTheDocumentModifiedAndOffersSaveAs)
{
    const QString folder = path("site");
    QDir().mkpath(folder);
    const QString file = folder + QStringLiteral("/side.htm");
    write(file, "old");
    m_window->documentCommands().FilAabn(file);
    type(QStringLiteral("new "));
    QDir(folder).removeRecursively(); // the folder vanished
    m_prompter.expect(QStringLiteral("Filen %1 kan ikke gemmes: mappen findes ikke.").arg(QDir::toNativeSeparators(file)),
                      Prompter::No);
    EXPECT_FALSE(m_window->documentCommands().FilGem(0));
    EXPECT_TRUE(m_docs->editorAt(0)->IsModified());
    EXPECT_EQ(m_prompter.seen().last().buttons, Prompter::Yes | Prompter::No);

    // A name that cannot be written either is not taken.
    const QString alsoGone = folder + QStringLiteral("/andet.htm");
    m_prompter.expect(QStringLiteral("Gem som"), Prompter::Yes)
        .expectFiles({alsoGone})
        .expect(QStringLiteral("Filen %1 kan ikke gemmes").arg(QDir::toNativeSeparators(alsoGone)), Prompter::No);
    EXPECT_FALSE(m_window->documentCommands().FilGem(0));
    EXPECT_EQ(m_docs->pathAt(0), file);

    const QString elsewhere = path("kopi.htm");
    m_prompter.expect(QStringLiteral("mappen findes ikke"), Prompter::Yes).expectFiles({elsewhere});
    EXPECT_TRUE(m_window->documentCommands().FilGem(0));
    EXPECT_EQ(read(elsewhere), QByteArray("new old"));
    EXPECT_EQ(m_docs->pathAt(0), elsewhere);
    EXPECT_FALSE(m_docs->editorAt(0)->IsModified());
}

TEST_F(DocumentsTest, ASaveIntoAFolderThatMayNotBeWrittenKeepsTheOldFile)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "root may write anywhere";
    const QString folder = path("site");
    QDir().mkpath(folder);
    const QString file = folder + QStringLiteral("/side.htm");
    write(file, "old");
    m_window->documentCommands().FilAabn(file);
    type(QStringLiteral("new "));
    ASSERT_TRUE(QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    const auto unlock = qScopeGuard(
        [&] { QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner); });
    m_prompter
        .expect(QStringLiteral("Filen %1 kan ikke gemmes: du har ikke tilladelse til at skrive der.")
                    .arg(QDir::toNativeSeparators(file)),
                Prompter::Yes)
        .expectFiles({});
    EXPECT_FALSE(m_window->documentCommands().FilGem(0));
    EXPECT_TRUE(m_docs->editorAt(0)->IsModified());
    EXPECT_EQ(m_docs->pathAt(0), file);
    EXPECT_EQ(read(file), QByteArray("old"));
}

TEST_F(DocumentsTest, AFailedSaveAtShutdownKeepsTheProgramRunning)
{
    const QString folder = path("site");
    QDir().mkpath(folder);
    write(folder + QStringLiteral("/side.htm"), "old");
    m_window->documentCommands().FilAabn(folder + QStringLiteral("/side.htm"));
    type(QStringLiteral("precious "));
    QDir(folder).removeRecursively();
    // The failure is the program's answer, not an error report.
    auto *app = static_cast<PagewickApplication *>(QCoreApplication::instance());
    app->setErrorPrompter(&m_prompter);
    m_prompter.expect(QStringLiteral("gemmes?"), Prompter::Yes).expect(QStringLiteral("kan ikke gemmes"), Prompter::No);
    EXPECT_FALSE(m_window->close());
    app->setErrorPrompter(nullptr);
    EXPECT_TRUE(m_window->isVisible());
    EXPECT_EQ(m_window->ActiveEditor()->GetText(), QStringLiteral("precious old"));
    EXPECT_TRUE(m_docs->editorAt(0)->IsModified());
}

TEST_F(DocumentsTest, SaveAsNamesTheDocumentOrWritesATemplate)
{
    type(QStringLiteral("<title>Ny</title>"));
    m_prompter.expectFiles({});
    EXPECT_FALSE(m_window->documentCommands().FilGem(0)); // no path yet: the dialog, cancelled
    EXPECT_EQ(m_prompter.fileDialogs().last().defaultSuffix, QStringLiteral("htm"));

    m_prompter.expectFiles({path("skabelon.pws")});
    EXPECT_TRUE(m_window->documentCommands().FilGemsom(0));
    EXPECT_EQ(read(path("skabelon.pws")), QByteArray("<title>Ny</title>"));
    EXPECT_TRUE(m_docs->pathAt(0).isEmpty());
    EXPECT_TRUE(m_docs->editorAt(0)->IsModified());

    m_store->writeBool(QStringLiteral("Indstillinger"), QStringLiteral("HTMLtype"), true);
    m_window->settingsDialog()->reject();
    m_prompter.expectFiles({path("index")});
    EXPECT_TRUE(m_window->documentCommands().FilGemsom(0));
    EXPECT_EQ(m_docs->pathAt(0), path("index.html"));
    EXPECT_EQ(read(path("index.html")), QByteArray("<title>Ny</title>"));
    EXPECT_TRUE(m_prompter.fileDialogs().last().defaultSuffix.isEmpty());

    // A temporary preview copy is never saved over.
    write(path("~pwtemp1.htm"), "x");
    m_window->documentCommands().FilAabn(path("~pwtemp1.htm"));
    m_prompter.expectFiles({path("kopi.htm")});
    EXPECT_TRUE(m_window->documentCommands().FilGem(m_docs->currentIndex()));
    EXPECT_EQ(m_docs->pathAt(m_docs->currentIndex()), path("kopi.htm"));
}

TEST_F(DocumentsTest, ClosingAsksForUnsavedChangesAndKeepsTabsInOrder)
{
    for (const char *name : {"0.htm", "1.htm", "2.htm"})
        write(path(name), "<title>T</title>");
    m_window->documentCommands().FilAabn(path("0.htm"));
    m_window->documentCommands().FilAabn(path("1.htm"));
    m_window->documentCommands().FilAabn(path("2.htm"));
    TLEdit *third = m_docs->editorAt(2);
    m_docs->setCurrentIndex(2);
    m_window->documentCommands().toggleMasterTab();

    m_docs->setCurrentIndex(1);
    type(QStringLiteral("x"));
    m_prompter.expect(QStringLiteral("Skal ændringerne i T gemmes? (1.htm)"), Prompter::Cancel);
    EXPECT_FALSE(m_window->documentCommands().CloseDocument());
    EXPECT_EQ(m_docs->count(), 3);
    EXPECT_EQ(m_prompter.seen().last().caption, QStringLiteral("Luk fil"));

    m_prompter.expect(QStringLiteral("gemmes?"), Prompter::No);
    EXPECT_TRUE(m_window->documentCommands().CloseDocument());
    ASSERT_EQ(m_docs->count(), 2);
    EXPECT_EQ(m_docs->currentIndex(), 0);
    EXPECT_EQ(m_docs->editorAt(1), third);
    EXPECT_EQ(third->objectName(), QStringLiteral("LEdit1"));
    EXPECT_EQ(m_docs->masterTab(), 1); // the mark stays on its document
    EXPECT_EQ(RecentFiles::HentSidsteFiler(*m_store).first(), path("1.htm"));

    m_docs->setCurrentIndex(1);
    EXPECT_TRUE(m_window->documentCommands().CloseDocument());
    EXPECT_EQ(m_docs->masterTab(), -1);
}

TEST_F(DocumentsTest, ClosingTheOnlyDocumentLeavesAnEmptyOne)
{
    type(QStringLiteral("unsaved"));
    m_prompter.expect(QStringLiteral("Skal ændringerne i [Ingen titel] gemmes?"), Prompter::No);
    EXPECT_TRUE(m_window->documentCommands().CloseDocument());
    ASSERT_EQ(m_docs->count(), 1);
    EXPECT_TRUE(m_window->ActiveEditor()->GetText().isEmpty());
    EXPECT_FALSE(m_window->ActiveEditor()->IsModified());
    EXPECT_EQ(m_docs->captionAt(0), QStringLiteral("[Ingen titel]"));
}

TEST_F(DocumentsTest, ACancelledQuestionAtShutdownKeepsTheRemainingDocuments)
{
    for (int i = 0; i < 3; ++i) {
        if (i > 0)
            m_window->documentCommands().NewDocument();
        type(QStringLiteral("<title>Dok %1</title>").arg(i + 1));
    }
    m_prompter.expect(QStringLiteral("Dok 3"), Prompter::No).expect(QStringLiteral("Dok 2"), Prompter::Cancel);
    EXPECT_FALSE(m_window->close());
    ASSERT_EQ(m_docs->count(), 2);
    EXPECT_EQ(m_docs->editorAt(0)->GetText(), QStringLiteral("<title>Dok 1</title>"));
    EXPECT_FALSE(QFile::exists(m_store->path())); // nothing written
}

TEST_F(DocumentsTest, AFileChangedByAnotherProgramIsAskedAboutOnce)
{
    const QString file = path("side.htm");
    write(file, "first");
    m_window->documentCommands().FilAabn(file);
    type(QStringLiteral("mine "));

    const auto touch = [&](const QByteArray &bytes, int secondsLater) {
        write(file, bytes);
        QFile f(file);
        f.open(QIODevice::ReadWrite);
        f.setFileTime(QDateTime::currentDateTime().addSecs(secondsLater), QFileDevice::FileModificationTime);
    };
    touch("second", 10);
    m_prompter.expect(QStringLiteral("Et andet program har ændret \r\n") + QDir::toNativeSeparators(file), Prompter::No);
    m_window->documentCommands().CheckExternalChanges();
    m_window->documentCommands().CheckExternalChanges(); // no change since: no question
    EXPECT_EQ(m_window->ActiveEditor()->GetText(), QStringLiteral("mine first"));

    touch("third", 20);
    m_prompter.expect(QStringLiteral("genindlæse"), Prompter::Yes);
    m_window->documentCommands().CheckExternalChanges();
    EXPECT_EQ(m_window->ActiveEditor()->GetText(), QStringLiteral("third"));
    EXPECT_EQ(m_prompter.seen().last().caption, QStringLiteral("Dokument ændret"));
}

TEST_F(DocumentsTest, DroppedFilesOpenOnTheEditorAndAreRefusedElsewhere)
{
    write(path("d.htm"), "dropped");
    const QPoint onEditor = m_window->ActiveEditor()->mapTo(m_window.get(), QPoint(20, 20));
    m_window->documentCommands().dropFiles({path("d.htm")}, onEditor);
    EXPECT_EQ(m_window->ActiveEditor()->GetText(), QStringLiteral("dropped"));

    m_prompter.expect(QStringLiteral("Du kan kun slippe filer i tekstbehandleren og i fillisten."));
    const QPoint onPanel = m_window->resourcePanel()->mapTo(m_window.get(), QPoint(20, 60));
    m_window->documentCommands().dropFiles({path("d.htm")}, onPanel);
    EXPECT_EQ(m_docs->count(), 1);
}

TEST_F(DocumentsTest, SaveAllAndSavingWithDanishCodes)
{
    write(path("a.htm"), "a");
    write(path("b.htm"), "b");
    m_window->documentCommands().FilAabn(path("a.htm"));
    m_window->documentCommands().FilAabn(path("b.htm"));
    m_docs->setCurrentIndex(0);
    type(QStringLiteral("1"));
    m_window->documentCommands().saveAll();
    EXPECT_EQ(read(path("a.htm")), QByteArray("1a"));
    EXPECT_FALSE(m_docs->editorAt(0)->IsModified());

    type(QStringLiteral("æ"));
    m_window->documentCommands().saveWithDanishCodes();
    EXPECT_EQ(read(path("a.htm")), QByteArray("&aelig;1a"));
    EXPECT_EQ(m_window->ActiveEditor()->GetText(), QStringLiteral("æ1a")); // the editor keeps its letters
    type(QStringLiteral("æ"));
    m_window->documentCommands().saveAll(); // the option itself is off
    EXPECT_EQ(read(path("a.htm")),
              QByteArray("\xc3\xa6\xc3\xa6"
                         "1a"));
}

TEST_F(DocumentsTest, SettingsAppliedReachEveryEditorAndCancelRestoresThem)
{
    m_window->documentCommands().NewDocument();
    auto *tabSize = m_window->settingsDialog()->findChild<QSpinBox *>(QStringLiteral("Tabulator"));
    ASSERT_NE(tabSize, nullptr);
    tabSize->setValue(7);
    m_window->settingsDialog()->apply();
    for (int tab = 0; tab < m_docs->count(); ++tab)
        EXPECT_EQ(m_docs->editorAt(tab)->TabStopSize(), 7);
    m_window->settingsDialog()->reject();
    for (int tab = 0; tab < m_docs->count(); ++tab)
        EXPECT_EQ(m_docs->editorAt(tab)->TabStopSize(), 2);

    // With file names on the tabs, a saved document shows its name.
    write(path("navn.htm"), "<title>Titel</title>");
    m_window->documentCommands().FilAabn(path("navn.htm"));
    QCheckBox *fileNames = nullptr;
    for (QCheckBox *box : m_window->settingsDialog()->findChildren<QCheckBox *>()) {
        if (box->text() == QStringLiteral("&Filnavn i stedet for titel på faneblade"))
            fileNames = box;
    }
    ASSERT_NE(fileNames, nullptr);
    fileNames->setChecked(true);
    m_window->settingsDialog()->apply();
    EXPECT_EQ(m_docs->captionAt(m_docs->currentIndex()), QStringLiteral("navn.htm"));
    EXPECT_EQ(m_window->windowTitle(), QStringLiteral("Brindle's Pagewick 4 - Titel"));
}

TEST_F(DocumentsTest, AClickOnTheStatusBarCountsTheCharacters)
{
    type(QStringLiteral("æøå😀"));
    QTest::mouseClick(m_window->statusPanels(), Qt::LeftButton);
    EXPECT_EQ(m_window->statusPanels()->panelText(0), QStringLiteral("Dokumentet indeholder 4 tegn."));
}

} // namespace
