// Transfers that end early: the user's stop and a server that dies.
#include "FtpTestClient.h"

#include "publish/TSimpleFTP.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#include <QTimer>

#include <gtest/gtest.h>

#include <thread>

namespace {

// Slow enough that a transfer of a few hundred kilobytes lasts seconds.
constexpr int ThrottleBytesPerSecond = 64 * 1024;

class FtpInterruptions : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(throttled.started());
        aimAt(ftp, throttled);
        ftp.setPassive(true);
        QObject::connect(&ftp, &TSimpleFTP::OnDisconnected, [this] {
            ++disconnects;
            EXPECT_EQ(QThread::currentThread(), qApp->thread());
        });
        QObject::connect(&ftp, &TSimpleFTP::OnStateChange,
                         [](TWinInetState) { EXPECT_EQ(QThread::currentThread(), qApp->thread()); });
        ASSERT_TRUE(ftp.Connect());
    }

    void expectLeftDisconnected(int expectedDisconnects = 1)
    {
        EXPECT_EQ(ftp.State(), fsNoconnection);
        EXPECT_EQ(disconnects, expectedDisconnects);
        ftp.setSilentExceptions(false);
        try {
            ftp.List();
            ftp.CreateDir(QStringLiteral("x"));
            ADD_FAILURE() << "no exception";
        } catch (const ESimpleFTPError &error) {
            EXPECT_EQ(error.message(), QStringLiteral("Ikke forbundet!"));
        }
        ftp.setSilentExceptions(true);
    }

    FtpTestServer throttled{{.throttleBytesPerSecond = ThrottleBytesPerSecond}};
    TSimpleFTP ftp;
    QTemporaryDir local;
    int disconnects = 0;
};

TEST_F(FtpInterruptions, StopPressedDuringAnUploadEndsItWithinHalfASecond)
{
    const QString source = writeFile(local.filePath(QStringLiteral("big.bin")), sampleBytes(1024 * 1024));
    QElapsedTimer sinceAbort;
    // A timer stands for the stop button: it fires while the upload blocks.
    QTimer::singleShot(300, &ftp, [&] {
        sinceAbort.start();
        ftp.Abort();
        EXPECT_EQ(ftp.State(), fsNoconnection); // at once, before the call has returned
    });
    QElapsedTimer total;
    total.start();
    EXPECT_FALSE(ftp.PutFile(source, QStringLiteral("big.bin")));
    ASSERT_TRUE(sinceAbort.isValid());
    EXPECT_LT(sinceAbort.elapsed(), 500);
    EXPECT_LT(total.elapsed(), 5000);
    EXPECT_FALSE(QFile::exists(throttled.rootPath(QStringLiteral("big.bin"))));
    expectLeftDisconnected();

    // The component connects again afterwards.
    EXPECT_TRUE(ftp.Connect());
    EXPECT_EQ(ftp.List(), int(leftoverTemporaries(throttled.root()).size()));
}

TEST_F(FtpInterruptions, AbortFromAProgressHandlerEndsADownloadWithoutAPartialFile)
{
    writeFile(throttled.rootPath(QStringLiteral("big.bin")), sampleBytes(1024 * 1024));
    QObject::connect(&ftp, &TSimpleFTP::OnTransferProgress, [&](const TFTPProgressInfo &info) {
        if (info.BytesTransferred > 0 && ftp.Connected())
            ftp.Abort();
    });
    const QString target = local.filePath(QStringLiteral("big.bin"));
    EXPECT_FALSE(ftp.GetFile(QStringLiteral("big.bin"), target));
    EXPECT_TRUE(QDir(local.path()).entryList(QDir::Files | QDir::Hidden).isEmpty());
    expectLeftDisconnected();
}

TEST_F(FtpInterruptions, AbortFromAnotherThreadEndsTheCallOnTheComponentsThread)
{
    const QString source = writeFile(local.filePath(QStringLiteral("big.bin")), sampleBytes(1024 * 1024));
    std::thread stopper([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        ftp.Abort();
    });
    QElapsedTimer total;
    total.start();
    EXPECT_FALSE(ftp.PutFile(source, QStringLiteral("big.bin")));
    stopper.join();
    EXPECT_LT(total.elapsed(), 1000);
    EXPECT_FALSE(QFile::exists(throttled.rootPath(QStringLiteral("big.bin"))));
    expectLeftDisconnected();
}

TEST_F(FtpInterruptions, ServerKilledDuringAnUploadLeavesNoTargetAndAllowsANewConnect)
{
    const QString source = writeFile(local.filePath(QStringLiteral("big.bin")), sampleBytes(1024 * 1024));
    QObject::connect(&ftp, &TSimpleFTP::OnTransferProgress, [&](const TFTPProgressInfo &info) {
        if (info.BytesTransferred > 0)
            throttled.kill();
    });
    ftp.setSilentExceptions(false);
    try {
        ftp.PutFile(source, QStringLiteral("big.bin"));
        ADD_FAILURE() << "no exception";
    } catch (const ESimpleFTPError &error) {
        EXPECT_EQ(
            error.message(),
            QStringLiteral("Fejl under overførsel af %1 til big.bin: Forbindelsen blev afbrudt. Ikke forbundet!").arg(source));
    }
    EXPECT_FALSE(QFile::exists(throttled.rootPath(QStringLiteral("big.bin"))));
    expectLeftDisconnected(2); // the upload is tried once more on a new session, which cannot be had

    FtpTestServer replacement;
    ASSERT_TRUE(replacement.started());
    ftp.setPort(replacement.port());
    ASSERT_TRUE(ftp.Connect());
    EXPECT_TRUE(ftp.PutFile(writeFile(local.filePath(QStringLiteral("small.htm")), "x"), QStringLiteral("small.htm")));
    EXPECT_TRUE(QFile::exists(replacement.rootPath(QStringLiteral("small.htm"))));
}

TEST_F(FtpInterruptions, ServerKilledDuringADownloadLeavesNoLocalFile)
{
    writeFile(throttled.rootPath(QStringLiteral("big.bin")), sampleBytes(1024 * 1024));
    const QString target = writeFile(local.filePath(QStringLiteral("big.bin")), "the old copy");
    QObject::connect(&ftp, &TSimpleFTP::OnTransferProgress, [&](const TFTPProgressInfo &info) {
        if (info.BytesTransferred > 0)
            throttled.kill();
    });
    EXPECT_FALSE(ftp.GetFile(QStringLiteral("big.bin"), target));
    // The old local copy stays whole and nothing else is left behind.
    EXPECT_EQ(readFile(target), QByteArray("the old copy"));
    EXPECT_EQ(QDir(local.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("big.bin")});
    expectLeftDisconnected();
}

} // namespace
