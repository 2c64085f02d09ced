#include "preview/browser/webengine/OfflineRule.h"

#include <QUrl>

#include <gtest/gtest.h>

TEST(OfflineRule, LetsThroughLocalFilesAndTheUsersOwnMachineOnly)
{
    const struct
    {
        const char *url;
        bool reachable;
    } cases[] = {
        {"file:///home/user/site/index.html", true},
        {"data:text/html,<p>x</p>", true},
        {"about:blank", true},
        {"http://127.0.0.1:8080/index.html", true},
        {"http://127.5.6.7/", true},
        {"http://[::1]:3000/app.js", true},
        {"http://localhost/", true},
        {"https://LOCALHOST:8443/", true},
        {"http://site.localhost/", true},
        {"ws://127.0.0.1:9000/reload", true},
        {"http://example.com/", false},
        {"https://fonts.example.org/font.woff2", false},
        {"http://192.168.1.10/", false},
        {"http://10.0.0.1/", false},
        {"http://localhost.example.com/", false},
        {"http://127.0.0.1.example.com/", false},
        {"ftp://127.0.0.2/", true},
        {"ftp://ftp.example.com/", false},
    };
    for (const auto &c : cases)
        EXPECT_EQ(reachableOffline(QUrl(QString::fromLatin1(c.url))), c.reachable) << c.url;
}
