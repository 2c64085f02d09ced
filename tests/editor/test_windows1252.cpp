// Windows-1252 to and from UTF-8 without the text in between: the same
// characters as the system's codec, every byte kept on the way back.
#include "editor/Windows1252.h"

#include <QList>
#include <QRandomGenerator>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QStringList>

#include <gtest/gtest.h>

namespace {

TEST(Windows1252, ReadsEveryByteAsTheCodecDoesAndWritesItBack)
{
    QByteArray everyByte;
    for (int byte = 0; byte < 256; ++byte)
        everyByte += char(byte);
    QRandomGenerator random(5);
    QList<QByteArray> texts = {QByteArray(), everyByte,
                               "<p>Bl\xe5"
                               "b\xe6"
                               "rgr\xf8"
                               "d \x80 \x81\x8d\x8f\x90\x9d\x9f</p>\r\n"};
    for (int round = 0; round < 50; ++round) {
        QByteArray text;
        for (int k = int(random.bounded(300)); k > 0; --k)
            text += random.bounded(4) ? char(random.bounded(0x80)) : char(random.bounded(256));
        texts.append(text);
    }
    for (const QByteArray &bytes : texts) {
        QStringDecoder codec("windows-1252");
        const QByteArray utf8 = Windows1252::toUtf8(bytes);
        EXPECT_EQ(utf8, QString(codec.decode(bytes)).toUtf8()) << bytes.toHex().toStdString();
        EXPECT_EQ(Windows1252::fromUtf8(utf8), bytes) << bytes.toHex().toStdString();
    }
}

TEST(Windows1252, WritesWhatTheCodecWritesAndNothingWhereItFails)
{
    const QStringList pieces = {QStringLiteral("<p>"),
                                QStringLiteral("æøå ÆØÅ"),
                                QStringLiteral("€‰Ÿž"),
                                QString(QChar(0x81)),
                                QStringLiteral("\u00a0\u00ff"),
                                QStringLiteral("ł"),
                                QStringLiteral("日本"),
                                QStringLiteral("😀"),
                                QString(QChar::ReplacementCharacter)};
    QRandomGenerator random(11);
    for (int round = 0; round < 300; ++round) {
        QString text;
        for (int k = int(random.bounded(6)); k > 0; --k)
            text += pieces[int(random.bounded(pieces.size()))];
        QStringEncoder codec("windows-1252", QStringConverter::Flag::Stateless);
        const QByteArray expected = codec.encode(text);
        const std::optional<QByteArray> encoded = Windows1252::fromUtf8(text.toUtf8());
        if (codec.hasError())
            EXPECT_EQ(encoded, std::nullopt) << text.toStdString();
        else
            EXPECT_EQ(encoded, expected) << text.toStdString();
    }
    // Bytes that are no UTF-8: a lone continuation byte, a cut character, a
    // character written longer than it need be, and a surrogate.
    for (const QByteArray &broken : {QByteArray("a\x80"), QByteArray("a\xc3"), QByteArray("\xe0\x82\xac"),
                                     QByteArray("\xed\xa0\x80"), QByteArray("\xc0\xa0")})
        EXPECT_EQ(Windows1252::fromUtf8(broken), std::nullopt) << broken.toHex().toStdString();
}

} // namespace
