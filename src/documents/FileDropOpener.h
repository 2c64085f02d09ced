#pragma once

#include <QObject>

class DocumentCommands;
class QWidget;

// Files dragged from other programs onto the window or a document editor
// open as documents, instead of being pasted as text.
class FileDropOpener : public QObject
{
    Q_OBJECT

public:
    FileDropOpener(QWidget &window, DocumentCommands &commands);

    // Takes the file drops of a widget inside the window.
    void watch(QWidget &widget);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget &m_window;
    DocumentCommands &m_commands;
};
