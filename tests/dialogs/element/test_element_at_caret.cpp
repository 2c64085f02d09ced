// Editing the element at the caret in the real window: F4 opens it in its
// dialog filled in, and OK unchanged writes it back.
#include "core/OptionsModel.h"
#include "dialogs/element/TfrmDialog.h"
#include "support/MainWindowFixture.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QToolBar>

namespace {

class ElementAtCaretTest : public MainWindowFixture
{
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        LibraryLists &lists = m_window->libraryLists();
        lists.EventGroups = {QStringLiteral("1701=onclick, onmouseover")};
        lists.EventMap = {QStringLiteral("1701=a,body,div,font,hr,img,td,tr,ul,ol,p,span,embed")};
    }
    void keepUnknown(bool on)
    {
        SettingsOptions options = m_window->options().options();
        options.keepUnknownAttributes = on;
        m_window->options().apply(options);
    }
    // The element between two lines of text, edited with the caret just
    // after its "<" and OK pressed on whatever dialog opens: what stands in
    // its place afterwards.
    QString roundTrip(const QString &element)
    {
        const QString before = QStringLiteral("før\n");
        const QString after = QStringLiteral("\nefter");
        editor().SetText(before + element + after);
        editor().SetSelection(SelectionRecord::at({2, 1}));
        m_prompter.expectDialog(QString(), [](QDialog &) {});
        run("actRedigerElement");
        EXPECT_TRUE(m_prompter.allAnswered()) << qPrintable(element);
        const QString text = editor().GetText();
        if (!text.startsWith(before) || !text.endsWith(after))
            return QStringLiteral("outside the element: ") + text;
        return text.mid(before.size(), text.size() - before.size() - after.size());
    }
    void expectCannotEdit(const QString &text, TextPos caret)
    {
        editor().SetText(text);
        editor().SetSelection(SelectionRecord::at(caret));
        m_prompter.expect(QStringLiteral("Pagewick kan ikke automatisk redigere denne HTML-kode."));
        run("actRedigerElement");
        EXPECT_TRUE(m_prompter.allAnswered()) << qPrintable(text);
        EXPECT_EQ(editor().GetText(), text);
    }
};

