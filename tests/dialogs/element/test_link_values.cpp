// The link and e-mail panels' markup, the favourites they read and the
// frame names they offer as targets.
#include "dialogs/element/ElementReading.h"
#include "dialogs/element/EmailLink.h"
#include "dialogs/element/InternetShortcuts.h"
#include "dialogs/element/LinkValues.h"
#include "editor/TextBuffer.h"
#include "support/QtPrinters.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QStringList MouseEvents = {QStringLiteral("onclick"), QStringLiteral("onmouseover")};

// An element taken apart as element editing hands it over: the href, target
// and name in slots 1-3 and the link text as the content.
ElementEdit editOf(const QString &startTag, const QString &content)
{
    return prepareElementEdit(ElementIndexOf(startTag), startTag, content, MouseEvents, true).edit;
}

TEST(LinkMarkup, AnEditedLinkComesBackAsItWasWithItsRemainder)
{
    const ElementEdit edit = editOf(
        QStringLiteral("<A HREF=\"side.html\" target=\"_top\" name=\"x\" class=\"c\" onclick=\"f()\" data-x=\"1\">"),
        QStringLiteral("Tekst"));
    EXPECT_EQ(
        buildLink(LinkValues::fromEdit(edit), CommonFields::fromEdit(edit, MouseEvents), {}, {}),
        QStringLiteral("<a href=\"side.html\" target=\"_top\" name=\"x\" class=\"c\" onclick=\"f()\" data-x=\"1\">Tekst</a>"));
}

TEST(LinkMarkup, TheStartAddressIsNoAddressAndFurtherFavouritesFollowOnLinesOfTheirOwn)
{
    LinkValues values;
    values.description = QStringLiteral("Her");
    EXPECT_EQ(buildLink(values, {}, {}, {}), QStringLiteral("<a>Her</a>"));

    values.address = QStringLiteral("http://a.dk/");
    values.target = QStringLiteral("hoved");
    CommonFields common;
    common.text.className = QStringLiteral("c");
    common.events = {{QStringLiteral("onclick"), QStringLiteral("f()")}};
    common.remainder = QStringLiteral(" data-x=\"1\"");
    const QList<InternetShortcut> further = {{QStringLiteral("http://b.dk/"), QStringLiteral("B")},
                                             {QStringLiteral("http://c.dk/"), QStringLiteral("C")}};
    EXPECT_EQ(buildLink(values, common, further, QStringLiteral(" /")),
              QStringLiteral("<a href=\"http://a.dk/\" target=\"hoved\" class=\"c\" onclick=\"f()\" data-x=\"1\">Her</a>\r\n"
                             "<a href=\"http://b.dk/\" target=\"hoved\" class=\"c\" onclick=\"f()\">B</a><br />\r\n"
                             "<a href=\"http://c.dk/\" target=\"hoved\" class=\"c\" onclick=\"f()\">C</a><br />"));
}

TEST(LinkTargets, StoredTargetAndFrameNamesComeFirstOnce)
{
    EXPECT_EQ(
        linkTargetItems(QString(), {}),
        (QStringList{QStringLiteral("_blank"), QStringLiteral("_self"), QStringLiteral("_parent"), QStringLiteral("_top")}));
    EXPECT_EQ(linkTargetItems(QStringLiteral("hoved"), {QStringLiteral("menu"), QStringLiteral("hoved"), QStringLiteral("_top")}),
              (QStringList{QStringLiteral("menu"), QStringLiteral("hoved"), QStringLiteral("_blank"), QStringLiteral("_self"),
                           QStringLiteral("_parent"), QStringLiteral("_top")}));
}

TEST(LinkTargets, FrameNamesAreTakenFromFrameElementsOnly)
{
    TextBuffer text;
    text.SetText(QStringLiteral("<frameset name=\"ikke\" cols=\"20%,*\">\n"
                                "  <FRAME src=\"menu.html\" NAME=\"menu\">\n"
                                "  <frame\nname=hoved src=\"forside.html\">\n"
                                "  <frame src=\"uden.html\">\n"
                                "  <framex name=\"heller-ikke\">\n"
                                "</frameset>\n<frame name=\"uafsluttet\""));
    EXPECT_EQ(frameNames(text), (QStringList{QStringLiteral("menu"), QStringLiteral("hoved")}));
}

// ---------------------------------------------------------------------------

