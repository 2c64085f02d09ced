#pragma once

#include <QByteArray>
#include <QString>

// Where the path of a request leads in the served folder. Only a file inside
// the folder is ever named: a step up, an encoded separator, a backslash, an
// empty step or a symbolic link that leaves the folder makes it Forbidden.
struct ServedFile
{
    enum class Kind {
        File, // path: inside the folder; it need not exist (an unsaved page of the editor)
        FolderWithoutSlash, // a folder asked for without its closing "/"
        Forbidden,
    };
    Kind kind;
    QString path;
};

// encodedPath is the request's path as it came, still percent-encoded. A
// folder's page is its "index.html".
ServedFile locateServedFile(const QString &root, const QByteArray &encodedPath);
