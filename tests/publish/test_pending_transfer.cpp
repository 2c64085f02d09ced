// Pending transfers built from a project's files.
#include "publish/PendingTransfer.h"

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace {

TEST(PendingTransfer, AProjectsFilesKeepTheirFoldersWhichAreMadeFirst)
{
    const PendingTransfer transfer = PendingTransfer::ofProject(
        QStringLiteral("/home/a/site/"),
        {QStringLiteral("index.htm"), QStringLiteral("grafik/logo.gif"), QStringLiteral("grafik/ikoner/pil.png"),
         QStringLiteral("grafik/baggrund.gif"), QStringLiteral("../x.htm"), QStringLiteral("../andet/y.htm"),
         QStringLiteral(".well-known/security.txt")});

    EXPECT_TRUE(transfer.fromProject);
    EXPECT_EQ(transfer.localPaths,
              (QStringList{QStringLiteral("/home/a/site/index.htm"), QStringLiteral("/home/a/site/grafik/logo.gif"),
                           QStringLiteral("/home/a/site/grafik/ikoner/pil.png"),
                           QStringLiteral("/home/a/site/grafik/baggrund.gif"), QStringLiteral("/home/a/x.htm"),
                           QStringLiteral("/home/a/andet/y.htm"), QStringLiteral("/home/a/site/.well-known/security.txt")}));
    EXPECT_EQ(
        transfer.remoteNames,
        (QStringList{QStringLiteral("index.htm"), QStringLiteral("grafik/logo.gif"), QStringLiteral("grafik/ikoner/pil.png"),
                     QStringLiteral("grafik/baggrund.gif"), QStringLiteral("../x.htm"), QStringLiteral("../andet/y.htm"),
                     QStringLiteral(".well-known/security.txt")}));
    // Each folder once, in the order met; none outside the root; a hidden
    // folder is a folder like any other.
    EXPECT_EQ(transfer.foldersToCreate,
              (QStringList{QStringLiteral("grafik"), QStringLiteral("grafik/ikoner"), QStringLiteral(".well-known")}));
    EXPECT_EQ(filesOutsideRoot(transfer), (QStringList{QStringLiteral("../x.htm"), QStringLiteral("../andet/y.htm")}));
}

TEST(PendingTransfer, FilesOutsideTheRootAreTold)
{
    const struct
    {
        const char *relative;
        bool outside;
    } cases[] = {
        {"index.htm", false}, {"a/b/c.htm", false},    {"..x.htm", false}, {".htaccess", false},
        {"../x.htm", true},   {"a/../../x.htm", true}, {"..", true},       {"/etc/passwd", true},
    };
    for (const auto &c : cases)
        EXPECT_EQ(liesOutsideRoot(QString::fromUtf8(c.relative)), c.outside) << c.relative;
}

TEST(PendingTransfer, FilesOfAFolderListGoIntoTheCurrentRemoteFolder)
{
    PendingTransfer transfer = PendingTransfer::ofFiles({QStringLiteral("/a/b/side.htm"), QStringLiteral("/c/logo.gif")});
    EXPECT_FALSE(transfer.fromProject);
    EXPECT_EQ(transfer.remoteNames, (QStringList{QStringLiteral("side.htm"), QStringLiteral("logo.gif")}));
    EXPECT_TRUE(transfer.foldersToCreate.isEmpty());
    EXPECT_TRUE(transfer.isComplete());
    transfer.removeAt(0);
    EXPECT_EQ(transfer.localPaths, QStringList{QStringLiteral("/c/logo.gif")});
    EXPECT_EQ(transfer.remoteNames, QStringList{QStringLiteral("logo.gif")});
}

} // namespace
