#include "workbench/HelpLine.h"
#include "filepanel/ReferencePage.h"
#include "filepanel/TfrmEgenskaber.h"
#include "support/MainWindowFixture.h"
#include "support/ScriptedPrompter.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTabWidget>
#include <QToolBar>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace {

QStringList tabTexts(const QTabWidget &pages)
{
    QStringList texts;
    for (int index = 0; index < pages.count(); ++index)
        texts.append(pages.tabText(index));
    return texts;
}

QStringList column(const QTreeWidget &list, int column)
{
    QStringList texts;
    for (int row = 0; row < list.topLevelItemCount(); ++row)
        texts.append(list.topLevelItem(row)->text(column));
    return texts;
}

QString labelText(const QWidget &window, const char *name)
{
    const auto *label = window.findChild<QLabel *>(QString::fromLatin1(name));
    return label ? label->text() : QStringLiteral("<no %1>").arg(QString::fromLatin1(name));
}

QAction *namedAction(const QWidget &window, const QString &name)
{
    return window.findChild<QAction *>(name);
}

class PropertiesWindowTest : public ::testing::Test
{
protected:
    void SetUp() override { QLocale::setDefault(QLocale(QLocale::Danish, QLocale::Denmark)); }
    void TearDown() override
    {
        QLocale::setDefault(QLocale::c());
        EXPECT_TRUE(prompter.allAnswered());
    }

    QString path(const QString &name) const { return dir.filePath(name); }
    void write(const QString &name, const QByteArray &bytes)
    {
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(bytes), bytes.size());
    }
    void writePage()
    {
        write(QStringLiteral("side.htm"),
              "<html><head><title>Min side</title><script src=\"kode.js\"></script></head><body>"
              "<a href=\"http://example.com/\">Eksempel</a><a href=\"#top\">Top</a><a href=\"b.htm\">B</a>"
              "<img src=\"logo.gif\" alt=\"Logo\"><applet code=\"Spil.class\"></applet>"
              "<embed src=\"lyd.mid\"><a href=\"mailto:a@b.dk\">Post</a></body></html>");
        write(QStringLiteral("logo.gif"), QByteArray(2048, 'g'));
    }

    QTemporaryDir dir;
    SettingsOptions options;
    ScriptedPrompter prompter;
};

TEST_F(PropertiesWindowTest, APageShowsItsReferencesTransferTimesAndFacts)
{
    writePage();
    TfrmEgenskaber window(TfrmEgenskaber::Mode::File, options, prompter);
    window.showFile(path(QStringLiteral("side.htm")));

    EXPECT_EQ(window.windowTitle(), QStringLiteral("Egenskaber for ") + path(QStringLiteral("side.htm")));
    EXPECT_EQ(tabTexts(window.pages()),
              (QStringList{QStringLiteral("Forbindelser"), QStringLiteral("Overførselstid"), QStringLiteral("Generelt")}));
    EXPECT_EQ(window.pages().currentIndex(), 0);
    EXPECT_EQ(column(window.references().fullList(), 0),
              (QStringList{QStringLiteral("http://example.com/"), QStringLiteral("#top"), QStringLiteral("b.htm"),
                           QStringLiteral("mailto:a@b.dk"), QStringLiteral("kode.js"), QStringLiteral("logo.gif"),
                           QStringLiteral("lyd.mid"), QStringLiteral("Spil.class")}));
    const auto *transfer = window.findChild<QTreeWidget *>(QStringLiteral("lwOverfoersel"));
    ASSERT_NE(transfer, nullptr);
    EXPECT_EQ(column(*transfer, 0),
              (QStringList{QStringLiteral("kode.js"), QStringLiteral("logo.gif"), QStringLiteral("lyd.mid"),
                           QStringLiteral("Spil.class")}));
    EXPECT_EQ(column(*transfer, 1)[1], QStringLiteral("2,0 KB"));
    EXPECT_EQ(labelText(window, "lblFiler"), QStringLiteral("2,0 KB "));
    EXPECT_EQ(labelText(window, "lblTitel"), QStringLiteral("Min side"));
    EXPECT_EQ(labelText(window, "lblFilnavn"), QStringLiteral("side.htm"));
    EXPECT_EQ(labelText(window, "lblAdresse"), dir.path() + QLatin1Char('/'));
    EXPECT_TRUE(labelText(window, "lblStoerrelse").endsWith(QStringLiteral(" bytes)")));
    EXPECT_EQ(labelText(window, "lblOprettet"), QStringLiteral("-"));
    EXPECT_NE(labelText(window, "lblAendret"), QStringLiteral("-"));
    EXPECT_TRUE(window.findChild<QPushButton *>(QStringLiteral("cmdOK"))->isHidden());
    EXPECT_TRUE(window.findChild<QPushButton *>(QStringLiteral("cmdLuk"))->isDefault());

    window.showTransferPage();
    EXPECT_EQ(window.pages().currentWidget()->objectName(), QStringLiteral("tsOverfoerselstid"));

    const HelpLine *help = window.findChild<HelpLine *>();
    EXPECT_TRUE(help->helpFor(transfer).startsWith(QStringLiteral("Den udregnede overførselstid er den teoretisk mulige.")));
    EXPECT_EQ(help->helpFor(window.findChild<QPushButton *>(QStringLiteral("cmdLuk"))), QStringLiteral("Lukker dialogboksen"));
    QSignalSpy helpAsked(&window, &TfrmEgenskaber::helpRequested);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(&window, Qt::Key_F1);
    ASSERT_EQ(helpAsked.size(), 1);
    EXPECT_EQ(helpAsked.first().first().toInt(), 14);
}

