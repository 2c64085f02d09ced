#include "filepanel/FilePanelCommands.h"
#include "filepanel/TDirTree.h"
#include "filepanel/TFileList.h"
#include "projects/PublishRecord.h"
#include "support/MainWindowFixture.h"
#include "support/WaitUntil.h"
#include "workbench/TFriendlyStatusBar.h"

#include <QAbstractItemView>
#include <QDialog>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QToolBar>
#include <QTreeView>
#include <QUrl>

namespace {

class FilePanel : public MainWindowFixture
{
protected:
    void SetUp() override
    {
        QDir().mkpath(site());
        writeFile(QStringLiteral("index.htm"), "<html><head><title>Forsiden</title></head></html>", 3);
        writeFile(QStringLiteral("om.HTML"), "<title>Om os</title>", 2);
        writeFile(QStringLiteral("stil.css"), "p {}", 1);
        QImage picture(20, 10, QImage::Format_RGB32);
        picture.fill(Qt::red);
        ASSERT_TRUE(picture.save(site() + QStringLiteral("billede.png")));
        QDir().mkpath(site() + QStringLiteral("under"));
        settings().writeText(QStringLiteral("Start"), QStringLiteral("Sti"), site());
        settings().writeInt(QStringLiteral("Start"), QStringLiteral("Vis"), 2);
        MainWindowFixture::SetUp();
        ASSERT_TRUE(waitUntil([this] { return list().Directory() == site() && !list().listing(); }));
    }
    QString site() { return m_dir.filePath(QStringLiteral("site/")); }
    // A file with its modification time that many days back.
    void writeFile(const QString &name, const QByteArray &bytes, int daysOld)
    {
        QFile file(site() + name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        file.flush();
        file.setFileTime(QDateTime::currentDateTime().addDays(-daysOld), QFileDevice::FileModificationTime);
    }
    TFileList &list() { return *m_window->findChild<TFileList *>(); }
    TDirTree &tree() { return *m_window->findChild<TDirTree *>(); }
    TFriendlyStatusBar &status() { return *m_window->findChild<TFriendlyStatusBar *>(); }
    QTreeView &details() { return *list().findChild<QTreeView *>(QStringLiteral("lwFilerDetaljer")); }
    // The names in the order the details view shows them.
    QStringList shownNames()
    {
        QStringList names;
        for (int row = 0; row < details().model()->rowCount(); ++row)
            names << details().model()->index(row, 0).data().toString();
        return names;
    }
    void select(const QString &name)
    {
        list().selectName(name);
        const QModelIndex current = details().currentIndex();
        details().clicked(current);
    }
    void waitForListing()
    {
        ASSERT_TRUE(waitUntil([this] { return !list().listing(); }));
    }
    // The entries the list's menu shows now, by caption without "&".
    QStringList menuEntries()
    {
        auto *menu = list().findChild<QMenu *>(QStringLiteral("popFilliste"));
        QMetaObject::invokeMethod(
            menu, [menu] { menu->close(); }, Qt::QueuedConnection);
        QTest::keyClick(details().viewport(), Qt::Key_F10, Qt::ShiftModifier);
        QStringList captions;
        for (QAction *action : menu->actions()) {
            if (action->isVisible() && !action->isSeparator())
                captions << action->text().remove(QLatin1Char('&'));
        }
        return captions;
    }
};

TEST_F(FilePanel, ShowsTheStoredFolderAndViewWithTheHtmlFilterAndKeepsThem)
{
    EXPECT_EQ(tree().currentFolder(), site());
    EXPECT_EQ(shownNames(), (QStringList{QStringLiteral("index.htm"), QStringLiteral("om.HTML")}));
    EXPECT_EQ(list().viewStyle(), TFileList::List);
    EXPECT_TRUE(command("actOversigt")->isChecked());
    run("actDetaljer");

    const QString other = m_dir.filePath(QStringLiteral("site/under"));
    ASSERT_TRUE(tree().goTo(other));
    EXPECT_EQ(list().Directory(), other + QLatin1Char('/'));
    waitForListing();
    EXPECT_EQ(status().panelText(0), QDir::toNativeSeparators(other + QLatin1Char('/')));
    EXPECT_EQ(status().panelText(1), QStringLiteral("0 fil(er)"));
    m_window->close();
    EXPECT_EQ(settings().readText(QStringLiteral("Start"), QStringLiteral("Sti"), QString()), other + QLatin1Char('/'));
    EXPECT_EQ(settings().readInt(QStringLiteral("Start"), QStringLiteral("Vis"), -1), int(TFileList::Details));
}

TEST_F(FilePanel, AttributesShowAForFilesChangedSinceTheyWereLastPublished)
{
    const auto attributes = [this](const QString &name) {
        const int row = int(shownNames().indexOf(name));
        return details().model()->index(row, int(FileColumn::Attributes)).data().toString();
    };
    // Nothing published yet, and no record: every file has changed.
    ASSERT_TRUE(waitUntil([&] { return attributes(QStringLiteral("index.htm")) == QStringLiteral("A"); }));
    EXPECT_EQ(attributes(QStringLiteral("om.HTML")), QStringLiteral("A"));

    PublishRecord record(PublishRecord::fileIn(m_dir.filePath(QStringLiteral("data"))));
    ASSERT_TRUE(record.open()) << record.errorText().toStdString();
    ASSERT_TRUE(record.recordUploaded(QStringLiteral("ftp://host.dk"), QString(), {site() + QStringLiteral("index.htm")}));
    list().refresh();
    // The letters come once the list has been read again and the record asked.
    ASSERT_TRUE(waitUntil([&] { return attributes(QStringLiteral("om.HTML")) == QStringLiteral("A"); }));
    EXPECT_EQ(attributes(QStringLiteral("index.htm")), QString());

    // A change on disk is seen when the list reads the folder again.
    writeFile(QStringLiteral("index.htm"), "<html><head><title>Ny forside</title></head></html>", 0);
    list().refresh();
    EXPECT_TRUE(waitUntil([&] { return attributes(QStringLiteral("index.htm")) == QStringLiteral("A"); }));
}

TEST_F(FilePanel, TypeFiltersAgreeInEveryPlaceAndPicturesShowTheirSize)
{
    run("actFilterBilleder");
    waitForListing();
    EXPECT_EQ(shownNames(), QStringList{QStringLiteral("billede.png")});
    EXPECT_TRUE(command("actFilterBilleder")->isChecked());
    EXPECT_FALSE(command("actFilterHtml")->isChecked());
    const QList<QAction *> buttons = m_window->findChild<QToolBar *>(QStringLiteral("tbFiler2"))->actions();
    EXPECT_TRUE(buttons.at(1)->isChecked()); // "Billedfiler"
    EXPECT_FALSE(buttons.at(0)->isChecked());
    EXPECT_EQ(status().panelText(1), QStringLiteral("1 fil(er)"));

    select(QStringLiteral("billede.png"));
    EXPECT_EQ(status().panelText(0), QStringLiteral("Billedfil 20 x 10 pixels"));
    EXPECT_TRUE(m_window->findChild<QLabel *>(QStringLiteral("imgViewer"))->isVisible());

    // The reference to the picture carries the size last previewed.
    run("actFilterAlle");
    waitForListing();
    EXPECT_EQ(shownNames().size(), 4);
    select(QStringLiteral("billede.png"));
    editor().setFocus();
    list().setFocus();
    const QStringList entries = menuEntries();
    ASSERT_TRUE(entries.contains(QStringLiteral("Indsæt henvisning")));
    auto *menu = list().findChild<QMenu *>(QStringLiteral("popFilliste"));
    for (QAction *action : menu->actions()) {
        if (action->text() == QStringLiteral("&Indsæt henvisning"))
            action->trigger();
    }
    EXPECT_TRUE(editor().GetText().contains(QStringLiteral("width=\"20\"")));
    EXPECT_TRUE(editor().GetText().contains(QStringLiteral("billede.png")));

    select(QStringLiteral("index.htm"));
    EXPECT_EQ(status().panelText(0), QStringLiteral("Forsiden"));
}

TEST_F(FilePanel, ChangedHeaderShowsTheNewestFirstAndReversesOnTheSecondClick)
{
    run("actFilterAlle");
    waitForListing();
    const int modified = 3;
    details().header()->setSortIndicator(modified, Qt::AscendingOrder);
    EXPECT_EQ(shownNames(),
              (QStringList{QStringLiteral("billede.png"), QStringLiteral("stil.css"), QStringLiteral("om.HTML"),
                           QStringLiteral("index.htm")}));
    details().header()->setSortIndicator(modified, Qt::DescendingOrder);
    EXPECT_EQ(shownNames().first(), QStringLiteral("index.htm"));
}

TEST_F(FilePanel, MenuOffersListEntriesWithoutSelectionAndFileEntriesWithOne)
{
    list().setFocus();
    details().clearSelection();
    QStringList entries = menuEntries();
    EXPECT_TRUE(entries.contains(QStringLiteral("Ret filnavne...")));
    EXPECT_TRUE(entries.contains(QStringLiteral("Opdater filliste")));
    EXPECT_FALSE(entries.contains(QStringLiteral("Slet")));
    select(QStringLiteral("index.htm"));
    entries = menuEntries();
    EXPECT_TRUE(entries.contains(QStringLiteral("Slet")));
    EXPECT_TRUE(entries.contains(QStringLiteral("Åbn")));
    EXPECT_FALSE(entries.contains(QStringLiteral("Ret filnavne...")));
}

TEST_F(FilePanel, PropertiesOfAnEntryShowTheListsFacts)
{
    select(QStringLiteral("om.HTML"));
    list().setFocus();
    QString type;
    QString address;
    m_prompter.expectDialog(QStringLiteral("Egenskaber for ") + site() + QStringLiteral("om.HTML"), [&](QDialog &dialog) {
        type = dialog.findChild<QLabel *>(QStringLiteral("lblFiltype"))->text();
        address = dialog.findChild<QLabel *>(QStringLiteral("lblAdresse"))->text();
    });
    QTest::keyClick(&details(), Qt::Key_Return, Qt::AltModifier);
    EXPECT_EQ(address, site());
    EXPECT_EQ(type, details().model()->index(details().currentIndex().row(), 2).data().toString());
    EXPECT_FALSE(type.isEmpty());
}

TEST_F(FilePanel, EnterOpensPagesAsDocumentsAndMarkAllTakesTheFocusedList)
{
    list().setFocus();
    run("actMarkerAlt");
    EXPECT_EQ(list().selectedPaths().size(), 2);
    EXPECT_TRUE(editor().GetSelection().isEmpty());

    select(QStringLiteral("om.HTML"));
    QTest::keyClick(&details(), Qt::Key_Return);
    EXPECT_EQ(m_window->documents().active().path, site() + QStringLiteral("om.HTML"));
    EXPECT_TRUE(editor().GetText().contains(QStringLiteral("Om os")));
}

TEST_F(FilePanel, ListFollowsTheDiskAndF5ReadsTheTree)
{
    select(QStringLiteral("om.HTML"));
    writeFile(QStringLiteral("ny.htm"), "", 0);
    EXPECT_TRUE(waitUntil([this] { return shownNames().contains(QStringLiteral("ny.htm")); }));
    EXPECT_EQ(list().selectedPaths(), QStringList{site() + QStringLiteral("om.HTML")}); // kept over the reading

    QDir().mkpath(site() + QStringLiteral("nymappe"));
    tree().currentItem()->setExpanded(true);
    const auto childNames = [this] {
        QStringList names;
        for (int i = 0; i < tree().currentItem()->childCount(); ++i)
            names << tree().currentItem()->child(i)->text(0);
        return names;
    };
    QDir().mkpath(site() + QStringLiteral("senere"));
    EXPECT_FALSE(childNames().contains(QStringLiteral("senere")));
    run("actOpdater");
    tree().currentItem()->setExpanded(true);
    EXPECT_TRUE(childNames().contains(QStringLiteral("senere")));
    EXPECT_EQ(tree().currentFolder(), site());

    // A folder that has gone gives way to the home folder, in the tree and the list.
    ASSERT_TRUE(tree().goTo(site() + QStringLiteral("senere")));
    QDir(site() + QStringLiteral("senere")).removeRecursively();
    run("actOpdater");
    EXPECT_EQ(tree().currentFolder(), QDir::homePath() + QLatin1Char('/'));
    EXPECT_EQ(list().Directory(), QDir::homePath() + QLatin1Char('/'));
}

TEST_F(FilePanel, NewFolderIsMadeInTheTreesFolder)
{
    m_prompter.expectInput(QStringLiteral("billeder"));
    for (QAction *button : m_window->findChild<QToolBar *>(QStringLiteral("tbFiler2"))->actions()) {
        if (button->text() == QStringLiteral("Opret ny mappe"))
            button->trigger();
    }
    EXPECT_TRUE(QFileInfo(site() + QStringLiteral("billeder")).isDir());
    EXPECT_EQ(tree().currentFolder(), site());
}

// A drag's whole visit to a widget: entering, moving and dropping at a point.
bool dropOn(QWidget &target, const QPoint &at, QMimeData &mime)
{
    QDragEnterEvent enter(at, Qt::CopyAction | Qt::MoveAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&target, &enter);
    QDragMoveEvent move(at, Qt::CopyAction | Qt::MoveAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&target, &move);
    QDropEvent drop(at, Qt::CopyAction | Qt::MoveAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&target, &drop);
    return drop.isAccepted();
}

TEST_F(FilePanel, EntriesDroppedOnAFolderMoveThereAndOtherProgramsFilesAreCopiedIn)
{
    select(QStringLiteral("om.HTML"));
    std::unique_ptr<QMimeData> entries(details().model()->mimeData({details().currentIndex()}));
    tree().currentItem()->setExpanded(true);
    QTreeWidgetItem *under = nullptr;
    for (int i = 0; i < tree().currentItem()->childCount(); ++i) {
        if (tree().currentItem()->child(i)->text(0) == QStringLiteral("under"))
            under = tree().currentItem()->child(i);
    }
    ASSERT_NE(under, nullptr);
    ASSERT_TRUE(dropOn(*tree().viewport(), tree().visualItemRect(under).center(), *entries));
    EXPECT_TRUE(QFileInfo::exists(site() + QStringLiteral("under/om.HTML")));
    waitForListing();
    EXPECT_EQ(shownNames(), QStringList{QStringLiteral("index.htm")});

    QTemporaryDir elsewhere;
    QFile outside(elsewhere.filePath(QStringLiteral("ude.htm")));
    ASSERT_TRUE(outside.open(QIODevice::WriteOnly));
    outside.close();
    QMimeData files;
    files.setUrls({QUrl::fromLocalFile(outside.fileName())});
    ASSERT_TRUE(dropOn(*details().viewport(), QPoint(5, 5), files));
    EXPECT_TRUE(QFileInfo::exists(outside.fileName()));
    waitForListing();
    EXPECT_EQ(shownNames(), (QStringList{QStringLiteral("index.htm"), QStringLiteral("ude.htm")}));
}

TEST_F(FilePanel, RenamingInPlaceRenamesTheFile)
{
    select(QStringLiteral("om.HTML"));
    EXPECT_TRUE(details().model()->setData(details().currentIndex(), QStringLiteral("om-os.htm")));
    EXPECT_TRUE(QFileInfo::exists(site() + QStringLiteral("om-os.htm")));
    EXPECT_TRUE(waitUntil([this] { return shownNames().contains(QStringLiteral("om-os.htm")); }));
    EXPECT_EQ(list().selectedPaths(), QStringList{site() + QStringLiteral("om-os.htm")});
}

TEST_F(FilePanel, MoveKeysAskForTheFolderAndTheListLosesTheMovedFiles)
{
    editor().SetText(QStringLiteral("tekst"));
    select(QStringLiteral("index.htm"));
    list().setFocus();
    m_prompter.expectFiles({site() + QStringLiteral("under")});
    QTest::keyClick(&details(), Qt::Key_X, Qt::ControlModifier | Qt::ShiftModifier);
    ASSERT_EQ(m_prompter.fileDialogs().size(), 1);
    EXPECT_EQ(m_prompter.fileDialogs().first().caption,
              QStringLiteral("Vælg den mappe, du ønsker at flytte de markerede filer til."));
    EXPECT_TRUE(QFileInfo::exists(site() + QStringLiteral("under/index.htm")));
    waitForListing();
    EXPECT_EQ(shownNames(), QStringList{QStringLiteral("om.HTML")});
    EXPECT_EQ(editor().GetText(), QStringLiteral("tekst"));
}

TEST_F(FilePanel, APictureDraggedIntoThePageBecomesAnImageOfItsOwnSize)
{
    run("actFilterBilleder");
    waitForListing();
    const QModelIndex picture = details().model()->index(0, 0);
    ASSERT_EQ(picture.data().toString(), QStringLiteral("billede.png"));
    std::unique_ptr<QMimeData> dragged(details().model()->mimeData({picture}));
    ASSERT_TRUE(dropOn(*editor().viewport(), pointOf(1, 0), *dragged));
    EXPECT_TRUE(editor().GetText().contains(QStringLiteral("width=\"20\" height=\"10\""))) << qPrintable(editor().GetText());
}

} // namespace
