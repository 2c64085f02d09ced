// The reload script in a real browser engine: a page served by the preview
// server reloads itself when told to, shows the editor's new text, and keeps
// the reader's scroll position.
#include "preview/server/PreviewServer.h"

#include "support/WaitUntil.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QWebEnginePage>
#include <QWebEngineView>

#include <gtest/gtest.h>

#include <unistd.h>

namespace {

// A page as tall as several screens, with the editor's version in it.
QString tallPage(const QString &version)
{
    return u"<!DOCTYPE html><html><head><title>Lang side</title></head><body><p id=\"version\">" % version
        % u"</p><div style=\"height: 5000px\"></div></body></html>";
}

QVariant evaluate(QWebEngineView &view, const QString &script)
{
    QVariant result;
    bool done = false;
    view.page()->runJavaScript(script, [&](const QVariant &value) {
        result = value;
        done = true;
    });
    EXPECT_TRUE(waitUntil([&] { return done; }));
    return result;
}

TEST(ReloadInBrowser, AServedPageReloadsWithTheNewTextAndKeepsItsScrollPosition)
{
    QTemporaryDir root;
    const QString pagePath = root.filePath(QStringLiteral("side.html"));
    QFile file(pagePath);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(tallPage(QStringLiteral("gemt")).toUtf8());
    file.close();

    QString editorText = tallPage(QStringLiteral("første"));
    PreviewServer server(
        [&](const QString &path) { return path == pagePath ? std::optional<QString>(editorText) : std::nullopt; });
    server.setRoot(root.path());
    const std::optional<QUrl> address = server.addressOf(pagePath);
    ASSERT_TRUE(address);

    QWebEngineView view;
    view.resize(400, 300);
    view.show();
    int loads = 0;
    QObject::connect(&view, &QWebEngineView::loadFinished, [&](bool ok) { loads += ok ? 1 : 0; });
    view.load(*address);
    ASSERT_TRUE(waitUntil([&] { return loads == 1; }, 30000));
    EXPECT_EQ(evaluate(view, QStringLiteral("document.getElementById('version').textContent")).toString(),
              QStringLiteral("første"));
    ASSERT_TRUE(waitUntil([&] { return server.reloadListenerCount() == 1; }));
    evaluate(view, QStringLiteral("scrollTo(0, 1200)"));

    editorText = tallPage(QStringLiteral("anden"));
    server.announceReload();
    ASSERT_TRUE(waitUntil([&] { return loads == 2; }, 30000));
    const QString stateScript = QStringLiteral("document.getElementById('version').textContent + ' ' + scrollY");
    EXPECT_TRUE(waitUntil([&] { return evaluate(view, stateScript).toString() == u"anden 1200"; }))
        << evaluate(view, stateScript).toString().toStdString();
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The engine's sandbox cannot start as root.
    if (::geteuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