TEST_F(ElementAtCaretTest, ElementsComeBackAsTheyWere)
{
    const struct
    {
        const char *element;
        const char *markup;
        bool keepUnknown = true;
    } cases[] = {
        {"<hr>", "<hr>"}, // no width stays without one
        {"<hr />", "<hr>"},
        {"<hr width=\"50%\" size=\"4\" align=\"left\" noshade>",
         "<hr SIZE=\"4\" align=\"left\" width=\"50%\" noshade=\"noshade\">"},
        {"<hr noshade>", "<hr noshade=\"noshade\">", false},
        {"<HR WIDTH=300 title=\"t\"/>", "<hr width=\"300\" title=\"t\">"},
        {"<hr width=\"100%\" noshade=\"noshade\">", "<hr noshade=\"noshade\">"},
        {"<hr width=\"auto\">", "<hr width=\"auto\">"}, // values no field can hold are kept
        {"<hr width=\"5x%\" size=\"thin\" align=\"middle\">", "<hr width=\"5x%\" size=\"thin\" align=\"middle\">"},
        {"<td valign=top width=\"50%\">", "<td valign=\"top\" width=\"50%\">"},
        {"<TD ALIGN=\"Center\" ROWSPAN=2 height=\"30\" bgcolor=\"#00FF00\">",
         "<td align=\"center\" rowspan=\"2\" height=\"30\" bgcolor=\"#00FF00\">"},
        {"<td valign=\"baseline\" rowspan=\"x\" width=\"auto\" height=\"1.5%\">",
         "<td valign=\"baseline\" rowspan=\"x\" width=\"auto\" height=\"1.5%\">"},
        // The remainder keeps its blanks, line break included.
        {"<td\n  width=\"20\" title=\"t\" data-x=\"1\" aria-label=\"a\" nowrap>",
         "<td width=\"20\"\n  title=\"t\" data-x=\"1\" aria-label=\"a\" nowrap>"},
        {"<td width=\"20\" title=\"t\" onclick=\"f()\" onload=\"g()\" nowrap>", "<td width=\"20\" onclick=\"f()\">", false},
        {"<tr align=right class=\"r\" onMouseOver=\"h()\">", "<tr align=\"right\" class=\"r\" onmouseover=\"h()\">"},
        {"<frameset rows=\"50%,*\" frameborder=\"no\" border=\"3\">",
         "<frameset frameborder=\"0\" border=\"3\" framespacing=\"3\" rows=\"50%,*\">"},
        {"<body bgcolor=\"#FFFFFF\">", "<body bgcolor=\"#FFFFFF\">"}, // only the colour it had
        {"<body link=\"#123456\" background=\"b.gif\" onclick=\"x()\">",
         "<body link=\"#123456\" background=\"b.gif\" onclick=\"x()\">"},
        {"<div align=\"center\" class=\"x\" onclick=\"f()\" lang=\"da\">",
         "<div align=\"center\" class=\"x\" onclick=\"f()\" lang=\"da\">"},
        {"<span style=\"color:red\">", "<span style=\"color:red\">"},
        {"<p align=\"char\">", "<p align=\"char\">"},
        {"<H2 align = \"left\">", "<h2 align = \"left\">"}, // blanks around "=": no attribute, kept as it stands
        {"<H2 align = \"left\">", "<h2>", false},
        {"<title>Forside</title>", "<title>Forside</title>"},
        {"<ol type=\"a\" start=\"3\">\n\t<li>Et</li>\n\t<li>To</li>\n</ol>\n<ol><li>Tre</li></ol>",
         "<ol type=\"a\" start=\"3\">\n\t<li>Et</li>\n\t<li>To</li>\n</ol>\n<ol><li>Tre</li></ol>"},
        {"<FONT FACE=\"Arial\" size=\"+1\" class=\"k\" lang=\"da\">",
         "<font face=\"Arial\" size=\"+1\" class=\"k\" lang=\"da\">"},
        {"<A HREF=\"side.html\" target=\"_top\" name=\"x\" class=\"c\" onclick=\"f()\" data-x=\"1\">Tekst</A>",
         "<a href=\"side.html\" target=\"_top\" name=\"x\" class=\"c\" onclick=\"f()\" data-x=\"1\">Tekst</a>"},
        {"<a href=\"side.html\" aria-label=\"l\">To\nlinier</a>", "<a href=\"side.html\" aria-label=\"l\">To\nlinier</a>"},
        {"<a href=\"side.html\" aria-label=\"l\">Tekst</a>", "<a href=\"side.html\">Tekst</a>", false},
        // Subject and body in any order, encoded, survive.
        {"<a href=\"mailto:a@b.dk?body=Hej%20med%20dig%26dig&subject=Sp%C3%B8rgsm%C3%A5l\" class=\"m\">Skriv</a>",
         "<a href=\"mailto:a@b.dk?subject=Spørgsmål&body=Hej%20med%20dig%26dig\" class=\"m\">Skriv</a>"},
        {"<a name=\"top\" />", "<a name=\"top\"></a>"},
        {"<img src=\"a.png\" align=\"top\" width=\"50%\" height=\"20\" border=\"0\" alt=\"x\" usemap=\"#k\" class=\"c\" "
         "data-x=\"1\">",
         "<img src=\"a.png\" border=\"0\" width=\"50%\" height=\"20\" align=\"top\" alt=\"x\" usemap=\"#k\" class=\"c\" "
         "data-x=\"1\">"},
        {"<IMG SRC=a.gif WIDTH=120 onMouseOver=\"f()\">",
         "<img src=\"a.gif\" width=\"120\" align=\"bottom\" alt=\"\" onmouseover=\"f()\">"},
        {"<embed src=\"a.mid\" autostart=\"true\" loop=\"false\" width=\"200\" height=\"60\" type=\"audio/midi\" class=\"k\">",
         "<embed src=\"a.mid\" width=\"200\" height=\"60\" autostart=\"true\" loop=\"false\" type=\"audio/midi\" class=\"k\">"},
        {"<bgsound src=\"b.wav\" loop=\"infinite\" id=\"s\">",
         "<embed src=\"b.wav\" width=\"150\" height=\"70\" autostart=\"false\" loop=\"true\" id=\"s\">"},
    };
    for (const auto &c : cases) {
        keepUnknown(c.keepUnknown);
        EXPECT_EQ(roundTrip(QString::fromUtf8(c.element)), QString::fromUtf8(c.markup)) << c.element;
    }
}

