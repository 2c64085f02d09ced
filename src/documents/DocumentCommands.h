#pragma once

#include "core/Prompter.h"
#include "documents/DocumentPrinter.h"

#include <QObject>
#include <QStringList>

struct FileWriteError;
class QPoint;
class TFriendlyStatusBar;
class TLEdit;
class Workbench;

// The status panels of a document: its path (or that it is not saved) and today's date.
void showDocumentStatus(TFriendlyStatusBar &status, const QString &path);

// The documents' commands: creating, opening, saving and closing them, the
// recent files, printing, the master page, their captions and status
// panels, and files changed by other programs. Commands answer false when
// the user cancelled, or when a file could not be saved and the user did not
// save it elsewhere: the document then stays modified.
class DocumentCommands : public QObject
{
    Q_OBJECT

public:
    explicit DocumentCommands(Workbench &workbench);

    int NewDocumentTab(bool named);
    void NewDocument();
    // Opens each path that names an existing file, in order.
    void openFiles(const QStringList &paths);
    void FilAabn(const QString &path);
    bool FilAabenTjek(const QString &path);
    void openWithDialog();
    bool FilGem(int tab);
    bool FilGemsom(int tab);
    void saveAll();
    void saveWithDanishCodes();
    bool CloseDocument();
    bool closeAll();
    void toggleMasterTab();
    void ShowActiveDocument();
    void UpdateDocumentCaption(int tab);
    void StatusbarOpdater(const QString &path);
    void CheckExternalChanges();
    // Files dropped at a point of the window.
    void dropFiles(const QStringList &paths, const QPoint &windowPoint);
    // Where "Gem som" starts for a document never saved.
    void setSaveFolder(const QString &folder) { m_saveFolder = folder; }

private:
    void attachCommands();
    void showCodeEditor();
    void saveCurrent(bool danishCodes);
    bool offerSaveAs(int tab, const QString &path, const FileWriteError &error);
    bool loadInto(int tab, const QString &path, bool opened);
    QList<Prompter::FileFilter> documentFilters(bool forOpening) const;
    void refreshRecentFiles();
    TLEdit &editorAt(int tab) const;

    Workbench &m_workbench;
    DocumentPrinter m_printer;
    int m_newDocumentCounter = 1;
    QString m_lastOpenFolder;
    QString m_saveFolder;
    bool m_danishCodesAsked = false;
};
