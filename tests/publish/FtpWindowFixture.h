#pragma once

// A publishing window over a temporary settings file and user data folder,
// shown offscreen, with its prompts answered by a script, and a real FTP
// server to connect to.
#include "FtpTestClient.h"

#include "core/SettingsStore.h"
#include "publish/FtpSitePanel.h"
#include "publish/RemoteListing.h"
#include "publish/TfrmFtp.h"
#include "support/ScriptedPrompter.h"
#include "support/WaitUntil.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <QPointer>
#include <QSpinBox>

#include <gtest/gtest.h>

#include <memory>

class FtpWindowFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_server = std::make_unique<FtpTestServer>(serverOptions);
        ASSERT_TRUE(server().started());
        openWindow();
    }
    void TearDown() override
    {
        closeWindow();
        EXPECT_TRUE(prompter.allAnswered());
    }

    void openWindow()
    {
        window = new TfrmFtp(
            {store, prompter, data.path(), [this] { return local.path(); }, {}, SiteStore::PasswordPlace::SettingsFile});
        window->show();
    }
    // Closes the window and waits until it is gone.
    void closeWindow()
    {
        if (!window)
            return;
        window->close();
        waitUntil([this] {
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            return window.isNull();
        });
        ASSERT_TRUE(window.isNull()) << "the window stays";
    }

    // The fields of a site on the test server.
    void fillSite()
    {
        FtpSitePanel &panel = window->sitePanel();
        panel.server->setText(QStringLiteral("127.0.0.1"));
        panel.port->setValue(server().port());
        panel.user->setText(FtpTestServer::User);
        panel.password->setText(FtpTestServer::Password);
    }
    void connectWindow()
    {
        fillSite();
        window->connectToSite();
        ASSERT_TRUE(window->isConnected());
        ASSERT_FALSE(window->isBusy());
    }

    QAction &command(const char *name)
    {
        QAction *action = window->command(QString::fromLatin1(name));
        EXPECT_NE(action, nullptr) << name;
        return *action;
    }
    // The names of the enabled commands among these.
    QStringList enabled(const QStringList &names)
    {
        QStringList on;
        for (const QString &name : names) {
            if (window->command(name)->isEnabled())
                on << name;
        }
        return on;
    }
    QStringList shownNames()
    {
        QStringList names;
        for (const RemoteEntry &entry : window->listing().model().entries())
            names << entry.name();
        return names;
    }
    void select(const QStringList &names)
    {
        RemoteListing &listing = window->listing();
        listing.currentView()->clearSelection();
        for (int row = 0; row < listing.model().rowCount(); ++row) {
            if (names.contains(listing.model().entry(row).name()))
                // As a click in the list view does: the name alone.
                listing.currentView()->selectionModel()->select(listing.model().index(row, 0), QItemSelectionModel::Select);
        }
    }
    QString serverFile(const QString &relative) { return server().rootPath(relative); }

    FtpTestServer &server() { return *m_server; }

    // The server's options, set before SetUp.
    FtpTestServer::Options serverOptions;
    std::unique_ptr<FtpTestServer> m_server;
    QTemporaryDir data; // the user data folder
    QTemporaryDir local; // the file list's folder
    SettingsStore store{data.filePath(QStringLiteral("Pagewick.ini"))};
    ScriptedPrompter prompter;
    QPointer<TfrmFtp> window;
};
