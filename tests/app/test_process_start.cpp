// Starts the real program several times at once and after a killed run.
#include "app/SingleInstance.h"
#include "support/WaitUntil.h"

#include <QLocalSocket>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

class ProcessStartTest : public ::testing::Test
{
protected:
    std::unique_ptr<QProcess> start(const QStringList &arguments = {})
    {
        auto process = std::make_unique<QProcess>();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), m_dir.filePath(QStringLiteral("config")));
        env.insert(QStringLiteral("XDG_DATA_HOME"), m_dir.filePath(QStringLiteral("data")));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("PAGEWICK_PROGRAM_DIR"), QStringLiteral(PAGEWICK_DATA_DIR));
        process->setProcessEnvironment(env);
        process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process->start(QStringLiteral(PAGEWICK_BIN_DIR "/pagewick"), arguments);
        EXPECT_TRUE(process->waitForStarted());
        return process;
    }

    QString serverName() const
    {
        return SingleInstance::serverNameFor(m_dir.filePath(QStringLiteral("config/Pagewick/Pagewick.ini")));
    }

    bool instanceListens() const
    {
        QLocalSocket probe;
        probe.connectToServer(serverName());
        return probe.waitForConnected(200);
    }

    static bool running(const QProcess &p) { return p.state() != QProcess::NotRunning; }

    void TearDown() override
    {
        for (auto &p : m_started) {
            if (running(*p)) {
                p->kill();
                p->waitForFinished();
            }
        }
    }

    QTemporaryDir m_dir;
    std::vector<std::unique_ptr<QProcess>> m_started;
};

TEST_F(ProcessStartTest, StartsAtTheSameMomentLeaveExactlyOneInstance)
{
    for (int i = 0; i < 3; ++i)
        m_started.push_back(start());
    const auto finishedCount = [&] {
        int n = 0;
        for (auto &p : m_started)
            n += running(*p) ? 0 : 1;
        return n;
    };
    ASSERT_TRUE(waitUntil([&] { return finishedCount() == 2; }, 30000));
    QThread::msleep(300);
    QCoreApplication::processEvents();
    EXPECT_EQ(finishedCount(), 2);
    for (auto &p : m_started) {
        if (!running(*p)) {
            EXPECT_EQ(p->exitStatus(), QProcess::NormalExit);
            EXPECT_EQ(p->exitCode(), 0);
        }
    }
    EXPECT_TRUE(instanceListens());
}

TEST_F(ProcessStartTest, ASocketLeftByAKilledInstanceDoesNotStopTheNextStart)
{
    m_started.push_back(start());
    ASSERT_TRUE(waitUntil([&] { return instanceListens(); }, 20000));
    m_started.back()->kill(); // no chance to clean up its socket
    m_started.back()->waitForFinished();
    ASSERT_FALSE(instanceListens());

    m_started.push_back(start());
    ASSERT_TRUE(waitUntil([&] { return instanceListens(); }, 20000));
    EXPECT_TRUE(running(*m_started.back()));

    // A further start finds the new instance and hands over to it.
    auto third = start({m_dir.filePath(QStringLiteral("no-such-file.htm"))});
    ASSERT_TRUE(third->waitForFinished(20000));
    EXPECT_EQ(third->exitCode(), 0);
    EXPECT_TRUE(running(*m_started.back()));
}

} // namespace
