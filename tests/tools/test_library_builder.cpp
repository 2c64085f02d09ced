#include "LibraryBuild.h"

#include "resources/DialogHelpKeys.h"
#include "resources/LibraryIndex.h"
#include "resources/LibraryRecord.h"
#include "resources/LibraryTree.h"

#include <QDir>
#include <QFile>
#include <QMap>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using Sources = QMap<QString, QString>; // file in the source folder -> its text

// A small but complete source folder: every kind of line once, a few facts that do not ship.
Sources fixture()
{
    return {
        {"facts/html-elements.tsv",
         "element\tvoid\tlegacy\tcheck\n!DOCTYPE\t1\t0\t0\n!--\t1\t0\t0\ntable\t0\t0\t1\n"
         "br\t1\t0\t0\np\t0\t0\t0\n"},
        {"facts/html-attributes.tsv",
         "element\tattribute\tvalues\tlegacy\n!DOCTYPE\thtml\thtml\t0\n!DOCTYPE\tPUBLIC\t[tekst]\t0\n"
         "table\tborder\t[heltal]\t1\ntable\tcompact\tcompact\t1\np\talign\tleft,right\t1\n"},
        {"facts/html-global-attributes.tsv", "attribute\tvalues\texcept\nclass\t[navn]\t!DOCTYPE,!--,p,br\n"},
        {"facts/html-events.tsv", "event\tkind\telements\nonclick\t1701\t*\nonload\t1705\tp,table\n"},
        {"facts/css-properties.tsv", QStringLiteral("property\tvalues\ncolor\t[farve], inherit\nmargin\t[længde]\n")},
        {"facts/css-pseudo-classes.tsv", "name\n:hover\n:first-child\n"},
        {"facts/css-pseudo-elements.tsv", "name\n::before\n"},
        {"facts/js-members.tsv",
         "object\tmember\tkind\nWindow\talert\tmethod\nWindow\tinnerWidth\tproperty\nWindow\tonload\tevent\n"},
        {"facts/js-keywords.tsv", "keyword\nfor\nwhile\n"},
        {"facts/entities.tsv",
         "name\tcodepoints\thtml4\tlegacy\nquot\t0022\t1\t1\namp\t0026\t1\t1\nAMP\t0026\t0\t1\n"
         "apos\t0027\t0\t0\nsemi\t003B\t0\t0\nlt\t003C\t1\t1\ngt\t003E\t1\t1\nnbsp\t00A0\t1\t1\n"
         "NonBreakingSpace\t00A0\t0\t0\nCOPY\t00A9\t0\t1\ncopy\t00A9\t1\t1\nshy\t00AD\t1\t1\n"
         "aelig\t00E6\t1\t1\nconint\t222E\t0\t0\noint\t222E\t0\t0\nEqualTilde\t2242\t0\t0\n"
         "NotEqualTilde\t2242 0338\t0\t0\n"},
        {"html.da.tsv",
         QStringLiteral("# kommentar\n!\tRoden\n[Struktur]\tKategorien\n!DOCTYPE\tErklæringen\n!DOCTYPE/html\tOrdet html\n"
                        "!DOCTYPE/PUBLIC\tOrdet PUBLIC\n!--\tKommentar\ntable\tTabel\ntable/border\tKant\n"
                        "table/compact\tTæt\n\nbr\tLinjeskift\n[Fælles]\tSidste kategori\n"
                        "{*}\tGlobale attributter\tGruppen\n*/class\tKlasse\n{1701}\tMusehændelser\tMus\n*/onclick\tKlik\n"
                        "{1705}\tVindueshændelser\tVindue\n*/onload\tIndlæst\n")},
        {"css.da.tsv", "!\tCSS-roden\n[Farver]\tFarver\ncolor\ttekstfarve\tTekstens farve\n"},
        {"js.da.tsv",
         QStringLiteral("!\tJS-roden\n[window]\tVinduet\nWindow.alert\tViser en besked\t(tekst)\n"
                        "Window.onload\tNår siden er indlæst\n[Nøgleord]\tOrd\nkeyword:for\tLøkke\tfor (;;) {}\n")},
        {"entities.da.tsv",
         QStringLiteral("\"\tAnførselstegn\n&\tOg-tegn\n'\tApostrof\n;\tSemikolon\n<\tMindre end\n>\tStørre end\n"
                        "U+00A0\tHårdt mellemrum\n©\tCopyright\n\u00AD\tBlød bindestreg\næ\tLille æ\n∮\tKurveintegral\n"
                        "≂\tMinus over tilde\n≂̸\tIkke minus over tilde\n")},
        {"helpkeys.tsv", QStringLiteral("291\ttable/border\n370\t*/class\n248\t?hændelser\n")},
        {"dialoghelp.da.tsv", QStringLiteral("!\tDialoghjælp\tMappen\n?hændelser\tHændelser\tScripts til hændelser\n")},
        {"html-versions.txt", "-//W3C//DTD HTML 4.01//EN\n\n-//W3C//DTD XHTML 1.0 Strict//EN\n"},
    };
}