TEST_F(ElementAtCaretTest, WhatCannotBeEditedIsLeftAsItIs)
{
    for (const char *text : {"<br>", "<base href=\"/\">", "<!DOCTYPE html>", "<!-- x -->", "<nav>", "<table border=\"1\">",
                             "<ul><li>a<ol><li>b</li></ol></li></ul>"})
        expectCannotEdit(QString::fromUtf8(text), {1, 2});
    expectCannotEdit(QStringLiteral("<td>x</td>"), {1, 10}); // an end tag
    expectCannotEdit(QStringLiteral("ingen kode"), {1, 4});
    expectCannotEdit(QStringLiteral("<td width=\"3"), {1, 4});
    expectCannotEdit(QStringLiteral("<img alt=\"a > b\" src=\"x.gif\">"), {1, 3}); // a quote not closed before ">"

    // An area is edited through its map; without one nothing happens.
    expectCannotEdit(QStringLiteral("<map name=\"k\">\n<area shape=\"rect\">\n</map>"), {2, 3});
    const qsizetype messages = m_prompter.seen().size();
    editor().SetText(QStringLiteral("map \n<area shape=\"rect\">"));
    editor().SetSelection(SelectionRecord::at({2, 3}));
    run("actRedigerElement");
    EXPECT_EQ(m_prompter.seen().size(), messages);
}

TEST_F(ElementAtCaretTest, TheCaretComesBackAndCancelChangesNothing)
{
    const QString text = QStringLiteral("x\n<td\n width=\"3\">\ny");
    editor().SetText(text);
    editor().SetSelection(SelectionRecord::at({3, 2}));
    m_prompter.expectDialog(
        QStringLiteral("Tabelcelle - redigering"), [](QDialog &) {}, false);
    run("actRedigerElement");
    EXPECT_EQ(editor().GetText(), text);
    EXPECT_EQ(editor().GetSelection(), SelectionRecord::at({2, 2})); // the caret's column on the line of "<"
}

TEST_F(ElementAtCaretTest, TheFormDialogMustBeClosedFirst)
{
    QWidget formDialog;
    formDialog.setObjectName(QStringLiteral("frmFormular"));
    formDialog.show();
    editor().SetText(QStringLiteral("<td>"));
    editor().SetSelection(SelectionRecord::at({1, 2}));
    m_prompter.expect(QStringLiteral("Luk formular-dialogboksen, før du redigerer."));
    run("actRedigerElement");
    EXPECT_EQ(editor().GetText(), QStringLiteral("<td>"));
}

TEST_F(ElementAtCaretTest, RightClickInMarkupEditsTheElement)
{
    editor().SetText(QStringLiteral("<p>\n<div align=\"right\">Tekst</div>"));
    m_prompter.expectDialog(QStringLiteral("Blokformatering - redigering"), [](QDialog &dialog) {
        auto *alignment = dialog.findChild<QComboBox *>();
        ASSERT_NE(alignment, nullptr);
        alignment->setCurrentIndex(2);
    });
    m_window->editorCommands().contextMenus().contextMenuAt(pointOf(2, 7));
    EXPECT_EQ(editor().GetText(), QStringLiteral("<p>\n<div align=\"center\">Tekst</div>"));
}

