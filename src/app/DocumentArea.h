#pragma once

#include <QDateTime>
#include <QList>
#include <QStringList>
#include <QWidget>

#include <functional>

class TLEdit;
class TLEditLines;
class TRuler;
class QStackedWidget;
class QTabBar;
class QToolBar;

// The document tab strip with what it holds: the editor toolbar, the rulers,
// the line-number gutter and one editor per tab. The tab strip is never empty.
class DocumentArea : public QWidget
{
    Q_OBJECT

public:
    explicit DocumentArea(QWidget *parent = nullptr);

    // Configures every editor the area creates.
    void setEditorSetup(std::function<void(TLEdit &)> setup) { m_setupEditor = std::move(setup); }

    int count() const;
    int currentIndex() const;
    void setCurrentIndex(int tab);

    // Adds a tab with a new, empty editor at the end and selects it.
    int addDocument(const QString &caption);
    // Removes a tab that is not the last one; the tab before it is selected.
    void removeDocument(int tab);

    TLEdit *editorAt(int tab) const;
    QString pathAt(int tab) const { return m_paths.value(tab); }
    void setPathAt(int tab, const QString &path) { m_paths[tab] = path; }
    // The file's modification time when it was last loaded or saved.
    QDateTime timeAt(int tab) const { return m_times.value(tab); }
    void setTimeAt(int tab, const QDateTime &time) { m_times[tab] = time; }
    // The tab marked as master page, or -1; kept on its document when tabs close.
    int masterTab() const { return m_masterTab; }
    void setMasterTab(int tab) { m_masterTab = tab; }
    QString captionAt(int tab) const;
    void setCaptionAt(int tab, const QString &caption);

    QToolBar *editorToolBar() const { return m_editorToolBar; }
    QTabBar *tabBar() const { return m_tabs; }
    TLEditLines *gutter() const { return m_gutter; }
    TRuler *topRuler() const { return m_topRuler; }
    TRuler *leftRuler() const { return m_leftRuler; }

Q_SIGNALS:
    void currentChanged(int tab);

private:
    void renameEditors();

    QTabBar *m_tabs;
    QToolBar *m_editorToolBar;
    QStackedWidget *m_editors;
    TRuler *m_topRuler;
    TRuler *m_leftRuler;
    TLEditLines *m_gutter;
    std::function<void(TLEdit &)> m_setupEditor;
    QStringList m_paths; // one entry per tab, empty for a document never saved
    QList<QDateTime> m_times;
    int m_masterTab = -1;
};
