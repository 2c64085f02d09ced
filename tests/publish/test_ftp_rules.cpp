// Rules of the transport that need no server: paths, listings, texts,
// states and the progress arithmetic.
#include "publish/FtpErrors.h"
#include "publish/ListingParser.h"
#include "publish/LocalNames.h"
#include "publish/ProxyBypass.h"
#include "publish/RemotePath.h"
#include "publish/TSimpleFTP.h"

#include <curl/curl.h>

#include <ctime>

#include <gtest/gtest.h>

namespace {

TEST(RemotePathRules, SeparatorsParentsAndParts)
{
    using namespace RemotePath;
    EXPECT_EQ(addSeparator(QStringLiteral("pub"), ftUnix), QStringLiteral("pub/"));
    EXPECT_EQ(addSeparator(QStringLiteral("pub"), ftUnknown), QStringLiteral("pub"));
    EXPECT_EQ(addSeparator(QStringLiteral("pub/"), ftUnix), QStringLiteral("pub/"));
    EXPECT_EQ(addSeparator(QString(), ftUnknown), QStringLiteral("/"));

    const QList<std::pair<QString, QString>> trimmed = {
        {QStringLiteral("/site/"), QStringLiteral("/site")}, {QStringLiteral("/"), QStringLiteral("/")},
        {QStringLiteral("a"), QStringLiteral("a")},          {QStringLiteral("c:\\x\\"), QStringLiteral("c:\\x")},
        {QStringLiteral("/a//"), QStringLiteral("/a/")},
    };
    for (const auto &[path, expected] : trimmed)
        EXPECT_EQ(removeTrailingSeparator(path), expected) << path.toStdString();

    const QList<std::pair<QString, QString>> parents = {
        {QStringLiteral("/a"), QStringLiteral("/")},       {QStringLiteral("a"), QString()},
        {QStringLiteral("x/a/bc"), QStringLiteral("x/a")}, {QStringLiteral("x/a/"), QStringLiteral("x")},
        {QStringLiteral("/a/b/"), QStringLiteral("/a")},
    };
    for (const auto &[path, expected] : parents)
        EXPECT_EQ(parentPath(path), expected) << path.toStdString();

    EXPECT_EQ(lastSlash(QStringLiteral("ab")), 0);
    EXPECT_EQ(lastSlash(QStringLiteral("/a/b")), 3);
    EXPECT_EQ(folderPart(QStringLiteral("/a/b.htm")), QStringLiteral("/a/"));
    EXPECT_EQ(namePart(QStringLiteral("/a/b.htm")), QStringLiteral("b.htm"));
    EXPECT_EQ(namePart(QStringLiteral("b.htm")), QStringLiteral("b.htm"));

    EXPECT_EQ(absolute(QStringLiteral("/site"), QStringLiteral("a/../b.htm")), QStringLiteral("/site/b.htm"));
    EXPECT_EQ(absolute(QStringLiteral("/site"), QStringLiteral("/x/")), QStringLiteral("/x/"));
    EXPECT_EQ(absolute(QStringLiteral("/"), QStringLiteral("../../etc")), QStringLiteral("/etc"));
}

TEST(ListingRules, MachineAndLongListingsGiveTheSameRecords)
{
    const QByteArray machine = "type=cdir;modify=20240101000000; .\r\n"
                               "type=pdir;modify=20240101000000; ..\r\n"
                               "type=file;size=1234;modify=20240315101112;perm=r; index med mellemrum.htm\r\n"
                               "type=dir;modify=20231224180000.123; billeder\r\n"
                               "type=file;size=5000000000; stor;fil.zip\r\n";
    const QList<TFindData> fromMachine = ListingParser::parseMachineListing(machine);
    ASSERT_EQ(fromMachine.size(), 3);
    EXPECT_EQ(fromMachine[0].name, QStringLiteral("index med mellemrum.htm"));
    EXPECT_EQ(fromMachine[0].size(), 1234);
    EXPECT_FALSE(fromMachine[0].isFolder());
    EXPECT_EQ(fromMachine[0].lastWrite(), QDateTime(QDate(2024, 3, 15), QTime(10, 11, 12), Qt::UTC));
    EXPECT_TRUE(fromMachine[1].isFolder());
    EXPECT_EQ(fromMachine[2].name, QStringLiteral("stor;fil.zip"));
    EXPECT_EQ(fromMachine[2].sizeHigh, 1u);
    EXPECT_EQ(fromMachine[2].size(), 5000000000LL);

    const QDateTime now(QDate(2024, 3, 20), QTime(12, 0), Qt::UTC);
    const QByteArray unixStyle = "total 8\r\n"
                                 "-rw-r--r--   1 owner    group        1234 Mar 15 10:11 index med mellemrum.htm\r\n"
                                 "drwxr-xr-x   2 1000     1000         4096 Dec 24  2023 billeder\r\n"
                                 "lrwxrwxrwx   1 owner    group           9 Apr 01 09:00 link -> index.htm\r\n"
                                 "drwxr-xr-x   2 owner    group        4096 Mar 15 10:11 ..\r\n"
                                 "-rw-r--r--   1 owner    group          10 Jan  2 03:04 æøå.htm\n";
    const QList<TFindData> fromLong = ListingParser::parseLongListing(unixStyle, now);
    ASSERT_EQ(fromLong.size(), 4);
    EXPECT_EQ(fromLong[0].name, QStringLiteral("index med mellemrum.htm"));
    EXPECT_EQ(fromLong[0].size(), 1234);
    EXPECT_EQ(fromLong[0].lastWrite(), QDateTime(QDate(2024, 3, 15), QTime(10, 11), Qt::UTC));
    EXPECT_TRUE(fromLong[1].isFolder());
    EXPECT_EQ(fromLong[1].lastWrite().date(), QDate(2023, 12, 24));
    EXPECT_EQ(fromLong[2].name, QStringLiteral("link"));
    EXPECT_EQ(fromLong[2].lastWrite().date(), QDate(2023, 4, 1)); // no year, later than now: last year
    EXPECT_EQ(fromLong[3].name, QStringLiteral("æøå.htm"));

    const QList<TFindData> dos = ListingParser::parseLongListing("03-15-24  10:11AM                 1234 index.htm\r\n"
                                                                 "12-24-23  06:00PM       <DIR>          billeder\r\n");
    ASSERT_EQ(dos.size(), 2);
    EXPECT_EQ(dos[0].size(), 1234);
    EXPECT_EQ(dos[0].lastWrite(), QDateTime(QDate(2024, 3, 15), QTime(10, 11), Qt::UTC));
    EXPECT_TRUE(dos[1].isFolder());
    EXPECT_EQ(dos[1].lastWrite().time(), QTime(18, 0));

    // Names that could not be an entry of the folder are left out.
    EXPECT_TRUE(ListingParser::parseMachineListing("type=file;size=1; a/b\r\ntype=file;size=1; ..\r\n").isEmpty());
}

TEST(ListingRules, ALineBreakInsideANameDropsThatEntryAndMakesNoOther)
{
    const auto names = [](const QList<TFindData> &entries) {
        QStringList list;
        for (const TFindData &entry : entries)
            list << entry.name;
        return list;
    };
    const QStringList expected = {QStringLiteral("good.htm"), QStringLiteral("last.htm")};
    EXPECT_EQ(names(ListingParser::parseMachineListing("type=file;size=5; good.htm\r\n"
                                                       "type=file;size=5; evil\r\nx.htm\r\n"
                                                       "type=file;size=5; worse\r\nsize=1; bogus.htm\r\n"
                                                       "type=file;size=7; last.htm\r\n")),
              expected);
    EXPECT_EQ(names(ListingParser::parseLongListing("total 3\r\n"
                                                    "-rw-r--r-- 1 u g 5 Jan 01 00:00 good.htm\r\n"
                                                    "-rw-r--r-- 1 u g 5 Jan 01 00:00 evil\r\nname bogus.htm\r\n"
                                                    "-rw-r--r-- 1 u g 7 Jan 01 00:00 last.htm\r\n",
                                                    QDateTime::currentDateTimeUtc())),
              expected);
}

TEST(ListingRules, MachineFactsAreReadAsTheServerWroteThem)
{
    // Machine listings give UTC; the local zone must not touch them, not even
    // in the hour that its spring change of clocks skips.
    const QByteArray zone = qgetenv("TZ");
    qputenv("TZ", "Europe/Copenhagen");
    tzset();
    const QList<TFindData> entries = ListingParser::parseMachineListing(
        "type=file;size=-5;modify=20240331023000; i hullet.htm\r\n"
        "type=file;size=7;modify=2024033102300; kort tid.htm\r\n");
    if (zone.isNull())
        qunsetenv("TZ");
    else
        qputenv("TZ", zone);
    tzset();

    ASSERT_EQ(entries.size(), 2);
    EXPECT_EQ(entries[0].lastWrite(), QDateTime(QDate(2024, 3, 31), QTime(2, 30), Qt::UTC));
    EXPECT_EQ(entries[0].size(), 0); // a negative size is no size
    EXPECT_EQ(entries[1].lastWriteTime, 0u);
    EXPECT_EQ(entries[1].size(), 7);
}

TEST(LocalNameRules, OnlyPlainNamesInsideTheFolder)
{
    for (const QString &name : {QStringLiteral("a.htm"), QStringLiteral("æ ø å.htm"), QStringLiteral(".hidden")})
        EXPECT_TRUE(LocalNames::isSafeFileName(name)) << name.toStdString();
    for (const QString &name :
         {QString(), QStringLiteral("."), QStringLiteral(".."), QStringLiteral("a/b"), QStringLiteral("a\\b"),
          QStringLiteral("a\tb"), QStringLiteral("a\x7f"), QString(QStringLiteral("a") + QChar(0) + QStringLiteral("b"))})
        EXPECT_FALSE(LocalNames::isSafeFileName(name)) << name.toStdString();
    EXPECT_TRUE(LocalNames::isSafeTarget(QStringLiteral("/tmp/site/a.htm")));
    EXPECT_FALSE(LocalNames::isSafeTarget(QStringLiteral("/tmp/site/../a.htm")));
    EXPECT_FALSE(LocalNames::isSafeTarget(QStringLiteral("/tmp/site/")));
}

TEST(ProxyBypassRules, WildcardsLocalNamesAndSeparators)
{
    const QStringList list = {QStringLiteral("*.Firma.dk; 192.168.*"), QStringLiteral("<local>,ftp.eksempel.dk")};
    const QList<std::pair<QString, bool>> cases = {
        {QStringLiteral("www.firma.dk"), true},    {QStringLiteral("firma.dk"), false},
        {QStringLiteral("wwwfirma.dk"), false},    {QStringLiteral("192.168.1.20"), true},
        {QStringLiteral("10.192.168.1"), false},   {QStringLiteral("intranet"), true},
        {QStringLiteral("FTP.eksempel.dk"), true}, {QStringLiteral("ftp.eksempel.dk.ondt.net"), false},
        {QStringLiteral("a.b.firma.dk"), true},    {QStringLiteral("::1"), false},
    };
    for (const auto &[host, bypassed] : cases)
        EXPECT_EQ(bypassesProxy(host, list), bypassed) << host.toStdString();
    EXPECT_FALSE(bypassesProxy(QStringLiteral("intranet"), {}));
    EXPECT_FALSE(bypassesProxy(QStringLiteral("ftpXeksempelXdk"), {QStringLiteral("ftp.eksempel.dk")}));
}

TEST(TextRules, StateAndErrorTexts)
{
    TSimpleFTP ftp;
    ftp.setHostName(QStringLiteral("ftp.example.dk"));
    ftp.setUserName(QStringLiteral("bruger"));
    const QList<std::pair<TWinInetState, QString>> states = {
        {fsDisconnecting, QStringLiteral("Afbryder forbindelsen til ftp.example.dk")},
        {fsNoconnection, QStringLiteral("Ikke forbundet")},
        {fsConnecting, QStringLiteral("Etablerer forbindelse til ftp.example.dk")},
        {fsConnected, QStringLiteral("Forbundet til ftp.example.dk")},
        {fsResolvingName, QStringLiteral("Leder efter ftp.example.dk")},
        {fsNameResolved, QStringLiteral("ftp.example.dk fundet")},
    };
    for (const auto &[state, text] : states)
        EXPECT_EQ(ftp.StateText(state), text);
    const QList<std::pair<quint16, QString>> errors = {
        {12002, QStringLiteral("Forbindelsen til ftp.example.dk udløbet")},
        {12004, QStringLiteral("Intern WININET fejl")},
        {12007, QStringLiteral("Kan ikke finde 'ftp.example.dk'. Tjek, at du er forbundet til Internet")},
        {12013, QStringLiteral("Forkert brugernavn: 'bruger' etablerer forbindelse til ftp.example.dk")},
        {12014, QStringLiteral("Forkert adgangskode til ftp.example.dk")},
        {12015, QStringLiteral("Kan ikke forbinde til ftp.example.dk")},
        {12029, QStringLiteral("Kan ikke forbinde til ftp.example.dk")},
        {12157, QStringLiteral("Generel forbindelsesfejl ftp.example.dk")},
        {12045,
         QStringLiteral("Certifikatet fra ftp.example.dk blev afvist: det er ikke udstedt af en udsteder, som der "
                        "stoles på, det er udløbet, eller det gælder et andet navn")},
    };
    for (const auto &[code, text] : errors)
        EXPECT_EQ(ftp.ErrorText(code), text);

    EXPECT_EQ(internetErrorForCurl(CURLE_LOGIN_DENIED, RefusedLoginStep::User), 12013);
    EXPECT_EQ(internetErrorForCurl(CURLE_LOGIN_DENIED, RefusedLoginStep::Password), 12014);
    EXPECT_EQ(internetErrorForCurl(CURLE_COULDNT_RESOLVE_HOST, RefusedLoginStep::None), 12007);
    EXPECT_EQ(internetErrorForCurl(CURLE_PEER_FAILED_VERIFICATION, RefusedLoginStep::None), 12157); // an SSH host key
    EXPECT_EQ(internetErrorForCurl(CURLE_PEER_FAILED_VERIFICATION, RefusedLoginStep::None, true), 12045);
}

// Reaches the protected parts that a window never calls directly.
class ProbeFtp : public TSimpleFTP
{
public:
    using TSimpleFTP::StatusChanged;
    void prepare(qint64 size, const QString &name)
    {
        progress().FileSize = size;
        progress().FileName = name;
        progress().BytesTransferred = 0;
    }
    TFTPProgressInfo &progress() { return const_cast<TFTPProgressInfo &>(ProgressInfo()); }
};

TEST(ComponentRules, DefaultsStatesAndProgress)
{
    ProbeFtp ftp;
    EXPECT_EQ(ftp.ConnectRetries(), 3u);
    EXPECT_EQ(ftp.ConnectTimeout(), 300000u);
    ftp.setConnectTimeout(0);
    EXPECT_EQ(ftp.ConnectTimeout(), 300000u);
    EXPECT_EQ(ftp.Port(), 21);
    EXPECT_TRUE(ftp.SilentExceptions());
    EXPECT_FALSE(ftp.Passive());
    EXPECT_EQ(ftp.TransferType(), ttBinary);
    EXPECT_EQ(ftp.FileSystemType(), ftUnix);
    EXPECT_EQ(ftp.ResolveNames(), rnLocal);
    EXPECT_EQ(ftp.State(), fsNoconnection);
    EXPECT_EQ(ftp.Protocol(), TransferProtocol::Ftp);

    int changes = 0;
    QObject::connect(&ftp, &TSimpleFTP::OnStateChange, [&](TWinInetState) { ++changes; });
    EXPECT_TRUE(ftp.SetState(fsConnecting));
    EXPECT_FALSE(ftp.SetState(fsConnecting));
    EXPECT_EQ(changes, 1);
    ftp.SetState(fsNoconnection);

    QList<qint64> seen;
    QObject::connect(&ftp, &TSimpleFTP::OnTransferProgress, [&](const TFTPProgressInfo &info) { seen << info.BytesTransferred; });
    ftp.prepare(100, QStringLiteral("a.htm"));
    ftp.StatusChanged(31, 40);
    ftp.StatusChanged(31, 0); // 0 bytes: complete
    ftp.prepare(100, QStringLiteral("b.htm"));
    ftp.StatusChanged(41, 60);
    ftp.StatusChanged(41, 60); // past the size: complete
    ftp.prepare(100, QString());
    ftp.StatusChanged(41, 10); // no file name: no event
    EXPECT_EQ(seen, (QList<qint64>{40, 100, 60, 100}));

    // Quick progress writes the targets' properties.
    QObject minorBar, minorLabel, majorBar, majorLabel;
    ftp.setQuickProgress(true);
    ftp.setQuickProgressMinor(&minorBar);
    ftp.setQuickLabelMinor(&minorLabel);
    ftp.setQuickProgressMajor(&majorBar);
    ftp.setQuickLabelMajor(&majorLabel);
    ftp.setFilesProgress(2, 5);
    ftp.prepare(300, QStringLiteral("c.htm"));
    ftp.StatusChanged(31, 100);
    EXPECT_EQ(minorBar.property("value").toInt(), 33);
    EXPECT_EQ(minorBar.property("maximum").toInt(), 100);
    EXPECT_EQ(majorBar.property("value").toInt(), 2);
    EXPECT_EQ(majorBar.property("maximum").toInt(), 5);
    EXPECT_EQ(majorLabel.property("text").toString(), QStringLiteral("2 af 5"));
    EXPECT_EQ(minorLabel.property("text").toString(), QStringLiteral("c.htm"));
}

} // namespace
