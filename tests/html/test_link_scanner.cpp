#include "core/SettingsOptions.h"
#include "files/FileTexts.h"
#include "html/AttributeText.h"
#include "html/LinkScanner.h"
#include "support/QtPrinters.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

TEST(AttributeText, AttributesAreReadAndCutOutOfATag)
{
    const struct
    {
        const char *tag;
        const char *name;
        const char *value;
        const char *afterRemoval;
    } cases[] = {
        {"<a href=\"x y\" title=z>", "href", "x y", "<a title=z>"},
        {"<a HREF=x>", "href", "x", "<a>"},
        {"<a xhref=\"no\" href=yes>", "href", "yes", "<a xhref=\"no\">"}, // the name must follow a blank
        {"<a\r\n\thref=x>", "href", "x", "<a\r\n>"},
        {"<a href =\"x\">", "href", "", "<a href =\"x\">"}, // no blanks around "="
        {"<a href=\"open>", "href", "open>", "<a"}, // an open quote runs to the end
        {"<a href='x y'>", "href", "'x", "<a y'>"}, // single quotes are no quotes
        {"<a href=>", "href", "", "<a>"},
        {"<a href=", "href", "", "<a"},
        {"<a href", "href", "", "<a href"},
        {"<img src=a.gif alt=\"b\">", "alt", "b", "<img src=a.gif>"},
        {"<a href=x>", "", "", "<a href=x>"},
        {"", "href", "", ""},
    };
    for (const auto &c : cases) {
        QString tag = QString::fromUtf8(c.tag);
        EXPECT_EQ(AttributeValue(tag, QString::fromUtf8(c.name)), QString::fromUtf8(c.value)) << c.tag;
        EXPECT_EQ(TakeAttribute(tag, QString::fromUtf8(c.name), true), QString::fromUtf8(c.value)) << c.tag;
        EXPECT_EQ(tag, QString::fromUtf8(c.afterRemoval)) << c.tag;
    }
}

// A scan of the given entries with the file masks of a first start.
LinkScan entries(int first, int last)
{
    const SettingsOptions options;
    LinkScan scan;
    scan.first = first;
    scan.last = last;
    scan.scriptFilter = options.scriptFilter;
    scan.htmlFilter = options.htmlFilter;
    return scan;
}

class LinkScannerTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        QLocale::setDefault(QLocale(QLocale::Danish, QLocale::Denmark));
        missing = FormatSize(-1);
        ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("billeder")));
        ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("js")));
        write(QStringLiteral("index.htm"),
              "<html><head><title>Forside</title>\r\n"
              "<link rel=\"stylesheet\" href=\"stil.css\">\r\n"
              "<script type=\"text/javascript\" src=\"js/kode.js\"></script>\r\n"
              "</head>\r\n<body background=\"bg.gif\">\r\n"
              "<a name=\"top\"></a>\r\n"
              "<a href=\"http://example.com/\">Ekstern &aring;\r\n</a>\r\n"
              "<a href=\"#top\">Til toppen</a>\r\n"
              "<a href=\"mailto:a@b.dk\">Skriv</a>\r\n"
              "<a href=\"side2.htm\">Side 2</a>\r\n"
              "<a href=\"filer/pakke.zip\">Pakke</a>\r\n"
              "<a href=\"http://example.com/setup.exe\">Program</a>\r\n"
              "<a href=\"noter.txt\">Noter</a>\r\n"
              "<A HREF=\"side2.htm\">Igen</A>\r\n"
              "<img src=\"billeder/logo.gif\" alt=\"Logo\"><img src=\"billeder/logo.gif\">\r\n"
              "<map><area shape=\"rect\" coords=\"0,0,1,1\" href=\"side3.htm\" alt=\"Omr&aring;de\"></map>\r\n"
              "<frame src=\"ramme.htm\" name=\"venstre\"><frame src=\"HTTP://example.com/r.htm\" name=\"web\">\r\n"
              "<embed src=\"lyd.mid\"><applet code=\"Spil.class\"></applet><object data=\"film.avi\"></object>\r\n"
              "</body></html>\r\n");
        write(QStringLiteral("stil.css"),
              "body { background: url(\"billeder/bund.png\") }\r\na { x: url( side2.htm ) }\r\n"
              ".k { y: url(font.ttf) }\r\n");
        write(QStringLiteral("billeder/logo.gif"), QByteArray(2048, 'g'));
        write(QStringLiteral("billeder/bund.png"), QByteArray(1024, 'p'));
        write(QStringLiteral("noter.txt"), QByteArray(1536, 't'));
        write(QStringLiteral("js/kode.js"), QByteArray(102, 'j'));
    }

    void TearDown() override { QLocale::setDefault(QLocale::c()); }

    void write(const QString &name, const QByteArray &bytes)
    {
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    // One row as "target | description | kind | size".
    static QStringList rows(const QList<LinkItem> &items)
    {
        QStringList out;
        for (const LinkItem &item : items)
            out.append(QStringList{item.target, item.description, item.kind, item.size}.join(QStringLiteral(" | ")));
        return out;
    }

    QString page() const { return dir.filePath(QStringLiteral("index.htm")); }

    QTemporaryDir dir;
    QString missing; // the size text of a file that is not there
};