TEST_F(ElementAtCaretTest, TitleIsEditedWhereItStandsOrPlacedInTheHead)
{
    editor().SetText(
        QStringLiteral("<html><head>\n<script>var t = \"<title>\";</script>\n<TITLE>Gammel</TITLE>\n</head>\n<body>"));
    editor().SetSelection(SelectionRecord::at({5, 2}));
    m_prompter.expectDialog(QStringLiteral("Titel - rediger"), [](QDialog &dialog) {
        auto *field = dialog.findChild<QLineEdit *>();
        ASSERT_NE(field, nullptr);
        EXPECT_EQ(field->text(), QStringLiteral("Gammel"));
        field->setText(QStringLiteral("Ny"));
    });
    // The editor toolbar's button runs the same command.
    auto *button = m_window->findChild<QAction *>(QStringLiteral("btnRedigerTitel"));
    ASSERT_NE(button, nullptr);
    button->trigger();
    EXPECT_EQ(editor().GetLine(3), QStringLiteral("<title>Ny</title>"));
    EXPECT_EQ(editor().GetSelection(), SelectionRecord::at({5, 2}));

    editor().SetText(QStringLiteral("<html><head>\n</head>\n<body>"));
    m_prompter.expectDialog(QStringLiteral("Titel - rediger"),
                            [](QDialog &dialog) { dialog.findChild<QLineEdit *>()->setText(QStringLiteral("Side")); });
    run("actTitel");
    EXPECT_TRUE(editor().GetText().contains(QLatin1String("<head>\n\t<title>Side</title>\n</head>")))
        << qPrintable(editor().GetText());
}

TEST_F(ElementAtCaretTest, StylesAndScriptsOpenInTheTextEditor)
{
    const auto answerText = [this](const char *expected, const char *typed) {
        m_prompter.expectDialog(QString(), [expected, typed](QDialog &dialog) {
            auto *field = dialog.findChild<QPlainTextEdit *>();
            ASSERT_NE(field, nullptr);
            EXPECT_EQ(field->toPlainText(), QString::fromUtf8(expected));
            field->setPlainText(QString::fromUtf8(typed));
        });
    };
    // A style only inside a script is none: a new one goes into the head.
    editor().SetText(QStringLiteral("<html><head>\n<script>\nvar s = \"<style>\";\n</script>\n</head>"));
    answerText("", "p { color: red }");
    run("actRedigerTypografiregler");
    EXPECT_TRUE(
        editor().GetText().contains(QLatin1String("<head>\n<style type=\"text/css\">\np { color: red }\n</style>\n<script>")))
        << qPrintable(editor().GetText());

    editor().SetText(QStringLiteral("<head>\n<style media=\"print\" title=\"t\">\nh1 { }\n</style>\n</head>"));
    answerText("h1 { }", "h2 { }");
    run("actRedigerTypografiregler");
    EXPECT_EQ(editor().GetText(),
              QStringLiteral("<head>\n<style type=\"text/css\" media=\"print\" title=\"t\">\nh2 { }\n</style>\n</head>"));

    editor().SetText(QStringLiteral("<body>\n<script type=\"text/vbscript\" defer>x = 1</script>"));
    answerText("x = 1", "x = 2");
    run("actRedigerSkript");
    EXPECT_EQ(editor().GetText(), QStringLiteral("<body>\n<script type=\"text/vbscript\" defer>\nx = 2\n</script>"));
}

TEST_F(ElementAtCaretTest, ALinkWithoutItsEndTagIsRewrittenAlone)
{
    for (const char *anchor : {"<a name=\"top\" />", "<a name=\"top\">"}) {
        const QString rest = QStringLiteral("\n<p>Tekst</p>\n<a href=\"side.html\">Side</a>");
        editor().SetText(QString::fromUtf8(anchor) + rest);
        editor().SetSelection(SelectionRecord::at({1, 3}));
        m_prompter.expectDialog(QStringLiteral("Henvisning - redigering"), [](QDialog &) {});
        run("actRedigerElement");
        EXPECT_EQ(editor().GetText(), QStringLiteral("<a name=\"top\"></a>") + rest) << anchor;
    }
}

} // namespace
