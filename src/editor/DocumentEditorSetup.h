#pragma once

#include "core/EditorOptions.h"
#include "core/SettingsOptions.h"
#include "core/SyntaxColours.h"

#include <QSet>
#include <QString>

class QFont;
class TLEdit;

// Everything a document editor is configured from.
struct DocumentEditorLook
{
    EditorOptions options;
    SyntaxColours::Scheme colours;
    QSet<QString> elementNames; // lower case
};

// Gives a new document editor the properties every document editor has:
// options, font and colours, markup colouring, bookmarks and undo depth.
void configureDocumentEditor(TLEdit &editor, const DocumentEditorLook &look);

// The program's colouring of the words the editor reports.
void applyLook(TLEdit &editor, const DocumentEditorLook &look);

// The editor font of the options ("Courier New" falls back to the system's
// fixed-width font), and the options taking a chosen font.
QFont editorFont(const EditorOptions &options);
void setEditorFont(EditorOptions &options, const QFont &font);

// The desktop's window colours and the given user data folder, for reading options.
SettingsDefaults settingsDefaults(const QString &defaultUserDataFolder);
