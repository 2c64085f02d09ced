#include "app/QtPrompter.h"
#include "files/TargetFolder.h"
#include "filepanel/TBrowseDirectoryDlg.h"
#include "support/ScriptedPrompter.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileSystemModel>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeView>

#include <gtest/gtest.h>

namespace {

TEST(TargetFolder, TheChooserAsksInTheWordsOfTheOperationAndGivesAFolderWithASeparator)
{
    ScriptedPrompter prompter;
    prompter.expectFiles({QStringLiteral("/srv/www")}).expectFiles({});
    EXPECT_EQ(chooseTargetFolder(prompter, TargetFolderPurpose::Move, QStringLiteral("/home/a/")), QStringLiteral("/srv/www/"));
    EXPECT_EQ(chooseTargetFolder(prompter, TargetFolderPurpose::Copy, QStringLiteral("/home/a/")), QString());
    ASSERT_EQ(prompter.fileDialogs().size(), 2);
    EXPECT_EQ(prompter.fileDialogs().at(0).caption,
              QStringLiteral("Vælg den mappe, du ønsker at flytte de markerede filer til."));
    EXPECT_EQ(prompter.fileDialogs().at(0).folder, QStringLiteral("/home/a/"));
    EXPECT_EQ(prompter.fileDialogs().at(1).caption,
              QStringLiteral("Vælg den mappe, du ønsker at kopiere de markerede filer til."));
}

TEST(TBrowseDirectoryDlg, ASelectedFolderGetsOneSeparator)
{
    QTemporaryDir dir;
    TBrowseDirectoryDlg dialog;
    dialog.setSelection(dir.path());
    EXPECT_EQ(dialog.selection(), dir.path() + QLatin1Char('/'));
    dialog.setSelection(dir.path() + QLatin1Char('/'));
    EXPECT_EQ(dialog.selection(), dir.path() + QLatin1Char('/'));
    dialog.setSelection(dir.filePath(QStringLiteral("findes-ikke")));
    EXPECT_EQ(dialog.selection(), dir.filePath(QStringLiteral("findes-ikke")));
}

TEST(TBrowseDirectoryDlg, OpensOnTheSelectionAndGivesTheHighlightedFolder)
{
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("site/billeder")));
    TBrowseDirectoryDlg dialog;
    dialog.setTitle(QStringLiteral("Vælg den mappe, du ønsker at flytte de markerede filer til."));
    dialog.setShowSelectionInStatus(true);
    dialog.setSelection(dir.filePath(QStringLiteral("site")));
    QSignalSpy changes(&dialog, &TBrowseDirectoryDlg::selectionChanged);
    dialog.show();

    auto *tree = dialog.findChild<QTreeView *>();
    auto *model = qobject_cast<QFileSystemModel *>(tree->model());
    ASSERT_TRUE(model);
    EXPECT_EQ(model->filePath(tree->currentIndex()), dir.filePath(QStringLiteral("site")));
    EXPECT_EQ(changes.size(), 1);
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_LE((dialog.frameGeometry().center() - screen.center()).manhattanLength(), 2);

    tree->setCurrentIndex(model->index(dir.filePath(QStringLiteral("site/billeder"))));
    const QString status = dialog.findChild<QLabel *>(QStringLiteral("status"))->text();
    EXPECT_TRUE(status.endsWith(QStringLiteral("billeder"))) << status.toStdString();
    EXPECT_EQ(changes.last().value(0).toString(), dir.filePath(QStringLiteral("site/billeder")));

    dialog.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.selection(), dir.filePath(QStringLiteral("site/billeder/")));
}

TEST(TBrowseDirectoryDlg, IsTheFolderChooserOfTheRunningProgram)
{
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("site")));
    QString title;
    QTimer::singleShot(0, [&title] {
        auto *chooser = qobject_cast<TBrowseDirectoryDlg *>(QApplication::activeModalWidget());
        if (!chooser)
            return;
        title = chooser->title();
        chooser->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
    });
    // Should the chooser not be found, it is closed rather than left waiting.
    QTimer::singleShot(5000, [] {
        if (QWidget *modal = QApplication::activeModalWidget())
            modal->close();
    });
    QtPrompter prompter;
    EXPECT_EQ(prompter.chooseFolder(QStringLiteral("Vælg den lokale servers rodmappe:"), dir.filePath(QStringLiteral("site"))),
              dir.filePath(QStringLiteral("site")));
    EXPECT_EQ(title, QStringLiteral("Vælg den lokale servers rodmappe:"));
}

TEST(TBrowseDirectoryDlg, LongPathsGiveWayFromTheFront)
{
    const QFontMetrics metrics(QGuiApplication::font());
    const QString path = QStringLiteral("/home/bruger/hjemmesider/familien/billeder");
    EXPECT_EQ(TBrowseDirectoryDlg::shortenedPath(path, metrics, metrics.horizontalAdvance(path)), path);
    const QString tail = QStringLiteral(".../familien/billeder");
    EXPECT_EQ(TBrowseDirectoryDlg::shortenedPath(path, metrics, metrics.horizontalAdvance(tail)), tail);
    const QString cut = TBrowseDirectoryDlg::shortenedPath(path, metrics,
                                                           metrics.horizontalAdvance(QStringLiteral(".../bill...")));
    EXPECT_TRUE(cut.startsWith(QStringLiteral(".../bi")) && cut.endsWith(QStringLiteral("...")) && cut.size() < 14)
        << cut.toStdString();
}

} // namespace
