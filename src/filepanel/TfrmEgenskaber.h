#pragma once

#include "core/SettingsOptions.h"
#include "files/ListedFileFacts.h"
#include "html/LinkScanner.h"

#include <QDialog>

#include <optional>

class GeneralPage;
class HelpLine;
class Prompter;
class QPushButton;
class QTabWidget;
class ReferencePage;
class TransferPage;

// The document properties window: what a file is and, for a page, what it
// refers to and how long it takes to download. In its chooser modes it lists
// references the caller gives, and the user picks addresses or a target.
class TfrmEgenskaber : public QDialog
{
    Q_OBJECT
public:
    enum class Mode { File, LinkList, Target };
    // The help context of the page control for a page.
    static constexpr int HelpContext = 14;

    TfrmEgenskaber(Mode mode, const SettingsOptions &options, Prompter &prompter, QWidget *parent = nullptr);

    // File mode: the file's facts, and for a page its references and
    // transfer times; `listed` are the facts of a file list's entry.
    void showFile(const QString &path, const std::optional<ListedFileFacts> &listed = std::nullopt);
    // Chooser modes: the rows to choose from, the page's and the window's caption.
    void showChoices(const QList<LinkItem> &rows, const QString &pageCaption, const QString &windowCaption);
    // Opens on "Overførselstid" when the file has that page.
    void showTransferPage();

    QTabWidget &pages() const { return *m_pages; }
    ReferencePage &references() const { return *m_references; }

Q_SIGNALS:
    void helpRequested(int context);

private:
    void choose();
    void attachHelp(bool htmlDocument);
    void removePage(QWidget *page);

    const SettingsOptions &m_options;
    QTabWidget *m_pages;
    ReferencePage *m_references;
    TransferPage *m_transfer;
    GeneralPage *m_general;
    HelpLine *m_help;
    QPushButton *m_ok;
    QPushButton *m_close;
    int m_helpContext = 0;
};

// Shows the window in a chooser mode with the rows; the chosen rows, or none
// when the user cancels or selects nothing.
QList<LinkItem> ChooseReferences(TfrmEgenskaber::Mode mode, const QList<LinkItem> &rows, const QString &pageCaption,
                                 const QString &windowCaption, const SettingsOptions &options, Prompter &prompter,
                                 QWidget *parent);
