#include "resources/LibraryIndex.h"
#include "support/LibraryFixture.h"

#include <QRandomGenerator>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

LibraryRecord withHelpKey(LibraryRecord record, qint32 helpKey)
{
    record.HelpKey = helpKey;
    return record;
}

class LibraryIndexTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        writeFile(path(LibraryFiles::HtmlLibrary),
                  recordBytes({
                      withHelpKey(libraryRecord(0, 0, QStringLiteral("HTML")), 1),
                      withHelpKey(libraryRecord(1, 1200, QStringLiteral("<table>"), QStringLiteral("table")), 7),
                      withHelpKey(libraryRecord(101, 1300, QStringLiteral("border=\"\""), QStringLiteral("border"),
                                                QStringLiteral("table"), QStringLiteral("[tal]")),
                                  291),
                      // A second record of the same key: the first one answers.
                      withHelpKey(libraryRecord(101, 1300, QStringLiteral("andet"), QStringLiteral("border"),
                                                QStringLiteral("table"), QStringLiteral("senere")),
                                  291),
                      libraryRecord(2, 1200, QStringLiteral("<a>"), QStringLiteral("a")),
                      libraryRecord(102, 1300, QStringLiteral("href=\"\""), QStringLiteral("href"), QStringLiteral("a"),
                                    QStringLiteral("[url]")),
                      libraryRecord(202, 1300, QStringLiteral("shape=\"\""), QStringLiteral("shape"), QStringLiteral("a"),
                                    QStringLiteral("rect, circle, \"poly gon\"")),
                  }));
        writeFile(path(QStringLiteral("css2bib.dat")),
                  recordBytes({libraryRecord(0, 0, QStringLiteral("CSS")),
                               libraryRecord(1, 2300, QStringLiteral("color"), QStringLiteral("color"), QString(),
                                             QStringLiteral("[farve]")),
                               libraryRecord(2, 2300, QStringLiteral("Color"), QStringLiteral("Color"), QStringLiteral("body"),
                                             QStringLiteral("stort"))}));
    }

    QString path(const QString &name) const { return m_dir.filePath(name); }

    QTemporaryDir m_dir;
};

} // namespace

TEST_F(LibraryIndexTest, FindRecordByIdHelpKeyOrName)
{
    LibraryFiles files(m_dir.path());
    const QString html = path(LibraryFiles::HtmlLibrary);
    EXPECT_EQ(files.FindRecord(102, -1, QString(), html).Code, QStringLiteral("href=\"\""));
    EXPECT_EQ(files.FindRecord(-1, 291, QString(), html).Code, QStringLiteral("border=\"\"")) << "the first record wins";
    EXPECT_EQ(files.FindRecord(-1, -1, QStringLiteral("shape"), html).Id, 202);
    EXPECT_TRUE(files.FindRecord(-1, -1, QStringLiteral("SHAPE"), html).isNone()) << "names are compared exactly";
    // Whichever test a record meets first ends the scan.
    EXPECT_EQ(files.FindRecord(202, -1, QStringLiteral("table"), html).Id, 1);
    EXPECT_EQ(files.FindRecord(202, 7, QString(), html).Id, 1);
    EXPECT_TRUE(files.FindRecord(99, 99, QStringLiteral("ingen"), html).isNone());
    EXPECT_TRUE(files.FindRecord(1, -1, QString(), path(QStringLiteral("mangler.dat"))).isNone());
}

TEST_F(LibraryIndexTest, HelpTextOfAHelpKey)
{
    LibraryFiles files(m_dir.path());
    EXPECT_EQ(files.HelpText(291), QStringLiteral("Om border=\"\" (border=\"\")"));
    EXPECT_EQ(files.HelpText(12345), QStringLiteral("Hjælpetekst ikke fundet."));
    EXPECT_EQ(files.HelpText(291, QStringLiteral("mangler.dat")), QStringLiteral("Hjælpetekst ikke fundet."));
    LibraryFiles nowhere(path(QStringLiteral("tom")));
    EXPECT_EQ(nowhere.HelpText(291), QStringLiteral("Hjælpetekst ikke fundet."));
}

