#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

// The files of a project that the user ticked for publishing.
struct ProjectUpload
{
    QString projectTitle;
    QString root; // absolute, with "/" separators, ending with "/"
    // Relative to the root with "/" separators, in the order of the picker;
    // "../" steps for files that lie outside the root.
    QStringList relativePaths;
    // The picker's status text on the ticked files, shown by the publishing window.
    QString summary;
};

// Where the parts of the program hand files to the publishing window and the
// window asks the others for what it cannot do itself. The file list, the
// document tabs and the project page emit the upload requests; the publishing
// commands take them. Nobody listening means nothing happens, so a part never
// needs to know whether the publishing window is built.
class PublishRequests : public QObject
{
    Q_OBJECT

public:
    // The format in which entries of the publishing window's remote listing
    // are dragged: their names, one a line.
    static inline const QString RemoteFilesFormat = QStringLiteral("application/x-pagewick-remote-files");

    using QObject::QObject;

    // Whether the publishing commands are attached and take requests; the
    // other parts enable their upload entries by it.
    bool available() const { return m_available; }
    void setAvailable(bool available) { m_available = available; }

signals:
    // Files to upload into the current remote folder under their own names;
    // the label names them in the window's status line.
    void uploadFiles(const QStringList &localPaths, const QString &label);
    // One document of a project, sent to the current remote folder after the
    // publishing window's notice.
    void uploadProjectDocument(const QString &absolutePath);
    // The ticked files of a project, with their folders below the remote folder.
    void uploadProject(const ProjectUpload &upload);
    // The publishing window asks the project page to open its file picker for
    // uploading the project with this title (a project dropped on the window).
    void pickProjectFiles(const QString &projectTitle);
    // Remote files were dropped on the file list: download them into the folder.
    void downloadInto(const QString &folder);
    // Files changed on disk through the publishing window (a download): lists
    // showing them read them again.
    void localFilesChanged(const QString &folder);
    // An upload ended: what changed since publishing is to be asked anew.
    void filesPublished();

private:
    bool m_available = false;
};
