#pragma once

#include <QObject>
#include <QPointer>

#include <functional>

class TfrmFtp;
class Workbench;
struct ProjectUpload;

// What the publishing commands need from the main window.
struct PublishServices
{
    // Known once the window has settled it, so asked for when needed.
    std::function<QString()> userDataFolder;
    // The folder the file list shows.
    std::function<QString()> localFolder;
};

// "Overførsel til Internet..." and the requests of the other parts: files,
// project documents and projects to upload, remote files to download. The
// publishing window is created on first use and gone once it is closed.
class PublishCommands : public QObject
{
    Q_OBJECT

public:
    PublishCommands(Workbench &workbench, PublishServices services);

    // The window while it exists.
    TfrmFtp *window() const;
    // Creates and shows the window, or brings the existing one to the front.
    TfrmFtp &showWindow();

    void uploadFiles(const QStringList &localPaths, const QString &label);
    // After the notice about sending one document of a project, shown the
    // first four times.
    void uploadProjectDocument(const QString &absolutePath);
    void uploadProject(const ProjectUpload &upload);
    void downloadInto(const QString &folder);

private:
    Workbench &m_workbench;
    PublishServices m_services;
    QPointer<TfrmFtp> m_window;
};