TEST_F(PropertiesWindowTest, FiltersBringTheMatchingRowsToTheFront)
{
    writePage();
    TfrmEgenskaber window(TfrmEgenskaber::Mode::File, options, prompter);
    window.showFile(path(QStringLiteral("side.htm")));
    ReferencePage &page = window.references();

    const struct
    {
        const char *action;
        int filter;
        QStringList rows;
    } cases[] = {
        {"Knap8", 8, {QStringLiteral("kode.js")}}, // scripts only: the applet is not among them
        {"Vis1", 1, {QStringLiteral("http://example.com/")}},
        {"Knap6", 6, {QStringLiteral("logo.gif")}},
        {"Vis5", 5, {QStringLiteral("mailto:a@b.dk")}},
        {"Knap3", 3, {QStringLiteral("#top")}},
    };
    for (const auto &c : cases) {
        namedAction(window, QString::fromLatin1(c.action))->trigger();
        EXPECT_EQ(&page.frontList(), &page.filteredList()) << c.action;
        EXPECT_EQ(column(page.filteredList(), 0), c.rows) << c.action;
        EXPECT_TRUE(namedAction(window, QStringLiteral("Knap%1").arg(c.filter))->isChecked()) << c.action;
        EXPECT_TRUE(namedAction(window, QStringLiteral("Vis%1").arg(c.filter))->isChecked()) << c.action;
    }
    QAction *all = namedAction(window, QStringLiteral("Vis0"));
    EXPECT_EQ(all->shortcut(), QKeySequence(Qt::Key_F12));
    EXPECT_EQ(namedAction(window, QStringLiteral("Vis10"))->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_0));
    all->trigger();
    EXPECT_EQ(&page.frontList(), &page.fullList());
    EXPECT_TRUE(namedAction(window, QStringLiteral("Knap0"))->isChecked());
    EXPECT_EQ(namedAction(window, QStringLiteral("Knap9"))->toolTip(), QStringLiteral("Indkapslede objekter (<EMBED>)"));
}

TEST_F(PropertiesWindowTest, AddressesAreCopiedAndPrintedFromTheListInFront)
{
    writePage();
    TfrmEgenskaber window(TfrmEgenskaber::Mode::File, options, prompter);
    window.showFile(path(QStringLiteral("side.htm")));
    ReferencePage &page = window.references();

    namedAction(window, QStringLiteral("Vis2"))->trigger(); // "Lokal"
    EXPECT_EQ(page.addresses(), QStringList{QStringLiteral("b.htm")});
    namedAction(window, QStringLiteral("Vis0"))->trigger();
    page.fullList().topLevelItem(5)->setSelected(true);
    page.fullList().topLevelItem(1)->setSelected(true);
    namedAction(window, QStringLiteral("btnKopier"))->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->text().split(QRegularExpression(QStringLiteral("\r?\n"))),
              (QStringList{QStringLiteral("#top"), QStringLiteral("logo.gif")}));

    prompter.expectPrintDialog(false);
    namedAction(window, QStringLiteral("popUdskriv"))->trigger();
}