TEST_F(LibraryIndexTest, ValueLookups)
{
    LibraryFiles files(m_dir.path());
    EXPECT_EQ(files.AttributeValues(QStringLiteral("TABLE"), QStringLiteral("Border")), QStringLiteral("[tal]"));
    EXPECT_EQ(files.AttributeValues(QStringLiteral("a"), QStringLiteral("border")), QString());

    const QString css = QStringLiteral("css2bib.dat");
    EXPECT_EQ(files.LookupValues(std::nullopt, QStringLiteral("color"), css), QStringLiteral("[farve]"));
    EXPECT_EQ(files.LookupValues(std::nullopt, QStringLiteral("Color"), css), QStringLiteral("stort"));
    EXPECT_EQ(files.LookupValues(QString(), QStringLiteral("color"), css), QStringLiteral("[farve]"));
    EXPECT_EQ(files.LookupValues(QStringLiteral("body"), QStringLiteral("Color"), css), QStringLiteral("stort"));
    EXPECT_EQ(files.LookupValues(QStringLiteral("BODY"), QStringLiteral("Color"), css), QString());
    EXPECT_EQ(files.LookupValues(std::nullopt, QStringLiteral("color"), QStringLiteral("mangler.dat")), QString());
}

TEST_F(LibraryIndexTest, AFileThatAppearsLaterIsRead)
{
    LibraryFiles files(m_dir.path());
    EXPECT_EQ(files.LookupValues(std::nullopt, QStringLiteral("for"), QStringLiteral("js12bib.dat")), QString());
    writeFile(path(QStringLiteral("js12bib.dat")),
              recordBytes({libraryRecord(1, 3500, QStringLiteral("for"), QStringLiteral("for"), {}, QStringLiteral("(;;)"))}));
    EXPECT_EQ(files.LookupValues(std::nullopt, QStringLiteral("for"), QStringLiteral("js12bib.dat")), QStringLiteral("(;;)"));
}

namespace {

// The lookups as plain scans from the start of the records, to hold the index against.
LibraryRecord scanFind(const QList<LibraryRecord> &records, qint32 id, qint32 helpKey, const QString &name)
{
    for (const LibraryRecord &record : records)
        if ((id >= 0 && record.Id == id) || (helpKey >= 0 && record.HelpKey == helpKey)
            || (!name.isEmpty() && record.Name == name))
            return record;
    return {};
}

QString scanValues(const QList<LibraryRecord> &records, const QString *element, const QString &name, Qt::CaseSensitivity cs)
{
    for (const LibraryRecord &record : records)
        if ((!element || record.Element.compare(*element, cs) == 0) && record.Name.compare(name, cs) == 0)
            return record.Values;
    return {};
}

} // namespace

TEST(LibraryIndex, AnswersAsAScanFromTheStartWould)
{
    // Few distinct keys and mixed case, so that many records share a key.
    QRandomGenerator random(7);
    const QStringList words{"a", "A", "b", "href", "HREF", "src", "æble", "Æble"};
    const auto word = [&] { return words.at(random.bounded(int(words.size()))); };
    QList<LibraryRecord> records;
    for (int i = 0; i < 400; ++i) {
        LibraryRecord record = libraryRecord(random.bounded(60), 1300, QString::number(i), word(), word(), QString::number(i));
        record.HelpKey = random.bounded(60) - 5;
        records.append(record);
    }
    QTemporaryDir dir;
    writeFile(dir.filePath(LibraryFiles::HtmlLibrary), recordBytes(records));
    LibraryFiles files(dir.path());
    const QString path = dir.filePath(LibraryFiles::HtmlLibrary);
    for (int i = 0; i < 2000; ++i) {
        const qint32 id = random.bounded(70) - 5;
        const qint32 helpKey = random.bounded(70) - 5;
        const QString name = random.bounded(3) == 0 ? QString() : word();
        const QString element = word();
        ASSERT_EQ(files.FindRecord(id, helpKey, name, path).Code, scanFind(records, id, helpKey, name).Code)
            << id << " " << helpKey << " " << name.toStdString();
        ASSERT_EQ(files.AttributeValues(element, name), scanValues(records, &element, name, Qt::CaseInsensitive));
        ASSERT_EQ(files.LookupValues(element, name, LibraryFiles::HtmlLibrary),
                  scanValues(records, &element, name, Qt::CaseSensitive));
        ASSERT_EQ(files.LookupValues(std::nullopt, name, LibraryFiles::HtmlLibrary),
                  scanValues(records, nullptr, name, Qt::CaseSensitive));
    }
}
