// The text engine's commands in the real main window: the conversions of the
// "Rediger" menu, the Danish-letter conversion on opening and saving, the
// HTML check and the update date, on real editors and real files.
#include "support/MainWindowFixture.h"

#include "app/TfrmPW4.h"
#include "core/SettingsKeys.h"
#include "core/SettingsStore.h"
#include "dialogs/settings/TfrmIndstil.h"
#include "documents/DocumentArea.h"
#include "editor/EditorBookmarks.h"
#include "editor/TLEdit.h"
#include "html/AutoDateCommands.h"
#include "support/LibraryFixture.h"
#include "support/ScriptedPrompter.h"
#include "workbench/TFriendlyStatusBar.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

namespace {

LibraryRecord specialCharacter(const QString &character, const char *name, int code)
{
    return libraryRecord(0, 0, QStringLiteral("&#%1;").arg(code), character, QString(),
                         QStringLiteral("&%1;").arg(QLatin1String(name)));
}

class DocumentConversionsTest : public MainWindowFixture
{
protected:
    void SetUp() override
    {
        // p and table are checked elements; "P, PARAM" leaves p out of the HTML check.
        writeProgramFile(
            "html4bib.dat",
            recordBytes({libraryRecord(0, 0, QStringLiteral("HTML")), libraryRecord(1, 1000, QStringLiteral("Tekst")),
                         libraryRecord(101, 1250, QStringLiteral("<p></p>"), QStringLiteral("p")),
                         libraryRecord(201, 1250, QStringLiteral("<table></table>"), QStringLiteral("table"))}));
        writeProgramFile(
            "specialtegn.dat",
            recordBytes({specialCharacter(QStringLiteral("&"), "amp", 38), specialCharacter(QStringLiteral("<"), "lt", 60),
                         specialCharacter(QStringLiteral(">"), "gt", 62), specialCharacter(QStringLiteral("\""), "quot", 34),
                         specialCharacter(QStringLiteral("'"), "apos", 39), specialCharacter(QString(QChar(0xA0)), "nbsp", 160),
                         specialCharacter(QString(QChar(0xAD)), "shy", 173), specialCharacter(QStringLiteral("©"), "copy", 169),
                         specialCharacter(QStringLiteral("é"), "eacute", 233),
                         specialCharacter(QStringLiteral(";"), "semi", 59)}));
        for (const char *empty : {"eventmap.dat", "globalmap.dat"})
            writeProgramFile(empty, {});
        // The generator element would add its own line to every saved page.
        settings().writeBool(Keys::Indstillinger, QStringLiteral("Generator"), false);
        openWindow();
        m_window->htmlCommands().autoDate().setClock([this] { return m_now; });
    }

    QString path(const char *name) const { return m_dir.filePath(QString::fromUtf8(name)); }

    void write(const char *name, const QByteArray &bytes) { writeFile(path(name), bytes); }

    QString read(const char *name) const
    {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }

    void setOption(const char *key, bool on)
    {
        m_store->writeBool(Keys::Indstillinger, QString::fromUtf8(key), on);
        m_window->settingsDialog()->reject(); // "Annuller" reads the settings again
    }

    // A document typed in, not a file: nothing to undo yet.
    void start(const QString &text)
    {
        editor().SetText(text);
        editor().ClearUndo();
        editor().ClearModified();
    }

    // Saves the active document as "Gem" does, changed or not.
    void save() { ASSERT_TRUE(m_window->documentCommands().FilGem(m_window->documentArea().currentIndex())); }