TEST(EmailMarkup, MailtoAddressesAreReadInAnyOrderAndCase)
{
    const struct
    {
        const char *href;
        EmailLink fields; // without description
    } cases[] = {
        {"mailto:a@b.dk", {"a@b.dk", {}, {}, {}, {}}},
        {"MAILTO:a@b.dk?", {"a@b.dk", {}, {}, {}, {}}},
        {"mailto:a@b.dk?subject=Hej", {"a@b.dk", "Hej", {}, {}, {}}},
        {"mailto:a@b.dk?body=Tekst&Subject=Emne", {"a@b.dk", "Emne", "Tekst", {}, {}}},
        {"mailto:a@b.dk?cc=c@d.dk&BODY=x%20y&subject=1%262%3F", {"a@b.dk", "1&2?", "x y", {}, "cc=c@d.dk"}},
        {"mailto:a@b.dk?subject=%C3%A6-%E6-%2", {"a@b.dk", "æ-æ-%2", {}, {}, {}}}, // UTF-8, Latin-1, no escape
        {"a@b.dk?subject=uden%20skema", {"a@b.dk", "uden skema", {}, {}, {}}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(parseMailto(QString::fromUtf8(c.href)), c.fields) << c.href;
}

TEST(EmailMarkup, SubjectAndBodySurviveBeingWrittenAndReadBack)
{
    const EmailLink link{QStringLiteral("a@b.dk"), QStringLiteral("50% & mere? #1 \"ja\""),
                         QStringLiteral("Linie 1\r\nLinie 2\tslut"), QStringLiteral("Skriv"), QStringLiteral("cc=c@d.dk")};
    const QString href = mailtoAddress(link);
    EXPECT_EQ(href,
              QStringLiteral("mailto:a@b.dk?subject=50%25%20%26%20mere%3F%20%231%20%22ja%22"
                             "&body=Linie%201%0D%0ALinie%202%09slut&cc=c@d.dk"));
    EmailLink back = parseMailto(href);
    back.description = link.description;
    EXPECT_EQ(back, link);

    EXPECT_EQ(mailtoAddress({QStringLiteral("a@b.dk"), {}, QStringLiteral("x"), {}, {}}), QStringLiteral("mailto:a@b.dk?body=x"));
}

TEST(EmailMarkup, AnEditedEmailLinkComesBackUnchanged)
{
    const QString element = QStringLiteral("<a href=\"mailto:a@b.dk?subject=Hej%20du&body=50%25\" id=\"m\" "
                                           "onmouseover=\"g()\" lang=\"da\">");
    const ElementEdit edit = editOf(element, QStringLiteral("Skriv til os"));
    EXPECT_EQ(buildEmailLink(EmailLink::fromEdit(edit), CommonFields::fromEdit(edit, MouseEvents)),
              element + QStringLiteral("Skriv til os</a>"));
}

// ---------------------------------------------------------------------------

class InternetShortcutFiles : public ::testing::Test
{
protected:
    QString write(const char *name, const QByteArray &bytes)
    {
        const QString path = m_dir.filePath(QString::fromUtf8(name));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }
    QTemporaryDir m_dir;
};

TEST_F(InternetShortcutFiles, TheAddressIsTheUrlLineOfTheShortcutSectionWhereverItStands)
{
    const QStringList paths = {
        write("Nyheder.url", "[InternetShortcut]\r\nURL=http://nyheder.dk/  \r\n"),
        write("Min.side.URL",
              "[DEFAULT]\r\nBASEURL=http://forkert.dk/\r\nURL=http://heller-ikke.dk/\r\n\r\n"
              "[internetshortcut]\r\nIconIndex=0\r\nurl = http://min.side.dk/?a=1\r\n"),
        write("Uden.url", "[InternetShortcut]\r\nIconFile=x.ico\r\n[Andet]\r\nURL=http://andet.dk/\r\n"),
        write("Tom.url", ""),
        m_dir.filePath(QStringLiteral("findes-ikke.url")),
        write("Blåbær.url", "[InternetShortcut]\nURL=http://bl\xc3\xa5\x62\xc3\xa6r.dk/\n"),
        write("Rød.url", "[InternetShortcut]\r\nURL=http://r\xf8\x64.dk/\r\n"), // a single-byte code page
    };
    EXPECT_EQ(readInternetShortcuts(paths),
              (QList<InternetShortcut>{{QStringLiteral("http://nyheder.dk/"), QStringLiteral("Nyheder")},
                                       {QStringLiteral("http://min.side.dk/?a=1"), QStringLiteral("Min.side")},
                                       {QStringLiteral("http://blåbær.dk/"), QStringLiteral("Blåbær")},
                                       {QStringLiteral("http://rød.dk/"), QStringLiteral("Rød")}}));
}

TEST(InternetShortcutDialog, StartsInTheGivenFolder)
{
    const Prompter::FileDialog dialog = internetShortcutDialog(QStringLiteral("/home/x"));
    EXPECT_EQ(dialog.caption, QStringLiteral("Internet Stifinder Foretrukne"));
    EXPECT_EQ(dialog.folder, QStringLiteral("/home/x"));
    ASSERT_EQ(dialog.filters.size(), 2);
    EXPECT_EQ(dialog.filters.first().description, QStringLiteral("Internet Stifinder genveje"));
    EXPECT_EQ(dialog.filters.first().patterns, QStringLiteral("*.URL"));
    EXPECT_EQ(dialog.filters.last().patterns, QStringLiteral("*"));
}

} // namespace
