#include "resources/CompletionCandidates.h"
#include "support/LibraryFixture.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class CompletionTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        writeFile(m_dir.filePath(LibraryFiles::HtmlLibrary),
                  recordBytes({libraryRecord(101, 1300, QStringLiteral("href=\"\""), QStringLiteral("href"), QStringLiteral("a"),
                                             QStringLiteral("[url], \"#top\", \"a,b\"")),
                               libraryRecord(102, 1300, QStringLiteral("border=\"\""), QStringLiteral("border"),
                                             QStringLiteral("table"), QStringLiteral("0 1 2"))}));
        m_lists.ElementNames = {"a", "table", "!DOCTYPE", "b"};
        m_lists.ElementAttributes = {"href=\"\", Name=\"\"", "border=\"\", width=\"\"", "html", ""};
        m_lists.GlobalAttributeMap = {"id=!DOCTYPE", "class=!DOCTYPE,b", "Dir=!DOCTYPE"};
        m_lists.EventGroups = {"1701=onclick, ondblclick", "1703=onfocus"};
        m_lists.EventMap = {"1701=a,table,b", "1703=a"};
    }

    CompletionList complete(QChar trigger, const QString &lineUpToCaret, const QString &rest = QString())
    {
        return CompletionCandidates(trigger, lineUpToCaret + rest, int(lineUpToCaret.size()), m_lists, m_files);
    }

    QTemporaryDir m_dir;
    LibraryLists m_lists;
    LibraryFiles m_files{m_dir.path()};
};

} // namespace

TEST_F(CompletionTest, ALessThanSignOffersTheElements)
{
    const CompletionList list = complete(QLatin1Char('<'), QStringLiteral("tekst <"));
    EXPECT_EQ(list.items, m_lists.ElementNames);
    EXPECT_EQ(list.kind, 81);
    EXPECT_TRUE(list.any);
}

TEST_F(CompletionTest, EqualsOrQuoteAfterAnAttributeOffersItsValues)
{
    const QStringList hrefValues{"[url]", "#top", "a,b"};
    for (const auto &[trigger, typed] :
         {std::pair{'=', "<p>Se <a href="}, std::pair{'"', "<p>Se <a href=\""}, std::pair{'=', "<A target=x href="}}) {
        const CompletionList list = complete(QLatin1Char(trigger), QString::fromUtf8(typed), QStringLiteral("\">"));
        EXPECT_EQ(list.items, hrefValues) << typed;
        EXPECT_EQ(list.kind, -1);
        EXPECT_TRUE(list.any);
    }
    EXPECT_EQ(complete(QLatin1Char('='), QStringLiteral("<table border=")).items, QStringList({"0", "1", "2"}));
    const CompletionList none = complete(QLatin1Char('='), QStringLiteral("<a title="));
    EXPECT_TRUE(none.items.isEmpty());
    EXPECT_FALSE(none.any);
    EXPECT_EQ(none.kind, -1);
}

TEST_F(CompletionTest, ABlankOffersTheElementsAttributesGlobalsAndEvents)
{
    const CompletionList table = complete(QLatin1Char(' '), QStringLiteral("<TABLE "));
    EXPECT_EQ(table.items,
              QStringList({"border=\"\"", "class=\"\"", "Dir=\"\"", "id=\"\"", "width=\"\"", "onclick=\"\"", "ondblclick=\"\""}))
        << "own and global attributes sorted ignoring case, then the events of the kinds the element takes";
    EXPECT_EQ(table.kind, 82);

    EXPECT_EQ(complete(QLatin1Char(' '), QStringLiteral("<p><b class=\"x\" ")).items,
              QStringList({"Dir=\"\"", "id=\"\"", "onclick=\"\"", "ondblclick=\"\""}))
        << "the last tag on the line counts, and class is not for b";
    EXPECT_EQ(complete(QLatin1Char(' '), QStringLiteral("<!DOCTYPE ")).items, QStringList({"html"}))
        << "the document type keeps its upper case";
}

TEST_F(CompletionTest, NothingOutsideAKnownOpenTag)
{
    const struct
    {
        char trigger;
        const char *beforeCaret;
        const char *afterCaret;
    } cases[] = {
        {' ', "ingen tag ", ""},     {' ', "tekst ", "<a href=\"x\">"}, // the first "<" lies after the caret
        {'=', "tekst ", "<a href="}, {' ', "<a href=\"x\">link ", ""}, // the tag is closed
        {' ', "<!doctype ", ""}, // not the known upper-case name
        {' ', "<ukendt ", ""},       {' ', "<", ""},
    };
    for (const auto &c : cases) {
        const CompletionList list = complete(QLatin1Char(c.trigger), QString::fromUtf8(c.beforeCaret),
                                             QString::fromUtf8(c.afterCaret));
        EXPECT_TRUE(list.items.isEmpty()) << c.beforeCaret << "|" << c.afterCaret;
        EXPECT_FALSE(list.any);
    }
}
