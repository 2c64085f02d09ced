// Search and replace across real files in a temporary folder: encodings,
// line breaks, backups, skipped files and the order of the results.
#include "editor/TextBuffer.h"
#include "search/FileReplace.h"
#include "search/FileSearch.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class FileReplaceTest : public ::testing::Test
{
protected:
    QString path(const QString &name) const { return m_dir.filePath(name); }

    void writeFile(const QString &name, const QByteArray &bytes) const
    {
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QByteArray readFile(const QString &name) const
    {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    ReplaceReport replace(const QStringList &names, const QString &find, const QString &with, bool backup = false,
                          bool matchCase = true) const
    {
        SearchQuery query;
        query.text = find;
        query.matchCase = matchCase;
        QStringList paths;
        for (const QString &name : names)
            paths.append(path(name));
        return replaceInFiles(paths, query, with, backup);
    }

    QTemporaryDir m_dir;
};

TEST_F(FileReplaceTest, KeepsEachFilesEncodingLineBreaksAndLastLineBreak)
{
    struct Case
    {
        const char *name;
        QByteArray before;
        QByteArray after;
    };
    const QList<Case> cases = {
        {"utf8 lf", "bl\xC3\xA5 hans\nhans\n", "bl\xC3\xA5 Jens\nJens\n"},
        {"utf8 crlf no final break", "hans\r\nHANS", "Jens\r\nJens"},
        {"utf8 with bom", "\xEF\xBB\xBFhans\r", "\xEF\xBB\xBFJens\r"},
        {"windows-1252", "bl\xE5 hans\r\n\x81", "bl\xE5 Jens\r\n\x81"},
    };
    QStringList names;
    for (const Case &test : cases) {
        names.append(QString::fromLatin1(test.name));
        writeFile(names.last(), test.before);
    }
    const ReplaceReport report = replace(names, QStringLiteral("hans"), QStringLiteral("Jens"), false, false);
    EXPECT_EQ(report.skipped(), 0);
    for (const Case &test : cases)
        EXPECT_EQ(readFile(QString::fromLatin1(test.name)), test.after) << test.name;
    EXPECT_EQ(report.replaced(), 6);
}

TEST_F(FileReplaceTest, AFindTextOfSeveralLinesMatchesAcrossEachFilesOwnLineBreaks)
{
    writeFile(QStringLiteral("crlf.htm"), "<p>\r\nen\r\nto</p>\r\n");
    writeFile(QStringLiteral("lf.htm"), "<p>\nen\nto</p>");
    SearchQuery query;
    query.text = QStringLiteral("en\nto");
    QList<int> lines;
    SearchRun run;
    run.found = [&](const SourceMatches &source) {
        for (const SearchMatch &match : source.matches)
            lines.append(match.line);
    };
    searchSources({SearchSource::file(path(QStringLiteral("crlf.htm"))), SearchSource::file(path(QStringLiteral("lf.htm")))},
                  query, run);
    EXPECT_EQ(lines, QList<int>({2, 2}));
    const ReplaceReport report = replace({QStringLiteral("crlf.htm"), QStringLiteral("lf.htm")}, QStringLiteral("en\r\nto"),
                                         QStringLiteral("et\nto\ntre"));
    EXPECT_EQ(report.replaced(), 2);
    EXPECT_EQ(readFile(QStringLiteral("crlf.htm")), QByteArray("<p>\r\net\r\nto\r\ntre</p>\r\n"));
    EXPECT_EQ(readFile(QStringLiteral("lf.htm")), QByteArray("<p>\net\nto\ntre</p>"));
}

TEST_F(FileReplaceTest, AWindows1252FileIsNotTurnedIntoAnotherEncoding)
{
    writeFile(QStringLiteral("side.htm"), "bl\xE5 hans\n");
    const ReplaceReport report = replace({QStringLiteral("side.htm")}, QStringLiteral("hans"), QStringLiteral("\u20AC\u2603"));
    ASSERT_EQ(report.files.size(), 1);
    EXPECT_FALSE(report.files.first().problem.isEmpty());
    EXPECT_EQ(readFile(QStringLiteral("side.htm")), QByteArray("bl\xE5 hans\n"));
}

TEST_F(FileReplaceTest, BackupsHaveOneNamePerFileAndNoneForTemporaryCopies)
{
    writeFile(QStringLiteral("index.htm"), "hans htm");
    writeFile(QStringLiteral("index.html"), "hans html");
    writeFile(QStringLiteral("~index.htm"), "hans tilde");
    writeFile(QStringLiteral("uden.htm"), "ingen");
    replace({QStringLiteral("index.htm"), QStringLiteral("index.html"), QStringLiteral("~index.htm"), QStringLiteral("uden.htm")},
            QStringLiteral("hans"), QStringLiteral("X"), true);
    EXPECT_EQ(readFile(QStringLiteral("index.htm.BAK")), QByteArray("hans htm"));
    EXPECT_EQ(readFile(QStringLiteral("index.html.BAK")), QByteArray("hans html"));
    EXPECT_EQ(readFile(QStringLiteral("~index.htm")), QByteArray("X tilde"));
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("~index.htm.BAK"))));
    // A file without the text is not written, so it needs no copy.
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("uden.htm.BAK"))));
}

