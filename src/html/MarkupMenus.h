#pragma once

#include <QList>
#include <QObject>

class QAction;
class QMenu;
class Workbench;

// The drop-downs of the toolbar's "Skrifttype" and "Tabel" buttons: the
// headings and the remembered class names as styles, and quick tables of up
// to nine rows and columns with the table commands.
class MarkupMenus : public QObject
{
    Q_OBJECT

public:
    explicit MarkupMenus(Workbench &workbench);

private:
    void buildStyleMenu();
    void buildTableMenu();
    void refreshStyleMenu();
    void wrapActive(const QString &open, const QString &close);

    Workbench &m_workbench;
    QMenu *m_styleMenu = nullptr;
    QList<QAction *> m_classEntries;
};