TEST_F(PropertiesWindowTest, HeaderClicksSortEveryListWithOneDirection)
{
    writePage();
    TfrmEgenskaber window(TfrmEgenskaber::Mode::File, options, prompter);
    window.showFile(path(QStringLiteral("side.htm")));
    QTreeWidget &list = window.references().fullList();

    // By kind, equal kinds by their address.
    emit list.header()->sectionClicked(2);
    EXPECT_EQ(column(list, 2),
              (QStringList{QStringLiteral("Applet"), QStringLiteral("E-mail"), QStringLiteral("Embed"), QStringLiteral("Grafik"),
                           QStringLiteral("Intern"), QStringLiteral("Lokal"), QStringLiteral("Skript"), QStringLiteral("Web")}));
    // The next click, on another list, sorts the other way.
    auto *transfer = window.findChild<QTreeWidget *>(QStringLiteral("lwOverfoersel"));
    emit transfer->header()->sectionClicked(0);
    EXPECT_EQ(column(*transfer, 0),
              (QStringList{QStringLiteral("Spil.class"), QStringLiteral("lyd.mid"), QStringLiteral("logo.gif"),
                           QStringLiteral("kode.js")}));
}

TEST_F(PropertiesWindowTest, OtherFilesShowOnlyWhatTheyHave)
{
    write(QStringLiteral("noter.txt"), "tekst");
    TfrmEgenskaber text(TfrmEgenskaber::Mode::File, options, prompter);
    text.showFile(path(QStringLiteral("noter.txt")));
    EXPECT_EQ(tabTexts(text.pages()), QStringList{QStringLiteral("Generelt")});
    EXPECT_FALSE(text.findChild<QLabel *>(QStringLiteral("lblTitel"))->isVisible());

    QImage image(7, 3, QImage::Format_RGB32);
    image.fill(Qt::red);
    ASSERT_TRUE(image.save(path(QStringLiteral("billede.png"))));
    TfrmEgenskaber picture(TfrmEgenskaber::Mode::File, options, prompter);
    picture.showFile(path(QStringLiteral("billede.png")));
    picture.show();
    EXPECT_EQ(tabTexts(picture.pages()), (QStringList{QStringLiteral("Billedfremviser"), QStringLiteral("Generelt")}));
    EXPECT_EQ(labelText(picture, "lblTitelTekst"), QStringLiteral("Dimensioner:"));
    EXPECT_EQ(labelText(picture, "lblTitel"), QStringLiteral("7 x 3 (bredde x højde i pixels)"));

    write(QStringLiteral("brudt.gif"), "GIF89a");
    TfrmEgenskaber broken(TfrmEgenskaber::Mode::File, options, prompter);
    broken.showFile(path(QStringLiteral("brudt.gif")));
    EXPECT_EQ(labelText(broken, "imBillede"), QStringLiteral("Pagewick kan ikke vise denne gif-fil"));
}

TEST_F(PropertiesWindowTest, AFileListEntryGivesTheGeneralFacts)
{
    writePage();
    ListedFileFacts facts;
    facts.name = QStringLiteral("side.htm");
    facts.folder = QStringLiteral("/et/sted/");
    facts.typeName = QStringLiteral("HTML-dokument");
    facts.size = 1536;
    facts.modified = QDateTime(QDate(2024, 3, 5), QTime(14, 7));
    TfrmEgenskaber window(TfrmEgenskaber::Mode::File, options, prompter);
    window.showFile(path(QStringLiteral("side.htm")), facts);
    EXPECT_EQ(labelText(window, "lblFiltype"), QStringLiteral("HTML-dokument"));
    EXPECT_EQ(labelText(window, "lblAdresse"), QStringLiteral("/et/sted/"));
    EXPECT_EQ(labelText(window, "lblStoerrelse"), QStringLiteral("1,5 KB (1.536 bytes)"));
    EXPECT_EQ(labelText(window, "lblAendret"), QStringLiteral("05.03.2024 14.07"));
    EXPECT_EQ(labelText(window, "lblSidstAabnet"), QStringLiteral("-"));
}

