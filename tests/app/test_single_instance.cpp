#include "app/SingleInstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <gtest/gtest.h>

#include <future>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Sets (or, given nothing, removes) an environment variable while it lives.
class ScopedEnvironment
{
public:
    ScopedEnvironment(const char *name, const std::optional<QString> &value)
        : m_name(name)
        , m_old(qEnvironmentVariableIsSet(name) ? std::optional<QByteArray>(qgetenv(name)) : std::nullopt)
    {
        if (value)
            qputenv(name, QFile::encodeName(*value));
        else
            qunsetenv(name);
    }
    ~ScopedEnvironment()
    {
        if (m_old)
            qputenv(m_name, *m_old);
        else
            qunsetenv(m_name);
    }
    ScopedEnvironment(const ScopedEnvironment &) = delete;
    ScopedEnvironment &operator=(const ScopedEnvironment &) = delete;

private:
    const char *m_name;
    std::optional<QByteArray> m_old;
};

// A socket planted by someone else: it takes every message and answers as a
// running instance would, so that a start handing over to it would end.
class PlantedListener
{
public:
    explicit PlantedListener(const QString &name)
    {
        QLocalServer::removeServer(name);
        m_listening = m_server.listen(name);
        QObject::connect(&m_server, &QLocalServer::newConnection, [this] {
            while (QLocalSocket *socket = m_server.nextPendingConnection()) {
                QObject::connect(socket, &QLocalSocket::readyRead, [this, socket] {
                    m_received += socket->readAll();
                    socket->write("ok");
                    socket->flush();
                });
            }
        });
    }
    bool listening() const { return m_listening; }
    QByteArray received() const { return m_received; }

private:
    QLocalServer m_server;
    bool m_listening = false;
    QByteArray m_received;
};

int modeOf(const QString &path)
{
    struct stat status;
    return ::stat(QFile::encodeName(path).constData(), &status) == 0 ? int(status.st_mode & 07777) : -1;
}

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
    QTemporaryDir m_runtime; // made with mode 0700, as a session's runtime folder
    ScopedEnvironment m_runtimeVariable{"XDG_RUNTIME_DIR", m_runtime.path()};
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

TEST_F(SingleInstanceTest, ASocketAndLockPlantedInTheSharedTemporaryFolderAreNotUsed)
{
    // Where the socket and its lock once lay: in the folder that every user of
    // the machine shares, under names that anyone can work out.
    const QByteArray hash = QCryptographicHash::hash(QDir::cleanPath(settingsPath()).toUtf8(), QCryptographicHash::Sha1);
    const QString shared = QDir::temp().filePath(QStringLiteral("pagewick-") + QString::fromLatin1(hash.toHex().left(16)));
    PlantedListener planted(shared);
    ASSERT_TRUE(planted.listening());
    QLockFile plantedLock(shared + QStringLiteral(".lock"));
    ASSERT_TRUE(plantedLock.tryLock(0));

    EXPECT_TRUE(SingleInstance::serverNameFor(settingsPath()).startsWith(m_runtime.path() + QLatin1Char('/')));
    EXPECT_EQ(claimElsewhere(QStringLiteral("/private/a.htm?")), SingleInstance::Role::Primary);
    QCoreApplication::processEvents();
    EXPECT_TRUE(planted.received().isEmpty());
}

TEST_F(SingleInstanceTest, ASocketOfAnotherUserInTheRuntimeFolderIsReplacedUnheard)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "only the superuser can give a socket to another user";
    const QString name = SingleInstance::serverNameFor(settingsPath());
    PlantedListener planted(name);
    ASSERT_TRUE(planted.listening());
    ASSERT_EQ(::chown(QFile::encodeName(name).constData(), 65534, 65534), 0);

    EXPECT_EQ(claimElsewhere(QStringLiteral("/private/a.htm?")), SingleInstance::Role::Primary);
    QCoreApplication::processEvents();
    EXPECT_TRUE(planted.received().isEmpty());
}

TEST_F(SingleInstanceTest, ARuntimeFolderOthersCanEnterGivesWayToAPrivateFolderInTheCache)
{
    QTemporaryDir cache;
    const ScopedEnvironment cacheVariable("XDG_CACHE_HOME", cache.path());
    const QString fallback = cache.path() + QStringLiteral("/pagewick");
    QTemporaryDir open;
    ASSERT_EQ(::chmod(QFile::encodeName(open.path()).constData(), 0777), 0);
    QTemporaryDir readable;
    ASSERT_EQ(::chmod(QFile::encodeName(readable.path()).constData(), 0755), 0);
    QTemporaryDir foreign; // private, but another user's
    const bool canGiveAway = ::geteuid() == 0 && ::chown(QFile::encodeName(foreign.path()).constData(), 65534, 65534) == 0;

    const struct
    {
        const char *what;
        std::optional<QString> runtime;
    } cases[] = {
        {"not set", std::nullopt},
        {"mode 0777", open.path()},
        {"mode 0755", readable.path()},
        {"relative", QStringLiteral("run/user")},
        {"another user's", canGiveAway ? foreign.path() : open.path()},
    };
    for (const auto &c : cases) {
        const ScopedEnvironment runtime("XDG_RUNTIME_DIR", c.runtime);
        EXPECT_EQ(QFileInfo(SingleInstance::serverNameFor(settingsPath())).absolutePath(), fallback) << c.what;
        EXPECT_EQ(modeOf(fallback), 0700) << c.what;
    }

    // The folder of this user's, opened by some other hand, is closed again.
    ASSERT_EQ(::chmod(QFile::encodeName(fallback).constData(), 0755), 0);
    const ScopedEnvironment runtime("XDG_RUNTIME_DIR", std::nullopt);
    SingleInstance first(settingsPath());
    EXPECT_EQ(modeOf(fallback), 0700);
    EXPECT_EQ(first.claim(QString()), SingleInstance::Role::Primary);
    first.startDelivering();
    EXPECT_EQ(QFileInfo(first.serverName()).absolutePath(), fallback);
    EXPECT_EQ(claimElsewhere(QString()), SingleInstance::Role::HandedOver);
}

} // namespace
