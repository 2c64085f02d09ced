#pragma once

#include <QWidget>

#include <functional>

class DocumentList;
class TLEdit;
class TLEditLines;
class TRuler;
class QGridLayout;
class QStackedWidget;
class QTabBar;
class QToolBar;

// The view of the document list: the tab strip with what it holds, the
// editor toolbar, the rulers, the line-number gutter and one editor per
// document. The tab strip is never empty.
class DocumentArea : public QWidget
{
    Q_OBJECT

public:
    explicit DocumentArea(DocumentList &documents, QWidget *parent = nullptr);

    // Configures every editor the area creates.
    void setEditorSetup(std::function<void(TLEdit &)> setup) { m_setupEditor = std::move(setup); }
    DocumentList &list() const { return m_documents; }

    int count() const;
    int currentIndex() const;
    void setCurrentIndex(int tab);

    // Adds a document with a new, empty editor at the end and selects it.
    int addDocument(const QString &caption);
    // Removes a document that is not the last one; the one before it is selected.
    void removeDocument(int tab);

    TLEdit *editorAt(int tab) const;
    QString captionAt(int tab) const;
    // The document's path, and the master page's tab; the list holds them.
    QString pathAt(int tab) const;
    int masterTab() const;

    QToolBar *editorToolBar() const { return m_editorToolBar; }
    QTabBar *tabBar() const { return m_tabs; }
    TLEditLines *gutter() const { return m_gutter; }
    TRuler *topRuler() const { return m_topRuler; }
    TRuler *leftRuler() const { return m_leftRuler; }

    // The internal browser takes the place of the gutter and the editors,
    // between the rulers, and hides them while it is shown.
    void placeBrowserView(QWidget &view);
    void showBrowserView(bool shown);
    // The size of that place, whichever view fills it.
    QSize browserAreaSize() const;

Q_SIGNALS:
    // A new document's editor, set up.
    void editorAdded(TLEdit &editor);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void renameEditors();
    bool switchDocumentByKey(const class QKeyEvent &key);

    QTabBar *m_tabs;
    QToolBar *m_editorToolBar;
    QStackedWidget *m_editors;
    TRuler *m_topRuler;
    TRuler *m_leftRuler;
    TLEditLines *m_gutter;
    QGridLayout *m_grid;
    QWidget *m_browserView = nullptr;
    DocumentList &m_documents;
    std::function<void(TLEdit &)> m_setupEditor;
};