TEST_F(PropertiesWindowTest, TheChooserHandsBackTheSelectedRowsInListOrder)
{
    const QList<LinkItem> rows{{QStringLiteral("a.htm"), QStringLiteral("A"), QStringLiteral("Lokal"), {}, LinkIcon::LocalFile},
                               {QStringLiteral("b.htm"), QStringLiteral("B"), QStringLiteral("Lokal"), {}, LinkIcon::LocalFile},
                               {QStringLiteral("c.htm"), QStringLiteral("C"), QStringLiteral("Lokal"), {}, LinkIcon::LocalFile},
                               {QStringLiteral("d.htm"), QStringLiteral("D"), QStringLiteral("Lokal"), {}, LinkIcon::LocalFile}};
    prompter.expectDialog(QStringLiteral("Henvisninger i liste.htm"), [](QDialog &dialog) {
        auto &window = static_cast<TfrmEgenskaber &>(dialog);
        EXPECT_EQ(tabTexts(window.pages()), QStringList{QStringLiteral("Listen")});
        EXPECT_EQ(window.findChild<QPushButton *>(QStringLiteral("cmdLuk"))->text(), QStringLiteral("Annuller"));
        EXPECT_TRUE(window.references().toolBar().isHidden());
        QTreeWidget &list = window.references().fullList();
        for (int row : {3, 0, 2})
            list.topLevelItem(row)->setSelected(true);
        window.findChild<QPushButton *>(QStringLiteral("cmdOK"))->click();
    });
    const QList<LinkItem> chosen = ChooseReferences(TfrmEgenskaber::Mode::LinkList, rows, QStringLiteral("Listen"),
                                                    QStringLiteral("Henvisninger i liste.htm"), options, prompter, nullptr);
    QStringList pairs;
    for (const LinkItem &row : chosen)
        pairs.append(row.target + QLatin1Char('=') + row.description);
    EXPECT_EQ(pairs, (QStringList{QStringLiteral("a.htm=A"), QStringLiteral("c.htm=C"), QStringLiteral("d.htm=D")}));

    prompter.expectDialog(
        QStringLiteral("Interne mål i "),
        [](QDialog &dialog) {
            auto &window = static_cast<TfrmEgenskaber &>(dialog);
            window.references().fullList().topLevelItem(0)->setSelected(true);
            QMenu &menu = window.references().contextMenu();
            emit menu.aboutToShow();
            QStringList shown;
            for (QAction *entry : menu.actions()) {
                if (entry->isVisible() && !entry->isSeparator())
                    shown.append(entry->text());
            }
            EXPECT_EQ(shown, QStringList{QStringLiteral("&Udskriv")});
        },
        false);
    EXPECT_TRUE(ChooseReferences(TfrmEgenskaber::Mode::Target, rows, QStringLiteral("Listen"),
                                 QStringLiteral("Interne mål i liste.htm"), options, prompter, nullptr)
                    .isEmpty());
}

// ---------------------------------------------------------------------------

class PropertiesCommandsTest : public MainWindowFixture
{
};

TEST_F(PropertiesCommandsTest, AnUnsavedDocumentIsToldToBeSavedFirst)
{
    m_prompter.expect(QStringLiteral("Dokumentet skal gemmes, før overførselstiden kan beregnes."));
    run("actOverfoerselstid");
    EXPECT_EQ(m_prompter.seen().last().caption, QStringLiteral("Overførselstid"));
    QApplication::processEvents();
    EXPECT_FALSE(command("actEgenskaber")->isEnabled());
}

TEST_F(PropertiesCommandsTest, TheCommandsOpenTheWindowOnTheActiveDocument)
{
    const QString page = m_dir.filePath(QStringLiteral("side.htm"));
    QFile file(page);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("<html><body><img src=\"x.gif\"></body></html>");
    file.close();
    m_window->documentCommands().openFiles({page});

    const auto currentPage = [](const char *expected) {
        return [expected](QDialog &dialog) {
            EXPECT_EQ(static_cast<TfrmEgenskaber &>(dialog).pages().currentWidget()->objectName(), QString::fromLatin1(expected));
        };
    };
    m_prompter.expectDialog(QStringLiteral("Egenskaber for ") + page, currentPage("tsOverfoerselstid"), false)
        .expectDialog(QStringLiteral("Egenskaber for ") + page, currentPage("tsForbindelser"), false);
    run("actOverfoerselstid");
    run("actEgenskaber");
}

} // namespace
