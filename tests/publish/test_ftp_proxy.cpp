// Connections through an HTTP proxy (connect_proxy.py, which counts the
// tunnels it opens): named in the component, or taken from the environment.
#include "FtpTestClient.h"
#include "ScriptTestServer.h"

#include "publish/TSimpleFTP.h"
#include "support/ScriptedPrompter.h"

#include <QTcpServer>

#include <gtest/gtest.h>

#include <optional>
#include <utility>

namespace {

// The proxy variables libcurl reads for ftp:// addresses, cleared for the
// life of the object and given back afterwards.
class ProxyEnvironment
{
public:
    ProxyEnvironment()
    {
        for (const char *name : Names) {
            m_saved.append(qEnvironmentVariableIsSet(name) ? std::optional<QByteArray>(qgetenv(name)) : std::nullopt);
            qunsetenv(name);
        }
    }
    ~ProxyEnvironment()
    {
        for (int i = 0; i < int(std::size(Names)); ++i) {
            if (m_saved[i])
                qputenv(Names[i], *m_saved[i]);
            else
                qunsetenv(Names[i]);
        }
    }

private:
    static constexpr const char *Names[] = {"ftp_proxy", "FTP_PROXY", "all_proxy", "ALL_PROXY", "no_proxy", "NO_PROXY"};
    QList<std::optional<QByteArray>> m_saved;
};

ScriptTestServer startProxy()
{
    return ScriptTestServer(QStringLiteral("connect_proxy.py"), {});
}

QString proxyAddress(const ScriptTestServer &proxy)
{
    return QStringLiteral("127.0.0.1:%1").arg(proxy.port());
}

// Connects, sends a file, lists it and fetches it back; gives the proxy's
// tunnels opened for the connection and for the work after it.
std::pair<int, int> roundTrip(TSimpleFTP &ftp, const FtpTestServer &server, ScriptTestServer &proxy, const QString &name)
{
    QTemporaryDir local;
    const int before = proxy.count("TUNNEL");
    EXPECT_TRUE(ftp.Connect());
    const int connected = proxy.count("TUNNEL");
    const QByteArray content = sampleBytes(200000, int(name.size()));
    EXPECT_TRUE(ftp.PutFile(writeFile(local.filePath(QStringLiteral("ud.bin")), content), name));
    EXPECT_EQ(readFile(server.rootPath(name)), content);
    TFindData found;
    EXPECT_TRUE(ftp.FindRemoteFile(name, &found));
    EXPECT_EQ(found.size(), content.size());
    const QString back = local.filePath(QStringLiteral("ind.bin"));
    EXPECT_TRUE(ftp.GetFile(name, back));
    EXPECT_EQ(readFile(back), content);
    ftp.Disconnect();
    return {connected - before, proxy.count("TUNNEL") - connected};
}

TEST(Proxy, NamedProxyCarriesEverythingExceptBypassedHosts)
{
    ProxyEnvironment environment;
    FtpTestServer server;
    ScriptTestServer proxy = startProxy();
    ASSERT_TRUE(server.started());
    ASSERT_TRUE(proxy.started());

    for (bool passive : {true, false}) {
        SCOPED_TRACE(passive ? "passive" : "active");
        TSimpleFTP ftp;
        aimAt(ftp, server);
        ftp.setPassive(passive);
        ftp.setResolveNames(rnProxy);
        ftp.setProxyName(proxyAddress(proxy));
        const auto [control, data] = roundTrip(ftp, server, proxy,
                                               passive ? QStringLiteral("passiv.bin") : QStringLiteral("aktiv.bin"));
        // In active mode the server opens the data connections itself.
        EXPECT_EQ(control, 1);
        if (passive) {
            EXPECT_GE(data, 2);
        }
    }

    // A host that an entry of the bypass list matches is reached directly.
    TSimpleFTP ftp;
    aimAt(ftp, server);
    ftp.setPassive(true);
    ftp.setResolveNames(rnProxy);
    ftp.setProxyName(proxyAddress(proxy));
    ftp.setProxyBypassList({QStringLiteral("andet.eksempel; *.firma.dk"), QStringLiteral("127.0.0.*")});
    EXPECT_EQ(roundTrip(ftp, server, proxy, QStringLiteral("direkte.bin")), std::make_pair(0, 0));
}

TEST(Proxy, SftpGoesThroughTheTunnelToo)
{
    ProxyEnvironment environment;
    QTemporaryDir remote;
    QTemporaryDir local;
    ScriptTestServer server(QStringLiteral("sftp_password_server.py"),
                            {QStringLiteral("--root"), remote.path(), QStringLiteral("--user"), QStringLiteral("pw"),
                             QStringLiteral("--password"), QStringLiteral("k0de")});
    ScriptTestServer proxy = startProxy();
    ASSERT_TRUE(server.started());
    ASSERT_TRUE(proxy.started());
    ScriptedPrompter prompter;
    prompter.expect(QStringLiteral("ukendt"), Prompter::Yes);
    TSimpleFTP ftp;
    aimSftpAt(ftp, server.port(), QStringLiteral("pw"), local.filePath(QStringLiteral("known_hosts")), &prompter);
    ftp.setPassword(QStringLiteral("k0de"));
    ftp.setResolveNames(rnProxy);
    ftp.setProxyName(proxyAddress(proxy));

    ASSERT_TRUE(ftp.Connect());
    EXPECT_TRUE(prompter.allAnswered());
    ASSERT_TRUE(ftp.PutFile(writeFile(local.filePath(QStringLiteral("s.txt")), "via tunnel"), QStringLiteral("/s.txt")));
    EXPECT_EQ(readFile(remote.filePath(QStringLiteral("s.txt"))), QByteArray("via tunnel"));
    EXPECT_EQ(ftp.FindFiles(), 1);
    EXPECT_EQ(proxy.count("TUNNEL"), 1); // one SSH connection carries everything
}

TEST(Proxy, UnreachableProxyCannotConnect)
{
    ProxyEnvironment environment;
    FtpTestServer server;
    ASSERT_TRUE(server.started());
    QTcpServer closed; // a port that was free a moment ago and is shut now
    ASSERT_TRUE(closed.listen(QHostAddress::LocalHost, 0));
    const quint16 port = closed.serverPort();
    closed.close();

    TSimpleFTP ftp;
    aimAt(ftp, server);
    ftp.setConnectRetries(0);
    ftp.setSilentExceptions(false);
    ftp.setResolveNames(rnProxy);
    ftp.setProxyName(QStringLiteral("127.0.0.1:%1").arg(port));
    QList<quint16> errors;
    QObject::connect(&ftp, &TSimpleFTP::OnError, [&](quint16 code) { errors << code; });
    try {
        ftp.Connect();
        ADD_FAILURE() << "connected without the proxy";
    } catch (const EWinInetError &failure) {
        EXPECT_EQ(failure.message(), QStringLiteral("Kan ikke forbinde til 127.0.0.1"));
    }
    EXPECT_EQ(errors, QList<quint16>{12029});
    EXPECT_EQ(ftp.State(), fsNoconnection);
    EXPECT_EQ(server.logins(), 0);
}

TEST(Proxy, SystemConfigurationComesFromTheEnvironment)
{
    ProxyEnvironment environment;
    FtpTestServer server;
    ScriptTestServer proxy = startProxy();
    ASSERT_TRUE(server.started());
    ASSERT_TRUE(proxy.started());
    qputenv("ftp_proxy", QStringLiteral("http://%1").arg(proxyAddress(proxy)).toUtf8());

    TSimpleFTP ftp;
    aimAt(ftp, server);
    ftp.setPassive(true);
    ftp.setResolveNames(rnPreConfig);
    const auto [control, data] = roundTrip(ftp, server, proxy, QStringLiteral("system.bin"));
    EXPECT_EQ(control, 1);
    EXPECT_GE(data, 2);

    // Direct access ignores the environment.
    ftp.setResolveNames(rnLocal);
    EXPECT_EQ(roundTrip(ftp, server, proxy, QStringLiteral("lokal.bin")), std::make_pair(0, 0));

    // The environment's own exceptions hold as well.
    qputenv("no_proxy", "127.0.0.1");
    ftp.setResolveNames(rnPreConfig);
    EXPECT_EQ(roundTrip(ftp, server, proxy, QStringLiteral("undtaget.bin")), std::make_pair(0, 0));
}

} // namespace
