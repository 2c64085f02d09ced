// The preview server's rules without a network: which file a request's path
// names (and which it may never name), which Host header is its own, the
// content types, and where the reload script goes into a page.
#include "preview/server/ContentType.h"
#include "preview/server/OwnHost.h"
#include "preview/server/ReloadScript.h"
#include "preview/server/ServedFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

void writeFile(const QString &path, const QByteArray &bytes = "x")
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// root/ holds index.html, "mappe med æ/side.html", an empty folder, and
// links: one to a file outside root, one to a folder outside, one inside.
class ServedFolder : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_temp.isValid());
        const QDir top(m_temp.path());
        ASSERT_TRUE(top.mkpath(QStringLiteral("root/mappe med æ")));
        ASSERT_TRUE(top.mkpath(QStringLiteral("root/tom")));
        ASSERT_TRUE(top.mkpath(QStringLiteral("outside")));
        writeFile(top.filePath(QStringLiteral("root/index.html")));
        writeFile(top.filePath(QStringLiteral("root/mappe med æ/side.html")));
        writeFile(top.filePath(QStringLiteral("outside/secret.txt")));
        ASSERT_TRUE(QFile::link(top.filePath(QStringLiteral("outside/secret.txt")), root() + QStringLiteral("/secret.txt")));
        ASSERT_TRUE(QFile::link(top.filePath(QStringLiteral("outside")), root() + QStringLiteral("/ude")));
        ASSERT_TRUE(QFile::link(root() + QStringLiteral("/index.html"), root() + QStringLiteral("/alias.html")));
    }
    QString root() const { return m_temp.path() + QStringLiteral("/root"); }

    QTemporaryDir m_temp;
};

TEST_F(ServedFolder, PathsInsideTheFolderNameTheirFiles)
{
    const struct
    {
        const char *request;
        const char *file;
    } cases[] = {
        {"/", "/index.html"},
        {"/index.html", "/index.html"},
        {"/mappe%20med%20%C3%A6/side.html", "/mappe med æ/side.html"},
        {"/mappe%20med%20%C3%A6/", "/mappe med æ/index.html"},
        {"/ny.html", "/ny.html"}, // not on disk: an unsaved page of the editor may have it
        {"/tom/", "/tom/index.html"},
        {"/alias.html", "/alias.html"}, // a link that stays inside
    };
    for (const auto &c : cases) {
        const ServedFile served = locateServedFile(root(), c.request);
        EXPECT_EQ(served.kind, ServedFile::Kind::File) << c.request;
        EXPECT_EQ(served.path, root() + QString::fromUtf8(c.file)) << c.request;
    }
}

TEST_F(ServedFolder, AFolderWithoutItsSlashIsNamedForARedirect)
{
    const ServedFile served = locateServedFile(root(), "/tom");
    EXPECT_EQ(served.kind, ServedFile::Kind::FolderWithoutSlash);
}

TEST_F(ServedFolder, PathsThatCouldLeaveTheFolderAreForbidden)
{
    const char *cases[] = {
        "/../outside/secret.txt",
        "/mappe%20med%20%C3%A6/../../outside/secret.txt",
        "/%2e%2e/outside/secret.txt",
        "/%2E%2E/outside/secret.txt",
        "/.%2e/outside/secret.txt",
        "/..%2foutside%2fsecret.txt",
        "/%2Fetc%2Fpasswd",
        "/..\\outside\\secret.txt",
        "/..%5coutside%5csecret.txt",
        "//etc/passwd",
        "/./index.html",
        "/index.html%00.txt",
        "etc/passwd",
        "http://127.0.0.1/etc/passwd",
        "/secret.txt", // a link to a file outside
        "/ude/secret.txt", // a link to a folder outside
        "/ude/",
        "/ude/ny.html",
    };
    for (const char *request : cases)
        EXPECT_EQ(locateServedFile(root(), request).kind, ServedFile::Kind::Forbidden) << request;
}

TEST(PreviewServerRules, OnlyTheLoopbackNameWithTheServersPortIsItsOwnHost)
{
    const struct
    {
        const char *host;
        bool own;
    } cases[] = {
        {"127.0.0.1:8123", true},
        {"localhost:8123", true},
        {"LocalHost:8123", true},
        {"127.0.0.1:8124", false},
        {"127.0.0.1", false},
        {"evil.example:8123", false},
        {"127.0.0.1.evil.example:8123", false},
        {"", false},
    };
    for (const auto &c : cases)
        EXPECT_EQ(isOwnHost(c.host, 8123), c.own) << c.host;
}

TEST(PreviewServerRules, ContentTypesComeFromTheFileName)
{
    const struct
    {
        const char *file;
        const char *type;
    } cases[] = {
        {"side.html", "text/html"},       {"side.htm", "text/html"},
        {"stil.css", "text/css"},         {"data.json", "application/json"},
        {"billede.png", "image/png"},     {"billede.JPG", "image/jpeg"},
        {"tegning.svg", "image/svg+xml"}, {"ukendt.pwx", "application/octet-stream"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(contentTypeOf(QString::fromUtf8(c.file)), QByteArray(c.type)) << c.file;
    // Browsers run modules only with a JavaScript type.
    for (const char *file : {"app.js", "modul.mjs"})
        EXPECT_TRUE(contentTypeOf(QString::fromUtf8(file)).contains("javascript")) << file;
}

TEST(PreviewServerRules, TheReloadScriptGoesBeforeTheLastClosingBodyTag)
{
    const QByteArray page = withReloadScript("<html><body><p>\"</body>\" i tekst</p>\n</BODY></html>");
    const qsizetype script = page.indexOf("<script>");
    ASSERT_GE(script, 0);
    EXPECT_EQ(page.indexOf("</BODY>"), page.indexOf("</script>") + qsizetype(strlen("</script>\n")));
    EXPECT_LT(page.indexOf("i tekst"), script);
    EXPECT_TRUE(page.contains(ReloadSocketPath));

    const QByteArray fragment = withReloadScript("<p>Uden body</p>");
    EXPECT_TRUE(fragment.startsWith("<p>Uden body</p><script>"));
}

} // namespace