const QList<int> FixtureHelpKeys = {291, 370, 248};

class LibraryBuilder : public ::testing::Test
{
protected:
    QStringList build(const Sources &sources, const QList<int> &keys = FixtureHelpKeys)
    {
        const QString source = m_dir.filePath("source");
        QDir(source).removeRecursively();
        QDir(output()).removeRecursively();
        for (auto it = sources.cbegin(); it != sources.cend(); ++it) {
            const QString path = QDir(source).filePath(it.key());
            QDir().mkpath(QFileInfo(path).path());
            QFile file(path);
            EXPECT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(it->toUtf8());
        }
        return LibraryBuild::run(source, output(), keys);
    }

    QString output() const { return m_dir.filePath("out"); }

    QByteArray outputFile(const QString &name) const
    {
        QFile file(QDir(output()).filePath(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QList<LibraryRecord> records(const QString &name) const { return LibraryRecordFormat::decodeFile(outputFile(name)); }

    QTemporaryDir m_dir;
};

struct Expected
{
    qint32 id;
    qint32 helpKey;
    qint32 kind;
    QString element, name, code, values, description;
};

void expectRecords(const QList<LibraryRecord> &actual, const QList<Expected> &expected)
{
    ASSERT_EQ(actual.size(), expected.size());
    for (int i = 0; i < actual.size(); ++i) {
        SCOPED_TRACE(QStringLiteral("record %1 (%2)").arg(i).arg(expected[i].code).toStdString());
        EXPECT_EQ(actual[i].Id, expected[i].id);
        EXPECT_EQ(actual[i].HelpKey, expected[i].helpKey);
        EXPECT_EQ(actual[i].Kind, expected[i].kind);
        EXPECT_EQ(actual[i].Element, expected[i].element);
        EXPECT_EQ(actual[i].Name, expected[i].name);
        EXPECT_EQ(actual[i].Code, expected[i].code);
        EXPECT_EQ(actual[i].Values, expected[i].values);
        EXPECT_EQ(actual[i].Description, expected[i].description);
    }
}

TEST_F(LibraryBuilder, HtmlTreeInPreOrderWithPositionCodesKindsCodesAndHelpKeys)
{
    ASSERT_EQ(build(fixture()), QStringList());
    const QString q = QStringLiteral("\"\"");
    expectRecords(records("html4bib.dat"),
                  {
                      {0, -1, 0, "", "HTML", "HTML", "", "Roden"},
                      {1, -1, 1000, "", "Struktur", "Struktur", "", "Kategorien"},
                      {101, -1, 1200, "", "!DOCTYPE", "<!DOCTYPE>", "", QStringLiteral("Erklæringen")},
                      {10101, -1, 1300, "!DOCTYPE", "html", "html", "html", "Ordet html"},
                      {20101, -1, 1300, "!DOCTYPE", "PUBLIC", "PUBLIC", "[tekst]", "Ordet PUBLIC"},
                      {201, -1, 1200, "", "!--", "<!--   -->", "", "Kommentar"},
                      {301, -1, 1250, "", "table", "<table></table>", "", "Tabel"},
                      {10301, 291, 1300, "table", "border", "border=" + q, "[heltal]", "Kant"},
                      {20301, -1, 1300, "table", "compact", "compact", "compact", QStringLiteral("Tæt")},
                      {401, -1, 1200, "", "br", "<br>", "", "Linjeskift"},
                      {2, -1, 1000, "", QStringLiteral("Fælles"), QStringLiteral("Fælles"), "", "Sidste kategori"},
                      {102, -1, 1000, "", "Globale attributter", "Globale attributter", "", "Gruppen"},
                      {10102, 370, 1400, "", "class", "class=" + q, "[navn]", "Klasse"},
                      {202, -1, 1000, "", QStringLiteral("Musehændelser"), QStringLiteral("Musehændelser"), "", "Mus"},
                      {10202, -1, 1701, "", "onclick", "onclick=" + q, "[script]", "Klik"},
                      {302, -1, 1000, "", QStringLiteral("Vindueshændelser"), QStringLiteral("Vindueshændelser"), "", "Vindue"},
                      {10302, -1, 1705, "", "onload", "onload=" + q, "[script]", QStringLiteral("Indlæst")},
                      {402, -1, 1000, "", QStringLiteral("Dialoghjælp"), QStringLiteral("Dialoghjælp"), "", "Mappen"},
                      {10402, 248, 1900, "", QStringLiteral("Hændelser"), QStringLiteral("Hændelser"), "",
                       QStringLiteral("Scripts til hændelser")},
                  });
}

TEST_F(LibraryBuilder, StyleAndScriptTrees)
{
    ASSERT_EQ(build(fixture()), QStringList());
    const QList<LibraryRecord> css = records("css2bib.dat");
    expectRecords(css,
                  {
                      {0, -1, 0, "", "CSS", "CSS", "", "CSS-roden"},
                      {1, -1, 2000, "", "Farver", "Farver", "", "Farver"},
                      {101, -1, 2300, "", "color", "color", "[farve], inherit", "Tekstens farve"},
                  });
    EXPECT_EQ(css[2].Extra, "tekstfarve");
    expectRecords(records("js12bib.dat"),
                  {
                      {0, -1, 0, "", "JavaScript", "JavaScript", "", "JS-roden"},
                      {1, -1, 3000, "", "window", "window", "", "Vinduet"},
                      {101, -1, 3100, "Window", "alert", "alert", "(tekst)", "Viser en besked"},
                      {201, -1, 3400, "Window", "onload", "onload", "", QStringLiteral("Når siden er indlæst")},
                      {2, -1, 3000, "", QStringLiteral("Nøgleord"), QStringLiteral("Nøgleord"), "", "Ord"},
                      {102, -1, 3500, "", "for", "for", "for (;;) {}", QStringLiteral("Løkke")},
                  });
}

TEST_F(LibraryBuilder, SpecialCharactersKeepTheSevenFirstThenEveryOtherName)
{
    ASSERT_EQ(build(fixture()), QStringList());
    const QString nbsp(QChar(0xA0));
    const QString shy(QChar(0xAD));
    expectRecords(records("specialtegn.dat"),
                  {
                      {0, -1, 0, "", "&", "&#38;", "&amp;", "Og-tegn"},
                      {0, -1, 0, "", "<", "&#60;", "&lt;", "Mindre end"},
                      {0, -1, 0, "", ">", "&#62;", "&gt;", QStringLiteral("Større end")},
                      {0, -1, 0, "", "\"", "&#34;", "&quot;", QStringLiteral("Anførselstegn")},
                      {0, -1, 0, "", "'", "&#39;", "&apos;", "Apostrof"},
                      {0, -1, 0, "", nbsp, "&#160;", "&nbsp;", QStringLiteral("Hårdt mellemrum")},
                      {0, -1, 0, "", shy, "&#173;", "&shy;", QStringLiteral("Blød bindestreg")},
                      {0, -1, 0, "", "&", "&#38;", "&AMP;", "Og-tegn"},
                      {0, -1, 0, "", ";", "&#59;", "&semi;", "Semikolon"},
                      {0, -1, 0, "", nbsp, "&#160;", "&NonBreakingSpace;", QStringLiteral("Hårdt mellemrum")},
                      {0, -1, 0, "", QStringLiteral("©"), "&#169;", "&copy;", "Copyright"},
                      {0, -1, 0, "", QStringLiteral("©"), "&#169;", "&COPY;", "Copyright"},
                      {0, -1, 0, "", QStringLiteral("æ"), "&#230;", "&aelig;", QStringLiteral("Lille æ")},
                      {0, -1, 0, "", QStringLiteral("∮"), "&#8750;", "&oint;", "Kurveintegral"},
                      {0, -1, 0, "", QStringLiteral("∮"), "&#8750;", "&conint;", "Kurveintegral"},
                      {0, -1, 0, "", QStringLiteral("≂̸"), "&#8770;&#824;", "&NotEqualTilde;", "Ikke minus over tilde"},
                      {0, -1, 0, "", QStringLiteral("≂"), "&#8770;", "&EqualTilde;", "Minus over tilde"},
                  });
}

TEST_F(LibraryBuilder, TextMapsAndLists)
{
    ASSERT_EQ(build(fixture()), QStringList());
    // "*" is every shipped element but the declaration and the comment; p does not ship.
    EXPECT_EQ(outputFile("eventmap.dat"), "1701=table, br\n1705=table\n");
    EXPECT_EQ(outputFile("globalmap.dat"), "class=!DOCTYPE, !--, br\n");
    EXPECT_EQ(outputFile("htmlversioner.txt"), "-//W3C//DTD HTML 4.01//EN\n-//W3C//DTD XHTML 1.0 Strict//EN\n");
    EXPECT_EQ(outputFile("pseudoklasser.dat"), ":hover\n:first-child\n");
    EXPECT_EQ(outputFile("pseudoelementer.dat"), "::before\n");
}

struct BrokenSource
{
    const char *what;
    const char *file;
    const char *replace; // replaced text, or "" to append `with`
    const char *with;
    const char *message;
};

const BrokenSource BrokenSources[] = {
    {"shipped element without description", "html.da.tsv", "br\tLinjeskift", "br", "html.da.tsv:12: br: has no description"},
    {"description of an element the facts lack", "html.da.tsv", "", "video\tVideo\n",
     "html.da.tsv:20: video: is not an element of the facts"},
    {"description of an attribute the facts lack", "html.da.tsv", "table/compact\tTæt", "table/width\tBredde",
     "html.da.tsv:10: table/width: is not an attribute of the facts"},
    {"attribute of a shipped element without a line", "html.da.tsv", "table/compact\tTæt\n", "",
     "facts/html-attributes.tsv:5: table/compact: ships with its element but has no line in html.da.tsv"},
    {"attribute away from its element", "html.da.tsv", "table/compact\tTæt\n\nbr\tLinjeskift\n",
     "\nbr\tLinjeskift\ntable/compact\tTæt\n", "html.da.tsv:12: table/compact: does not follow its element's line"},
    {"event without a line", "html.da.tsv", "*/onload\tIndlæst\n", "",
     "facts/html-events.tsv:3: onload: has no line in html.da.tsv"},
    {"event under another kind's group", "html.da.tsv", "{1705}\tVindueshændelser\tVindue\n", "",
     "html.da.tsv:18: */onload: is an event of kind 1705 outside its {1705} folder"},
    {"a key twice", "html.da.tsv", "", "table\tTabel igen\n", "html.da.tsv:20: table: stands twice (first on line 8)"},
    {"a Danish name wider than its field", "css.da.tsv", "tekstfarve", "tekstfarve og baggrundsfarve ensæ",
     "css.da.tsv:3: color: Extra is 34 bytes, the field holds 33"},
    {"a level jump", "js.da.tsv", "[window]\tVinduet\n", "",
     "js.da.tsv:2: Window.alert: skips a tree level (level 2 after level 0)"},
    {"member the facts lack", "js.da.tsv", "", "Window.blink\tBlinker\n",
     "js.da.tsv:7: Window.blink: is not a member of the facts"},
    {"character without description", "entities.da.tsv", "æ\tLille æ\n", "",
     "facts/entities.tsv:14: aelig: its character has no line in entities.da.tsv"},
    {"description of a character the facts lack", "entities.da.tsv", "", "ø\tLille ø\n",
     "entities.da.tsv:14: ø: is no character of the facts"},
    {"help key whose entry has no record", "helpkeys.tsv", "291\ttable/border", "291\ttable/width",
     "helpkeys.tsv:1: 291: its entry table/width has no record in the HTML library"},
    {"help key a dialog uses without a line", "helpkeys.tsv", "248\t?hændelser\n", "",
     "helpkeys.tsv: 248: a dialog uses this help key, but it has no line"},
    {"help key twice", "helpkeys.tsv", "", "291\tbr\n", "helpkeys.tsv:4: 291: stands twice (first on line 1)"},
    {"help key no dialog uses", "helpkeys.tsv", "", "5\tbr\n", "helpkeys.tsv:4: 5: is used by no dialog"},
    {"one entry given two keys", "helpkeys.tsv", "", "5\ttable/border\n",
     "helpkeys.tsv:4: 5: table/border already carries help key 291"},
};

TEST_F(LibraryBuilder, EveryBrokenSourceFailsNamingTheEntryAndTheFileAndWritesNothing)
{
    for (const BrokenSource &broken : BrokenSources) {
        SCOPED_TRACE(broken.what);
        Sources sources = fixture();
        QString &text = sources[broken.file];
        if (*broken.replace) {
            ASSERT_TRUE(text.contains(QString::fromUtf8(broken.replace)));
            text.replace(QString::fromUtf8(broken.replace), QString::fromUtf8(broken.with));
        } else {
            text += QString::fromUtf8(broken.with);
        }
        const QStringList problems = build(sources);
        EXPECT_TRUE(problems.contains(QString::fromUtf8(broken.message))) << problems.join('\n').toStdString();
        EXPECT_FALSE(QDir(output()).exists());
    }
}

TEST_F(LibraryBuilder, MoreThan99ChildrenUnderANodeFail)
{
    Sources sources = fixture();
    for (int i = 0; i < 100; ++i) {
        sources["facts/css-properties.tsv"] += QStringLiteral("p%1\t[tal]\n").arg(i);
        sources["css.da.tsv"] += QStringLiteral("p%1\tnavn\tEgenskab\n").arg(i);
    }
    // color and p0 .. p97 fill the category; p98 is its hundredth child.
    EXPECT_EQ(build(sources), QStringList{"css.da.tsv:102: p98: is child number 100 of its parent; a node holds at most 99"});
}

// The files the build wrote from the real sources.
TEST(ShippedLibraries, LoadAsTreesWithoutErrorAndAnswerEveryDialogHelpKey)
{
    const QString folder = QStringLiteral(PAGEWICK_DATA_DIR);
    for (const char *name : {"html4bib.dat", "css2bib.dat", "js12bib.dat"}) {
        SCOPED_TRACE(name);
        LibraryLists lists;
        const auto tree = LoadLibraryTree(QDir(folder).filePath(QString::fromLatin1(name)), lists, {});
        ASSERT_TRUE(tree);
        EXPECT_EQ(tree->error, QString());
        EXPECT_GT(tree->nodes.size(), 100);
    }
    LibraryFiles files(folder);
    for (const int key : DialogHelpKeys::All)
        EXPECT_NE(files.HelpText(key), QStringLiteral("Hjælpetekst ikke fundet.")) << key;
}

} // namespace