TEST_F(FileReplaceTest, SkipsFilesThatCannotBeReadOrWrittenAndGoesOn)
{
    writeFile(QStringLiteral("a.htm"), "hans");
    writeFile(QStringLiteral("laast.htm"), "hans");
    QFile::setPermissions(path(QStringLiteral("laast.htm")), QFile::ReadOwner);
    QDir(m_dir.path()).mkdir(QStringLiteral("mappe"));
    writeFile(QStringLiteral("b.htm"), "hans hans");
    const ReplaceReport report = replace({QStringLiteral("a.htm"), QStringLiteral("mangler.htm"), QStringLiteral("laast.htm"),
                                          QStringLiteral("mappe"), QStringLiteral("b.htm")},
                                         QStringLiteral("hans"), QStringLiteral("X"), true);
    ASSERT_EQ(report.files.size(), 5);
    EXPECT_EQ(report.files[1].problem, QStringLiteral("Filen findes ikke."));
    EXPECT_EQ(report.files[2].problem, QStringLiteral("Filen er skrivebeskyttet."));
    EXPECT_FALSE(report.files[3].problem.isEmpty());
    EXPECT_EQ(report.skipped(), 3);
    EXPECT_EQ(report.replaced(), 3);
    EXPECT_EQ(readFile(QStringLiteral("laast.htm")), QByteArray("hans"));
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("laast.htm.BAK"))));
    EXPECT_EQ(readFile(QStringLiteral("b.htm")), QByteArray("X X"));
}

TEST_F(FileReplaceTest, NamesDifferingInCaseAreTwoFilesAndOneFileNamedTwiceIsDoneOnce)
{
    writeFile(QStringLiteral("side.htm"), "a");
    writeFile(QStringLiteral("SIDE.htm"), "a");
    const ReplaceReport report = replace({QStringLiteral("side.htm"), QStringLiteral("SIDE.htm"), QStringLiteral("./side.htm")},
                                         QStringLiteral("a"), QStringLiteral("aa"));
    EXPECT_EQ(report.files.size(), 2);
    EXPECT_EQ(readFile(QStringLiteral("side.htm")), QByteArray("aa"));
    EXPECT_EQ(readFile(QStringLiteral("SIDE.htm")), QByteArray("aa"));
}

TEST_F(FileReplaceTest, SearchReportsFilesAndDocumentsInTheirOrderAndStopsOnRequest)
{
    writeFile(QStringLiteral("side.htm"), "en\r\nto kat\r\n");
    writeFile(QStringLiteral("SIDE.htm"), "kat");
    TextBuffer document(QStringLiteral("ingen\nkat og KAT"));
    QList<SearchSource> sources = {
        SearchSource::file(path(QStringLiteral("side.htm"))), SearchSource::file(path(QStringLiteral("mangler.htm"))),
        SearchSource::document(QStringLiteral("Uden navn 1"), document), SearchSource::file(path(QStringLiteral("SIDE.htm")))};
    SearchQuery query;
    query.text = QStringLiteral("kat");
    query.matchCase = true;
    QList<SourceMatches> found;
    QList<int> progress;
    SearchRun run;
    run.found = [&](const SourceMatches &source) { found.append(source); };
    run.progress = [&](int done, int total) {
        EXPECT_EQ(total, 4);
        progress.append(done);
    };
    EXPECT_TRUE(searchSources(sources, query, run));
    ASSERT_EQ(found.size(), 4);
    EXPECT_EQ(found[0].matches.size(), 1);
    EXPECT_EQ(found[0].matches[0].line, 2);
    EXPECT_EQ(found[0].matches[0].lineText, QStringLiteral("to kat"));
    EXPECT_EQ(found[1].problem, QStringLiteral("Filen findes ikke."));
    EXPECT_EQ(found[2].name, QStringLiteral("Uden navn 1"));
    EXPECT_EQ(found[2].matches.size(), 1);
    EXPECT_EQ(found[3].name, path(QStringLiteral("SIDE.htm")));
    EXPECT_EQ(progress, QList<int>({1, 2, 3, 4}));

    std::atomic_bool stop = false;
    found.clear();
    run.stop = &stop;
    run.found = [&](const SourceMatches &source) {
        found.append(source);
        stop = true;
    };
    EXPECT_FALSE(searchSources(sources, query, run));
    EXPECT_EQ(found.size(), 1);
}

} // namespace
