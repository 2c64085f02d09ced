// Servers that misbehave: listings and downloads without end, stalled data
// connections. The component stops them with a clear error instead of
// filling memory or disk or waiting forever.
#include "FtpTestClient.h"
#include "ScriptTestServer.h"

#include "publish/TSimpleFTP.h"

#include <QElapsedTimer>
#include <QStorageInfo>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

class HostileServer : public ::testing::Test
{
protected:
    void start(const char *mode)
    {
        server = std::make_unique<ScriptTestServer>(QStringLiteral("hostile_ftp_server.py"),
                                                    QStringList{QStringLiteral("--mode"), QString::fromLatin1(mode)});
        ASSERT_TRUE(server->started());
        ftp.setHostName(QStringLiteral("127.0.0.1"));
        ftp.setPort(server->port());
        ftp.setUserName(QStringLiteral("pw"));
        ftp.setPassword(QStringLiteral("x"));
        ftp.setConnectTimeout(5000);
        ftp.setPassive(true);
        QObject::connect(&ftp, &TSimpleFTP::OnError, [this](quint16 code) { errors << code; });
        ASSERT_TRUE(ftp.Connect());
        ftp.setSilentExceptions(false);
    }

    // The message of the exception the call raises; empty when it raises none.
    template <typename Call> static QString failureOf(Call call)
    {
        try {
            call();
        } catch (const FtpException &error) {
            return error.message();
        }
        return {};
    }

    std::unique_ptr<ScriptTestServer> server;
    TSimpleFTP ftp;
    QTemporaryDir local;
    QList<quint16> errors;
};

TEST_F(HostileServer, EndlessListingsAreCutOffWithAnError)
{
    for (const char *mode : {"endless-mlsd", "endless-list"}) {
        SCOPED_TRACE(mode);
        start(mode);
        EXPECT_TRUE(failureOf([&] {
                        ftp.FindFiles();
                    }).endsWith(QStringLiteral(": Mappeoversigten er større end 64 MB eller 1000000 poster og læses ikke")));
        ftp.Disconnect();
    }
}

TEST_F(HostileServer, ADownloadDoesNotListItsFolder)
{
    // Listing this server's folder never ends; asking for the file does.
    start("endless-mlsd");
    const QString target = local.filePath(QStringLiteral("f.bin"));
    EXPECT_TRUE(ftp.GetFile(QStringLiteral("f.bin"), target));
    EXPECT_EQ(readFile(target), QByteArray("0123456789"));
}

TEST_F(HostileServer, ADownloadEndsAtTheSizeTheServerGave)
{
    start("lying-size");
    const QString target = local.filePath(QStringLiteral("f.bin"));
    EXPECT_TRUE(ftp.GetFile(QStringLiteral("f.bin"), target));
    EXPECT_EQ(readFile(target), QByteArray(10, 'y'));
}

TEST_F(HostileServer, AnEndlessDownloadStopsBeforeTheDiskIsFull)
{
    start("endless-download");
    // The margin is set so that only a few megabytes may be written.
    ftp.setFreeSpaceMargin(QStorageInfo(local.path()).bytesAvailable() - 8 * 1024 * 1024);
    const QString target = local.filePath(QStringLiteral("f.bin"));
    EXPECT_EQ(failureOf([&] { ftp.GetFile(QStringLiteral("f.bin"), target); }),
              QStringLiteral("Fejl under hentning af f.bin fra %1: Der er ikke plads nok på disken").arg(target));
    EXPECT_TRUE(QDir(local.path()).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
}

TEST_F(HostileServer, AStalledListingEndsWithTheTimeOutErrorAndAbortStillWorks)
{
    start("slow-list");
    ftp.setStallSeconds(2);
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(failureOf([&] { ftp.FindFiles(); }),
              QStringLiteral("Fejl under læsning af mappen /: Forbindelsen til 127.0.0.1 udløbet"));
    EXPECT_LT(clock.elapsed(), 10000);
    EXPECT_EQ(errors, QList<quint16>{InternetError::Timeout});

    // The stop button ends a slow listing at once.
    ASSERT_TRUE(ftp.Connect());
    ftp.setStallSeconds(30);
    QObject::connect(&ftp, &TSimpleFTP::OnStateChange, [] {});
    QTimer::singleShot(500, &ftp, [this] { ftp.Abort(); });
    clock.restart();
    EXPECT_FALSE(failureOf([&] { ftp.FindFiles(); }).isEmpty());
    EXPECT_LT(clock.elapsed(), 3000);
    EXPECT_FALSE(ftp.Connected());
}

} // namespace