TEST_F(LinkScannerTest, AllElevenEntriesListEveryReferenceInEntryOrder)
{
    QList<LinkItem> items;
    ScanLinks(page(), entries(1, 11), items);
    const QStringList expected = {
        QStringLiteral("ramme.htm | venstre | Ramme (l) | ") + missing,
        QStringLiteral("HTTP://example.com/r.htm | web | Ramme (w) | "),
        QStringLiteral("http://example.com/ | Ekstern å | Web | "),
        QStringLiteral("#top | Til toppen | Intern | "),
        QStringLiteral("mailto:a@b.dk | Skriv | E-mail | "),
        QStringLiteral("side2.htm | Side 2 | Lokal | "),
        QStringLiteral("filer/pakke.zip | Pakke | Lokal | "),
        QStringLiteral("http://example.com/setup.exe | Program | Lokal | "),
        QStringLiteral("noter.txt | Noter | Lokal | "),
        QStringLiteral("side2.htm | Igen | Lokal | "),
        QStringLiteral("side3.htm | Område | Lokal | "),
        QStringLiteral("stil.css |  | Typografiark | "),
        QStringLiteral("billeder/bund.png | [Typografiark-URL] | Grafik | 1,0 KB"),
        QStringLiteral("side2.htm | [Typografiark-URL] | Lokal | ") + missing,
        QStringLiteral("font.ttf | [Typografiark-URL] | stil.css | ") + missing,
        QStringLiteral("js/kode.js |  | Skript | "),
        QStringLiteral("billeder/logo.gif | Logo | Grafik | 2,0 KB"),
        QStringLiteral("billeder/logo.gif |  | Grafik | 2,0 KB"),
        QStringLiteral("bg.gif |  | Grafik | ") + missing,
        QStringLiteral("lyd.mid |  | Embed | ") + missing,
        QStringLiteral("Spil.class |  | Applet | ") + missing,
        QStringLiteral("film.avi |  | ActiveX | ") + missing,
        QStringLiteral("#top |  | Internt mål | "),
    };
    EXPECT_EQ(rows(items), expected);
    EXPECT_EQ(items.at(2).icon, LinkIcon::Web);
    EXPECT_EQ(items.at(4).icon, LinkIcon::Email);
    EXPECT_EQ(items.at(11).icon, LinkIcon::Stylesheet);
    EXPECT_EQ(items.at(15).icon, LinkIcon::Script);
    EXPECT_EQ(items.last().icon, LinkIcon::Internal);
}

