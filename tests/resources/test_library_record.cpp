#include "resources/LibraryRecord.h"

#include <gtest/gtest.h>

using namespace LibraryRecordFormat;

TEST(LibraryRecord, RoundTripsEveryFieldAsUtf8)
{
    LibraryRecord record;
    record.Id = 30201;
    record.HelpKey = 291;
    record.Kind = 1300;
    record.Element = QStringLiteral("table");
    record.Name = QStringLiteral("æ");
    record.Description = QStringLiteral("Rammens tykkelse i pixels.");
    record.Values = QStringLiteral("[tal]");
    record.Code = QStringLiteral("border=\"\"");
    record.Extra = QStringLiteral("kantfarve");

    const auto bytes = encode(record);
    ASSERT_TRUE(bytes);
    ASSERT_EQ(bytes->size(), RecordSize);
    EXPECT_EQ(quint8(bytes->at(82)), 2) << "the length byte counts UTF-8 bytes";

    const LibraryRecord back = decode(*bytes);
    EXPECT_EQ(back.Id, 30201);
    EXPECT_EQ(back.HelpKey, 291);
    EXPECT_EQ(back.Kind, 1300);
    EXPECT_EQ(back.Element, record.Element);
    EXPECT_EQ(back.Name, record.Name);
    EXPECT_EQ(back.Description, record.Description);
    EXPECT_EQ(back.Values, record.Values);
    EXPECT_EQ(back.Code, record.Code);
    EXPECT_EQ(back.Extra, record.Extra);
}

TEST(LibraryRecord, RefusesATextWiderThanItsFieldInBytes)
{
    LibraryRecord record;
    record.Name = QString(16, QChar(0xE6)); // 16 characters, 32 bytes: one too many
    QString error;
    EXPECT_FALSE(encode(record, &error));
    EXPECT_TRUE(error.startsWith(QStringLiteral("Name"))) << error.toStdString();
    record.Name.chop(1);
    EXPECT_TRUE(encode(record));
}

TEST(LibraryRecord, ALengthByteLargerThanItsFieldStaysInsideTheField)
{
    QByteArray bytes(RecordSize, 'x');
    bytes[82] = char(255); // Name is 31 bytes wide
    const LibraryRecord record = decode(bytes);
    EXPECT_EQ(record.Name.size(), 31);
}

TEST(LibraryRecord, DecodesWholeRecordsAndIgnoresATrailingPart)
{
    LibraryRecord record;
    record.Id = 1;
    QByteArray file = *encode(record) + *encode(record);
    file.append(100, '\0');
    EXPECT_EQ(decodeFile(file).size(), 2);
    EXPECT_TRUE(decodeFile(QByteArray()).isEmpty());
}

TEST(LibraryRecord, PositionCodesAndLevels)
{
    // third child of the second child of the first category
    EXPECT_EQ(positionCode({0, 1, 2}), 30201);
    // a level-3 node under the second level-2 node of the fourth category
    EXPECT_EQ(positionCode({3, 1, 4}), 4 + 200 + 5 * 10000);
    EXPECT_EQ(positionCode({}), 0);
    const struct
    {
        qint32 id;
        int level;
    } cases[] = {{0, 0}, {1, 1}, {99, 1}, {100, 2}, {9999, 2}, {10000, 3}, {30201, 3}};
    for (const auto &c : cases)
        EXPECT_EQ(levelOf(c.id), c.level) << c.id;
}