    QDateTime m_now{QDate(2026, 12, 10), QTime(12, 0)};
};

TEST_F(DocumentConversionsTest, EachCommandConvertsTheSelectionOrElseTheBodyOrTheWholeText)
{
    const QString head = QStringLiteral("<html><head><title>Blåbær &aring;</title></head>\r\n");
    const struct
    {
        const char *id;
        QString text;
        int from, to; // a selection on line 1, or none when equal
        QString expected;
    } cases[] = {
        {"actDanskTilKoder", head + QStringLiteral("<BODY bgcolor=\"#FFFFFF\">\r\nBlåbærgrød\r\n</BODY></html>"), 0, 0,
         head + QStringLiteral("<body bgcolor=\"#FFFFFF\">\r\nBl&aring;b&aelig;rgr&oslash;d\r\n</body></html>")},
        {"actKoderTilDansk", head + QStringLiteral("<noframes>R&oslash;d &#230;</noframes>"), 0, 0,
         head + QStringLiteral("<noframes>Rød æ</noframes>")},
        {"actDanskTilKoder", QStringLiteral("<body>æ ø</body>"), 6, 7, QStringLiteral("<body>&aelig; ø</body>")},
        // No body and no noframes: the whole text. ";" and the first rows stay as they are.
        {"actSpecialTilKoder", QStringLiteral("© é; <b>&</b>"), 0, 0, QStringLiteral("&copy; &eacute;; <b>&</b>")},
        {"actKoderTilSpecial", QStringLiteral("&copy; &copy;"), 0, 6, QStringLiteral("© &copy;")},
        {"actKoderStore", QStringLiteral("<p class=\"x\">a</p>"), 0, 0, QStringLiteral("<P CLASS=\"x\">a</P>")},
        {"actKoderSmaa", QStringLiteral("<P CLASS=\"X\">A</P>"), 0, 0, QStringLiteral("<p class=\"X\">A</p>")},
        {"actXhtml", QStringLiteral("<HR SIZE=2><input />"), 0, 0, QStringLiteral("<hr size=\"2\" /><input />")},
        {"actSletKoder", QStringLiteral("<p>a</p> <!-- <c> --><b>b</b>"), 0, 0, QStringLiteral("a b")},
        {"actStoreBogstaver", QStringLiteral("abc def"), 4, 7, QStringLiteral("abc DEF")},
        {"actSmaaBogstaver", QStringLiteral("ABC DEF"), 0, 0, QStringLiteral("abc def")},
        {"actSkiftAlle", QStringLiteral("aBc Æø"), 0, 0, QStringLiteral("AbC æØ")},
        {"actStartOrd", QStringLiteral("abc def"), 0, 0, QStringLiteral("Abc Def")},
        {"actStartSaetninger", QStringLiteral("ab. cd. ef"), 4, 10, QStringLiteral("ab. Cd. Ef")},
        {"actIndsaetMellemrum", QStringLiteral("abc"), 0, 0, QStringLiteral("a b c ")},
    };
    for (const auto &c : cases) {
        start(c.text);
        editor().SetSelection(SelectionRecord::between({1, c.from}, {1, c.to}));
        run(c.id);
        EXPECT_EQ(editor().GetText(), c.expected) << c.id << " on " << c.text.toStdString();
        EXPECT_TRUE(editor().IsModified()) << c.id;
    }
}

TEST_F(DocumentConversionsTest, ReadOnlyDocumentsAreLeftAlone)
{
    const QString text = QStringLiteral("<HTML><BODY>\r\nBlåbær &copy; &aring; é <!-- Minus AutoDato -->\r\n</BODY></HTML>");
    for (const char *id : {"actDanskTilKoder", "actKoderTilDansk", "actSpecialTilKoder", "actKoderTilSpecial", "actXhtml",
                           "actKoderStore", "actKoderSmaa", "actSletKoder", "actStoreBogstaver", "actSmaaBogstaver",
                           "actSkiftAlle", "actStartOrd", "actStartSaetninger", "actIndsaetMellemrum", "actOpdateringsdato"}) {
        start(text);
        editor().SetReadOnly(true);
        run(id);
        EXPECT_EQ(editor().GetText(), text) << id;
        EXPECT_FALSE(editor().IsModified()) << id;
        editor().SetReadOnly(false);
    }
}

TEST_F(DocumentConversionsTest, RewritesOfTheWholeTextKeepBookmarksViewAndSelectionAndUndoInOneStep)
{
    QString lines;
    for (int line = 2; line <= 300; ++line)
        lines += QStringLiteral("<P CLASS=a>linie %1 æ og ø</P>\r\n").arg(line);
    const QString page = QStringLiteral("<html><body>\r\n") + lines + QStringLiteral("</body></html>");
    const QString plain = QStringLiteral("\r\n") + lines;
    const struct
    {
        const char *id;
        QString text;
        SelectionRecord selection;
    } cases[] = {
        {"actKoderSmaa", page, SelectionRecord::between({60, 2}, {61, 4})},
        {"actXhtml", page, SelectionRecord::at({60, 3})},
        {"actDanskTilKoder", page, SelectionRecord::at({60, 3})},
        {"actDanskTilKoder", plain, SelectionRecord::at({60, 3})},
        {"actStoreBogstaver", plain, SelectionRecord::at({60, 3})},
    };
    for (const auto &c : cases) {
        start(c.text);
        editor().SetBookmark(1, 50);
        editor().SetBookmark(3, 120);
        editor().SetSelection(c.selection);
        editor().SetTopLine(40);
        ASSERT_EQ(editor().GetTopLine(), 40);

        run(c.id);
        EXPECT_NE(editor().GetText(), c.text) << c.id;
        EXPECT_EQ(editor().GetBookmark(1), 50) << c.id;
        EXPECT_EQ(editor().GetBookmark(3), 120) << c.id;
        EXPECT_FALSE(EditorBookmarks::isSet(editor(), 2)) << c.id;
        EXPECT_EQ(editor().GetTopLine(), 40) << c.id;
        EXPECT_EQ(editor().GetSelection(), c.selection) << c.id;

        editor().Undo();
        EXPECT_EQ(editor().GetText(), c.text) << c.id;
        EXPECT_FALSE(editor().CanUndo()) << c.id;
    }
}

TEST_F(DocumentConversionsTest, ConversionsOfPartsAreUndoneInOneStepToo)
{
    for (const char *id : {"actSletKoder", "actKoderTilDansk", "actStartOrd"}) {
        const QString text = QStringLiteral("<body>\r\n<p>r&oslash;d og gul</p>\r\n<p>&aring; og &aelig;</p>\r\n</body>");
        start(text);
        editor().SetSelection(SelectionRecord::between({2, 0}, {3, 5}));
        run(id);
        ASSERT_NE(editor().GetText(), text) << id;
        editor().Undo();
        EXPECT_EQ(editor().GetText(), text) << id;
        EXPECT_FALSE(editor().CanUndo()) << id;
    }
}

TEST_F(DocumentConversionsTest, DanishLettersShowTheProgressBarWhileTheyAreConverted)
{
    QProgressBar *bar = m_window->statusPanels()->progressBar();
    QList<int> values;
    bool shown = false;
    QObject::connect(bar, &QProgressBar::valueChanged, bar, [&](int value) {
        values.append(value);
        shown = shown || bar->isVisible();
    });
    start(QStringLiteral("Blåbærgrød"));
    run("actDanskTilKoder");
    EXPECT_TRUE(shown);
    EXPECT_EQ(values.first(), 0);
    EXPECT_EQ(values.last(), 100);
    EXPECT_TRUE(std::is_sorted(values.cbegin(), values.cend()));
    EXPECT_TRUE(bar->isHidden());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(DocumentConversionsTest, TheSpecialCharacterListIsReadOnceWhenFirstNeeded)
{
    start(QStringLiteral("© é"));
    run("actSpecialTilKoder");
    ASSERT_EQ(editor().GetText(), QStringLiteral("&copy; &eacute;"));
    ASSERT_TRUE(QFile::remove(path("program/specialtegn.dat")));
    run("actKoderTilSpecial");
    EXPECT_EQ(editor().GetText(), QStringLiteral("© é"));
}

TEST_F(DocumentConversionsTest, AMissingSpecialCharacterListIsToldAndChangesNothing)
{
    ASSERT_TRUE(QFile::remove(path("program/specialtegn.dat")));
    start(QStringLiteral("© é"));
    m_prompter.expect(QStringLiteral("kan ikke finde"));
    run("actSpecialTilKoder");
    EXPECT_EQ(editor().GetText(), QStringLiteral("© é"));
    EXPECT_FALSE(editor().IsModified());
    EXPECT_EQ(
        m_prompter.seen().last().text,
        QStringLiteral("Brindle's Pagewick kan ikke finde %1.").arg(QDir::toNativeSeparators(path("program/specialtegn.dat"))));
}

TEST_F(DocumentConversionsTest, WithDanishCodesOnFilesOpenWithLettersAndAreWrittenWithReferences)
{
    m_store->writeBool(Keys::Indstillinger, QStringLiteral("EksistDato"), true);
    setOption("ÆØÅkoder", true);
    write("side.htm", "<html><head><title>Blåbær</title></head><body>\r\nR&oslash;d &#229;\r\n</body></html>");
    m_window->documentCommands().FilAabn(path("side.htm"));
    const QString letters = QStringLiteral("<html><head><title>Blåbær</title></head><body>\r\nRød å\r\n</body></html>");
    EXPECT_EQ(editor().GetText(), letters);
    EXPECT_FALSE(editor().IsModified());
    EXPECT_FALSE(editor().CanUndo());

    editor().SetSelection(SelectionRecord::at({2, 0}));
    editor().ReplaceSelection(QStringLiteral("æ"));
    run("actGem");
    // The head is written as it stands; only the text after it gets references.
    EXPECT_EQ(read("side.htm"),
              QStringLiteral("<html><head><title>Blåbær</title></head><body>\r\n&aelig;R&oslash;d &aring;\r\n</body></html>"));
    EXPECT_EQ(editor().GetText(), QStringLiteral("<html><head><title>Blåbær</title></head><body>\r\næRød å\r\n</body></html>"));
    EXPECT_FALSE(editor().IsModified());
}

TEST_F(DocumentConversionsTest, SavingWithDanishCodesConvertsOnceAndLeavesTheSettingOff)
{
    m_store->writeBool(Keys::Indstillinger, QStringLiteral("EksistDato"), true);
    m_window->settingsDialog()->reject();
    write("side.htm", "<html><head></head><body>ø</body></html>");
    m_window->documentCommands().FilAabn(path("side.htm"));
    start(QStringLiteral("<html><head><title>Ø</title></head><body>Rød</body></html>"));
    run("actGemKoder");
    EXPECT_EQ(read("side.htm"), QStringLiteral("<html><head><title>Ø</title></head><body>R&oslash;d</body></html>"));
    save();
    EXPECT_EQ(read("side.htm"), QStringLiteral("<html><head><title>Ø</title></head><body>Rød</body></html>"));
}

TEST_F(DocumentConversionsTest, TabCaptionsShowReferencesInTheTitleAsLetters)
{
    write("side.htm", "<html><head><title>Bl&aring;b&aelig;r</title></head></html>");
    m_window->documentCommands().FilAabn(path("side.htm"));
    EXPECT_EQ(m_window->documentArea().captionAt(0), QStringLiteral("Blåbær"));
    EXPECT_EQ(m_window->windowTitle(), QStringLiteral("Brindle's Pagewick 4 - Bl&aring;b&aelig;r"));
}

TEST_F(DocumentConversionsTest, SavingAnHtmlPageAsksOnceForADateAndKeepsItCurrent)
{
    const QString dateLine = QStringLiteral("<!-- Pagewick AutoDato -->Opdateret d. %1<!-- PW -->\r\n");
    write("side.htm", "<html><head><title>T</title></head><body>\r\nx\r\n</body></html>");
    write("noter.txt", "x");
    m_window->documentCommands().FilAabn(path("noter.txt"));
    save(); // not an HTML file: no question
    m_window->documentCommands().FilAabn(path("side.htm"));

    m_prompter.expect(QStringLiteral("side.htm indeholder ikke en Auto-opdateringsdato"), Prompter::Yes);
    save();
    const QString dated = QStringLiteral("<html><head><title>T</title></head><body>\r\nx\r\n")
        + dateLine.arg(QStringLiteral("10.12.2026")) + QStringLiteral("</body></html>");
    EXPECT_EQ(read("side.htm"), dated);
    EXPECT_EQ(m_prompter.seen().last().caption, QStringLiteral("Pagewick Autodato"));

    // The same day: nothing to change, and nothing is asked.
    save();
    EXPECT_EQ(read("side.htm"), dated);

    m_now = m_now.addDays(1);
    save();
    EXPECT_EQ(read("side.htm"), QString(dated).replace(QStringLiteral("10.12.2026"), QStringLiteral("11.12.2026")));
}

TEST_F(DocumentConversionsTest, DecliningTheDateMarksThePageAndTheCommandTakesTheMarkBack)
{
    write("side.htm", "<html>\r\n<head>\r\n<title>T</title>\r\n</head>\r\n<body>\r\nx\r\n</body>\r\n</html>");
    m_window->documentCommands().FilAabn(path("side.htm"));
    m_prompter.expect(QStringLiteral("indeholder ikke en Auto-opdateringsdato"), Prompter::No);
    save();
    const QString saved = read("side.htm");
    const qsizetype mark = saved.indexOf(QStringLiteral("<!-- Minus AutoDato -->\r\n"));
    ASSERT_GE(mark, 0);
    EXPECT_LT(mark, saved.indexOf(QStringLiteral("</head>")));
    save(); // no second question
    EXPECT_EQ(read("side.htm"), saved);

    // "Opdateringsdato" drops the refusal and puts the date line at the caret.
    const int bodyLine = editor().findFrom(QStringLiteral("x"), {1, 0})->start.line;
    editor().SetSelection(SelectionRecord::at({bodyLine, 0}));
    run("actOpdateringsdato");
    // The marker goes; the line it stood on stays.
    QString expected = QString(saved).remove(QStringLiteral("<!-- Minus AutoDato -->"));
    expected.insert(expected.indexOf(QStringLiteral("x\r\n")),
                    QStringLiteral("<!-- Pagewick AutoDato -->Opdateret d. 10.12.2026<!-- PW -->\r\n"));
    EXPECT_EQ(editor().GetText(), expected);
    EXPECT_EQ(editor().GetSelection(), SelectionRecord::at({bodyLine + 1, 0}));
}

TEST_F(DocumentConversionsTest, TheUpdateDateCommandRefreshesAnExistingDate)
{
    start(QStringLiteral("<body>\r\n<!-- Pagewick AutoDato -->Opdateret d. 1.1.2020<!-- PW -->\r\n</body>"));
    m_now = QDateTime(QDate(2027, 3, 5), QTime(8, 0));
    run("actOpdateringsdato");
    EXPECT_EQ(editor().GetText(),
              QStringLiteral("<body>\r\n<!-- Pagewick AutoDato -->Opdateret d. 5.3.2027<!-- PW -->\r\n</body>"));
    editor().Undo();
    EXPECT_EQ(editor().GetText(),
              QStringLiteral("<body>\r\n<!-- Pagewick AutoDato -->Opdateret d. 1.1.2020<!-- PW -->\r\n</body>"));
}

TEST_F(DocumentConversionsTest, TheHtmlCheckReportsOddLinesAndUnbalancedElementsInOneMessage)
{
    ASSERT_EQ(m_window->libraryLists().TagCheckElements, QStringList({QStringLiteral("table")}));
    const QString text = QStringLiteral(
        "<table>\r\n<TABLE class=\"x\">\r\n<p>a < b\r\n<table>\r\n<script>document.write('<table>')</script>");
    start(text);
    m_prompter.expect(QStringLiteral("Tjek HTML-koder"));
    run("actTjekHtml");
    const Prompter::Message &report = m_prompter.seen().last();
    EXPECT_EQ(report.caption, QStringLiteral("Tjek HTML-koder"));
    EXPECT_EQ(report.icon, Prompter::Icon::Information);
    EXPECT_EQ(report.text,
              QStringLiteral("Pagewick fandt et ulige antal \"<\" og \">\" i linierne 3.\n"
                             "- Der er 3 flere \"<table>\" end \"</table>\"\n"));
    EXPECT_EQ(editor().GetText(), text);
    EXPECT_FALSE(editor().IsModified());
}

TEST_F(DocumentConversionsTest, TheHtmlCheckIsOfferedForDocumentsWithText)
{
    QMenu *functions = m_window->menuBar()->findChild<QMenu *>(QStringLiteral("mnuFunktioner"));
    ASSERT_NE(functions, nullptr);
    QAction *check = m_window->command(QStringLiteral("actTjekHtml"));
    start(QString());
    Q_EMIT functions->aboutToShow();
    EXPECT_FALSE(check->isEnabled());
    start(QStringLiteral("<p>a</p>"));
    Q_EMIT functions->aboutToShow();
    ASSERT_TRUE(check->isEnabled());
    m_prompter.expect(QStringLiteral("Pagewick fandt ingen fejl i koden."));
    check->trigger();
}

} // namespace