TEST_F(LinkScannerTest, TheProjectScanListsResourcesOnceWithTheirSizes)
{
    QList<LinkItem> items = {LinkItem{QStringLiteral("bg.gif"), {}, QStringLiteral("Grafik"), {}, LinkIcon::Image}};
    LinkScan scan = entries(2, 8);
    scan.skipDuplicates = true;
    scan.resourcesOnly = true;
    ScanLinks(page(), scan, items);
    const QStringList expected = {
        QStringLiteral("bg.gif |  | Grafik | "), // listed before the scan
        QStringLiteral("filer/pakke.zip | Pakke | Lokal | ") + missing,
        QStringLiteral("http://example.com/setup.exe | Program | Lokal | ") + missing,
        QStringLiteral("noter.txt | Noter | Lokal | 1,5 KB"),
        QStringLiteral("stil.css |  | Typografiark | ") + FormatSize(QFileInfo(dir.filePath(QStringLiteral("stil.css"))).size()),
        QStringLiteral("billeder/bund.png | [Typografiark-URL] | Grafik | 1,0 KB"),
        QStringLiteral("side2.htm | [Typografiark-URL] | Lokal | ") + missing,
        QStringLiteral("font.ttf | [Typografiark-URL] | stil.css | ") + missing,
        QStringLiteral("js/kode.js |  | Skript | 0,1 KB"),
        QStringLiteral("billeder/logo.gif | Logo | Grafik | 2,0 KB"),
        QStringLiteral("lyd.mid |  | Embed | ") + missing,
    };
    EXPECT_EQ(rows(items), expected);
}

TEST_F(LinkScannerTest, ASingleEntryAndAStylesheetScanWithoutFolder)
{
    QList<LinkItem> items;
    ScanLinks(page(), entries(11, 11), items);
    EXPECT_EQ(rows(items), QStringList{QStringLiteral("#top |  | Internt mål | ")});

    items.clear();
    ScanLinks(page(), entries(4, 5), items); // stopping at the links: no url( ) rows
    EXPECT_EQ(rows(items),
              (QStringList{QStringLiteral("stil.css |  | Typografiark | "), QStringLiteral("js/kode.js |  | Skript | ")}));

    EXPECT_EQ(rows(StylesheetUrlReferences(QStringLiteral("a{b:URL('x.jpg')} c{d:url(side.php)} e{url()}"), QString(),
                                           QStringLiteral("side.htm"), QStringLiteral("*.*htm*;*.php"))),
              (QStringList{QStringLiteral("x.jpg | [Typografiark-URL] | Grafik | "),
                           QStringLiteral("side.php | [Typografiark-URL] | Lokal | ")}));

    items.clear();
    ScanLinks(dir.filePath(QStringLiteral("mangler.htm")), entries(1, 11), items);
    EXPECT_TRUE(items.isEmpty());
}

TEST(LinkScanner, BrokenMarkupGivesTheSameRowsEveryTimeInLinearTime)
{
    QString binary;
    for (int i = 0; i < 4096; ++i)
        binary += QChar(char16_t(i * 7919 % 65536));
    const QString longLine = QStringLiteral("<a href=\"") + QString(1 << 20, u'x');
    const QStringList texts = {
        QString(),
        QStringLiteral("plain text without markup"),
        QStringLiteral("<"),
        QStringLiteral("text <a "),
        QStringLiteral("<a href=\"unbalanced>text</a><img src=\"b.gif\" alt='x>"),
        QStringLiteral("<!-- <a href=x> a comment that never ends"),
        QStringLiteral("url(") + QStringLiteral("<link href=a.css"),
        binary,
        longLine,
        QStringLiteral("<a ").repeated(300000),
        QStringLiteral("<a href=x>").repeated(100000),
        QStringLiteral("<a href=\"").repeated(100000),
        QStringLiteral("<object data=url(").repeated(100000),
    };
    for (const QString &text : texts) {
        QList<LinkItem> first;
        QList<LinkItem> second;
        ScanLinksInText(text, QString(), entries(1, 11), first);
        ScanLinksInText(text, QString(), entries(1, 11), second);
        EXPECT_EQ(first, second);
        (void)StylesheetUrlReferences(text, QString(), QString(), QString());
    }
    QList<LinkItem> items;
    ScanLinksInText(QStringLiteral("<a href=\"unbalanced>text</a><img src=\"b.gif\" alt='x>"), QString(), entries(1, 11), items);
    ASSERT_EQ(items.size(), 2);
    EXPECT_EQ(items.at(0).target, QStringLiteral("unbalanced>")); // the tag ends at its first ">"
    EXPECT_EQ(items.at(1).description, QStringLiteral("'x"));
}

} // namespace
