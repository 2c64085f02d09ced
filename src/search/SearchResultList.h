#pragma once

#include "search/FileSearch.h"

#include <QObject>

class QAction;
class QTreeWidget;

// The main window's list of search results under the documents: one row a
// match with the document, "(line)" and the line from the match on; the
// match's column is kept hidden in the row. "Gå til" (Enter, double-click)
// asks for the match to be shown; "Skjul søgeresultater" (Esc) hides the list.
class SearchResultList : public QObject
{
    Q_OBJECT

public:
    explicit SearchResultList(QTreeWidget &list);

    void clear();
    void add(const SourceMatches &source);
    // Gives the document and line columns the width of their texts; once
    // the rows are in, as it reads every row.
    void fitColumns();
    int count() const;
    void goToCurrent();
    void hide();

Q_SIGNALS:
    void goTo(const QString &document, int line, int column);
    void hidden();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void updateHint();

    QTreeWidget &m_list;
    QAction *m_goTo;
};
