#include "app/SingleInstance.h"

#include <QLocalSocket>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <gtest/gtest.h>

#include <future>

namespace {

TEST(FileListMessage, PathsTravelInOrderAndUnchanged)
{
    const QStringList paths = {QStringLiteral("/home/u/a side.htm"), QStringLiteral("/tmp/æøå/b.html"),
                               QStringLiteral("/x/😀.css"), QStringLiteral("/q/what?.html"), QStringLiteral("/q/50%3F.htm")};
    const QString text = FileListMessage::textFor(paths);
    EXPECT_TRUE(text.startsWith(QStringLiteral("/home/u/a side.htm?/tmp/æøå/b.html?")));
    const auto decoded = FileListMessage::decode(FileListMessage::encode(text));
    ASSERT_TRUE(decoded.has_value());
    EXPECT_EQ(FileListMessage::paths(*decoded), paths);
    EXPECT_EQ(FileListMessage::decode(FileListMessage::encode(QString())), QString());
    EXPECT_TRUE(FileListMessage::paths(QStringLiteral("??")).isEmpty());
}

TEST(FileListMessage, MalformedBytesAreRefused)
{
    const QList<QByteArray> malformed = {
        QByteArray(), // nothing at all
        QByteArray("/a.htm?"), // no closing zero
        QByteArray("/a.htm?\0/b.htm?\0", 16), // more after the zero
        QByteArray("/\xff\xfe.htm?\0", 9), // not UTF-8
    };
    for (const QByteArray &bytes : malformed)
        EXPECT_FALSE(FileListMessage::decode(bytes).has_value()) << bytes.toHex().toStdString();
}

class SingleInstanceTest : public ::testing::Test
{
protected:
    QString settingsPath() const { return m_dir.filePath(QStringLiteral("Pagewick.ini")); }

    // Claims from another thread while this one serves the running instance.
    SingleInstance::Role claimElsewhere(const QString &text)
    {
        auto result = std::async(std::launch::async, [this, text] {
            SingleInstance second(settingsPath());
            return second.claim(text);
        });
        while (result.wait_for(std::chrono::milliseconds(5)) != std::future_status::ready)
            QCoreApplication::processEvents();
        return result.get();
    }

    QTemporaryDir m_dir;
};

TEST_F(SingleInstanceTest, ALaterClaimHandsItsTextToTheRunningInstance)
{
    SingleInstance first(settingsPath());
    ASSERT_EQ(first.claim(QString()), SingleInstance::Role::Primary);
    QStringList received;
    QObject::connect(&first, &SingleInstance::filesHandedOver, [&](const QString &text) { received.append(text); });
    first.startDelivering();

    EXPECT_EQ(claimElsewhere(QStringLiteral("/a.htm?/b.htm?")), SingleInstance::Role::HandedOver);
    EXPECT_EQ(claimElsewhere(QString()), SingleInstance::Role::HandedOver);
    EXPECT_EQ(received, (QStringList{QStringLiteral("/a.htm?/b.htm?"), QString()}));
}

TEST_F(SingleInstanceTest, MalformedMessagesAreDroppedAndTheInstanceGoesOn)
{
    SingleInstance first(settingsPath());
    ASSERT_EQ(first.claim(QString()), SingleInstance::Role::Primary);
    QSignalSpy spy(&first, &SingleInstance::filesHandedOver);
    first.startDelivering();

    for (const QByteArray &bytes : {QByteArray("\xff\xfe\x00", 3), QByteArray("no zero at all"), QByteArray()}) {
        QLocalSocket socket;
        socket.connectToServer(first.serverName());
        ASSERT_TRUE(socket.waitForConnected(2000));
        socket.write(bytes);
        socket.waitForBytesWritten(1000);
        socket.disconnectFromServer();
        QTest::qWait(50);
    }
    EXPECT_EQ(spy.count(), 0);
    EXPECT_EQ(claimElsewhere(QStringLiteral("/c.htm?")), SingleInstance::Role::HandedOver);
    ASSERT_EQ(spy.count(), 1);
    EXPECT_EQ(spy.at(0).at(0).toString(), QStringLiteral("/c.htm?"));
}

TEST_F(SingleInstanceTest, HandOversWaitUntilTheWindowCanTakeThem)
{
    SingleInstance first(settingsPath());
    ASSERT_EQ(first.claim(QString()), SingleInstance::Role::Primary);
    QStringList received;
    QObject::connect(&first, &SingleInstance::filesHandedOver, [&](const QString &text) { received.append(text); });
    QLocalSocket early;
    early.connectToServer(first.serverName());
    ASSERT_TRUE(early.waitForConnected(2000));
    early.write(FileListMessage::encode(QStringLiteral("/early.htm?")));
    early.flush();
    QTest::qWait(100);
    EXPECT_TRUE(received.isEmpty());
    first.startDelivering();
    EXPECT_EQ(received, QStringList{QStringLiteral("/early.htm?")});
}

TEST_F(SingleInstanceTest, AStartThatGivesUpWhileFilesOpenDoesNotHarmTheInstance)
{
    SingleInstance first(settingsPath());
    ASSERT_EQ(first.claim(QString()), SingleInstance::Role::Primary);
    first.startDelivering();
    int received = 0;
    QObject::connect(&first, &SingleInstance::filesHandedOver, [&](const QString &) {
        ++received;
        QTest::qWait(300); // a question open while the other start gives up
    });
    auto client = std::async(std::launch::async, [name = first.serverName()] {
        QLocalSocket socket;
        socket.connectToServer(name);
        if (!socket.waitForConnected(2000))
            return;
        socket.write(FileListMessage::encode(QStringLiteral("/x.htm?")));
        socket.waitForBytesWritten(1000);
        QThread::msleep(100);
        socket.abort();
    });
    while (client.wait_for(std::chrono::milliseconds(5)) != std::future_status::ready)
        QCoreApplication::processEvents();
    QTest::qWait(400);
    EXPECT_EQ(received, 1);
    EXPECT_EQ(claimElsewhere(QStringLiteral("/y.htm?")), SingleInstance::Role::HandedOver);
}

TEST_F(SingleInstanceTest, EachSettingsFileHasItsOwnInstance)
{
    QTemporaryDir other;
    EXPECT_NE(SingleInstance::serverNameFor(settingsPath()),
              SingleInstance::serverNameFor(other.filePath(QStringLiteral("Pagewick.ini"))));
    SingleInstance first(settingsPath());
    ASSERT_EQ(first.claim(QString()), SingleInstance::Role::Primary);
    SingleInstance elsewhere(other.filePath(QStringLiteral("Pagewick.ini")));
    EXPECT_EQ(elsewhere.claim(QString()), SingleInstance::Role::Primary);
}

} // namespace
