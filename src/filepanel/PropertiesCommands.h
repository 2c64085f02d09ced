#pragma once

#include "files/ListedFileFacts.h"

#include <QObject>

#include <optional>

class Workbench;

// "Egenskaber" of the File menu and the document menu, and the editor
// toolbar's "Overførselstid": the document properties window on the active
// document. The file list opens it on its entries.
class PropertiesCommands : public QObject
{
    Q_OBJECT
public:
    explicit PropertiesCommands(Workbench &workbench);

    // The window on a file; with the facts of a file list's entry when given.
    void showFileProperties(const QString &path, const std::optional<ListedFileFacts> &facts);

private:
    void showActiveDocument(bool transferPage);
    void open(const QString &path, const std::optional<ListedFileFacts> &facts, bool transferPage);

    Workbench &m_workbench;
};
