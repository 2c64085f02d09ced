#pragma once

#include <QStringList>
#include <QWidget>

class QsciScintilla;
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

    int count() const;
    int currentIndex() const;
    void setCurrentIndex(int tab);

    // Adds a tab with a new, empty editor at the end and selects it.
    int addDocument(const QString &caption);
    void removeDocument(int tab);

    QsciScintilla *editorAt(int tab) const;
    QString pathAt(int tab) const { return m_paths.value(tab); }
    void setPathAt(int tab, const QString &path) { m_paths[tab] = path; }
    QString captionAt(int tab) const;
    void setCaptionAt(int tab, const QString &caption);

    QToolBar *editorToolBar() const { return m_editorToolBar; }

Q_SIGNALS:
    void currentChanged(int tab);

private:
    void renameEditors();

    QTabBar *m_tabs;
    QToolBar *m_editorToolBar;
    QStackedWidget *m_editors;
    QStringList m_paths; // one entry per tab, empty for a document never saved
};
