#include "search/SearchResultList.h"

#include <QAction>
#include <QHeaderView>
#include <QKeyEvent>
#include <QTreeWidget>

namespace {

constexpr int ShownLineLength = 128;
constexpr int VisibleRows = 8;
constexpr int ColumnRole = Qt::UserRole;

} // namespace

SearchResultList::SearchResultList(QTreeWidget &list)
    : QObject(&list)
    , m_list(list)
    , m_goTo(new QAction(QStringLiteral("Gå til"), &list))
{
    m_list.setHeaderHidden(true);
    // A strip under the documents, as high as a few rows.
    m_list.setFixedHeight(m_list.fontMetrics().lineSpacing() * VisibleRows + 2 * m_list.frameWidth());
    m_list.setContextMenuPolicy(Qt::ActionsContextMenu);
    auto *hideList = new QAction(QStringLiteral("Skjul søgeresultater"), &list);
    m_list.addAction(m_goTo);
    m_list.addAction(hideList);
    m_goTo->setEnabled(false);
    connect(m_goTo, &QAction::triggered, this, &SearchResultList::goToCurrent);
    connect(hideList, &QAction::triggered, this, &SearchResultList::hide);
    connect(&m_list, &QTreeWidget::itemDoubleClicked, this, &SearchResultList::goToCurrent);
    connect(&m_list, &QTreeWidget::itemSelectionChanged, this, [this] { m_goTo->setEnabled(!m_list.selectedItems().isEmpty()); });
    m_list.installEventFilter(this);
}

void SearchResultList::clear()
{
    // Emptying the list tells no change of selection.
    m_list.clear();
    m_goTo->setEnabled(false);
    updateHint();
}

void SearchResultList::add(const SourceMatches &source)
{
    for (const SearchMatch &match : source.matches) {
        auto *row = new QTreeWidgetItem(
            &m_list, {source.name, QStringLiteral("(%1)").arg(match.line), match.lineText.mid(match.column, ShownLineLength)});
        row->setData(0, ColumnRole, match.column);
    }
    if (!source.problem.isEmpty())
        new QTreeWidgetItem(&m_list, {source.name, QString(), source.problem});
    updateHint();
}

void SearchResultList::fitColumns()
{
    m_list.resizeColumnToContents(0);
    m_list.resizeColumnToContents(1);
}

int SearchResultList::count() const
{
    return m_list.topLevelItemCount();
}

void SearchResultList::goToCurrent()
{
    const QList<QTreeWidgetItem *> selected = m_list.selectedItems();
    if (selected.isEmpty())
        return;
    const QTreeWidgetItem *row = selected.first();
    const QString lineText = row->text(1);
    if (lineText.isEmpty())
        return; // a file that could not be searched
    const int line = lineText.mid(1, lineText.size() - 2).toInt();
    Q_EMIT goTo(row->text(0), line, row->data(0, ColumnRole).toInt());
}

void SearchResultList::hide()
{
    m_list.hide();
    Q_EMIT hidden();
}

bool SearchResultList::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            goToCurrent();
            return true;
        }
        if (key == Qt::Key_Escape) {
            hide();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

void SearchResultList::updateHint()
{
    m_list.setToolTip(QStringLiteral("%1 fundet").arg(count()));
}
