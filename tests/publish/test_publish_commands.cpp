// The publishing commands in the real main window: the window opened by
// "Overførsel til Internet...", and the files other parts hand over.
#include "editing/DocumentDrops.h"
#include "filepanel/TFileList.h"
#include "publish/PublishCommands.h"
#include "publish/RemoteListing.h"
#include "publish/TfrmFtp.h"
#include "support/MainWindowFixture.h"
#include "support/WaitUntil.h"
#include "workbench/PublishRequests.h"

#include <QAbstractItemView>
#include <QDropEvent>
#include <QMenu>
#include <QMimeData>
#include <QSignalSpy>

namespace {

class PublishCommandsTest : public MainWindowFixture
{
protected:
    void SetUp() override
    {
        QDir().mkpath(site());
        for (const char *name : {"index.htm", "om.htm"}) {
            QFile file(site() + QString::fromLatin1(name));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        }
        settings().writeText(QStringLiteral("Start"), QStringLiteral("Sti"), site());
        MainWindowFixture::SetUp();
        ASSERT_TRUE(waitUntil([this] { return list().Directory() == site() && !list().listing(); }));
    }
    QString site() { return m_dir.filePath(QStringLiteral("site/")); }
    TFileList &list() { return *m_window->findChild<TFileList *>(); }
    PublishCommands &publishing() { return *m_window->findChild<PublishCommands *>(); }
    PublishRequests &requests() { return m_window->publishRequests(); }
    int noticesShown() { return settings().readInt(QStringLiteral("Start"), QStringLiteral("FTP142"), 0); }
};

TEST_F(PublishCommandsTest, OpensOneWindowAndBringsItBack)
{
    EXPECT_TRUE(requests().available());
    run("actOverfoersel");
    QPointer<TfrmFtp> window = publishing().window();
    ASSERT_FALSE(window.isNull());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Overførsel til Internet"));
    EXPECT_TRUE(window->isVisible());

    window->showMinimized();
    run("actOverfoersel");
    EXPECT_EQ(publishing().window(), window.data()) << "one window at a time";
    EXPECT_FALSE(window->isMinimized());

    window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window.isNull()) << "closed is gone";
    run("actOverfoersel");
    EXPECT_NE(publishing().window(), nullptr);
}

TEST_F(PublishCommandsTest, TheSingleProjectDocumentNoticeIsShownFourTimes)
{
    const QString page = site() + QStringLiteral("index.htm");
    for (int shown = 0; shown <= 3; ++shown) {
        const Prompter::Button answer = shown == 1 ? Prompter::No : Prompter::Yes;
        m_prompter.expect(QStringLiteral("Denne besked vises %1 gang(e) til.").arg(3 - shown), answer);
        emit requests().uploadProjectDocument(page);
        EXPECT_EQ(m_prompter.seen().last().caption, QStringLiteral("Overførsel af index.htm til Internet"));
        EXPECT_EQ(noticesShown(), shown + 1);
    }
    ASSERT_NE(publishing().window(), nullptr);
    publishing().window()->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    // The fifth is queued without asking.
    emit requests().uploadProjectDocument(page);
    EXPECT_EQ(noticesShown(), 4);
    ASSERT_NE(publishing().window(), nullptr);
    EXPECT_EQ(publishing().window()->pending().localPaths, QStringList({page}));
    EXPECT_EQ(publishing().window()->statusText(), QStringLiteral("index.htm  markeret til overførsel til ftp-server"));
}

TEST_F(PublishCommandsTest, TheFileListSendsItsSelectionAndTakesRemoteFiles)
{
    list().selectAll();
    auto *menu = list().findChild<QMenu *>(QStringLiteral("popFilliste"));
    ASSERT_NE(menu, nullptr);
    QAction *upload = nullptr;
    for (QAction *action : menu->actions()) {
        if (action->text() == QStringLiteral("O&verfør til Internet..."))
            upload = action;
    }
    ASSERT_NE(upload, nullptr);
    upload->trigger();
    ASSERT_NE(publishing().window(), nullptr);
    EXPECT_EQ(publishing().window()->pending().count(), 2);
    EXPECT_EQ(publishing().window()->statusText(), QStringLiteral("2 fil(er)  markeret til overførsel til ftp-server"));

    // Entries of the remote listing dropped on the list are fetched into its folder.
    QSignalSpy asked(&requests(), &PublishRequests::downloadInto);
    QMimeData mime;
    mime.setData(PublishRequests::RemoteFilesFormat, "index.htm");
    QWidget *target = list().view()->viewport();
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &drop);
    ASSERT_EQ(asked.size(), 1);
    EXPECT_EQ(asked.first().first().toString(), site());
}

TEST_F(PublishCommandsTest, AProjectDroppedOnTheListingAsksForItsFilePicker)
{
    run("actOverfoersel");
    QWidget *listing = publishing().window()->listing().currentView()->viewport();
    const auto drop = [listing](const QString &format, const QByteArray &data) {
        QMimeData mime;
        mime.setData(format, data);
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(listing, &enter);
        QDropEvent dropped(QPointF(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(listing, &dropped);
        return enter.isAccepted();
    };
    QSignalSpy picked(&requests(), &PublishRequests::pickProjectFiles);
    EXPECT_TRUE(drop(QStringLiteral("application/x-pagewick-project"), QStringLiteral("Min side").toUtf8()));
    ASSERT_EQ(picked.size(), 1);
    EXPECT_EQ(picked.first().first().toString(), QStringLiteral("Min side"));

    // Files from the file list need a connection; the listing's own entries are not taken back.
    m_prompter.expect(QStringLiteral("Du skal være forbundet til serveren"));
    EXPECT_TRUE(drop(DocumentDrops::FileListFormat, (site() + QStringLiteral("index.htm")).toUtf8()));
    EXPECT_FALSE(drop(PublishRequests::RemoteFilesFormat, "index.htm"));
}

TEST_F(PublishCommandsTest, TheDocumentMenuSendsTheActiveDocument)
{
    const QString page = site() + QStringLiteral("om.htm");
    m_window->documentCommands().FilAabn(page);
    std::unique_ptr<QMenu> tabs(m_window->editorCommands().contextMenus().documentMenu(true));
    QAction *upload = nullptr;
    for (QAction *action : tabs->actions()) {
        if (action->text() == QStringLiteral("Overførsel til Internet..."))
            upload = action;
    }
    ASSERT_NE(upload, nullptr);
    ASSERT_TRUE(upload->isEnabled());
    upload->trigger();
    ASSERT_NE(publishing().window(), nullptr);
    EXPECT_EQ(publishing().window()->pending().localPaths, QStringList({page}));
    EXPECT_EQ(publishing().window()->statusText(), QStringLiteral("om.htm  markeret til overførsel til ftp-server"));
}

} // namespace
