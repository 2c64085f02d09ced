#include "filepanel/ReferencePage.h"

#include "core/Prompter.h"
#include "editor/TLEdit.h"
#include "filepanel/ReferenceFilters.h"
#include "filepanel/ReferenceItem.h"
#include "workbench/ToolbarIcons.h"

#include <Qsci/qsciprinter.h>

#include <QAction>
#include <QActionGroup>
#include <QHeaderView>
#include <QMenu>
#include <QStackedWidget>
#include <QToolBar>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

void addRow(QTreeWidget *list, const QString &address, const QString &description, const QString &kind, LinkIcon icon)
{
    new ReferenceItem(list, {address, description, kind}, icon);
}

} // namespace

ReferencePage::ReferencePage(Prompter &prompter, const QFont &editorFont, QWidget *parent)
    : QWidget(parent)
    , m_prompter(prompter)
    , m_editorFont(editorFont)
    , m_toolBar(new QToolBar(this))
    , m_lists(new QStackedWidget(this))
    , m_full(makeList("lwForbindelser"))
    , m_filtered(makeList("lwFiltreret"))
    , m_menu(new QMenu(this))
    , m_buttons(new QActionGroup(this))
    , m_entries(new QActionGroup(this))
{
    setObjectName(QStringLiteral("tsForbindelser"));
    m_toolBar->setObjectName(QStringLiteral("tbForbindelser"));
    m_toolBar->setIconSize(QSize(16, 16));
    m_menu->setObjectName(QStringLiteral("popForbindelser"));
    m_lists->addWidget(m_full);
    m_lists->addWidget(m_filtered);

    QAction *copyButton = m_toolBar->addAction(QIcon::fromTheme(QStringLiteral("edit-copy")), QStringLiteral("Kopier adresser"));
    copyButton->setObjectName(QStringLiteral("btnKopier"));
    connect(copyButton, &QAction::triggered, this, &ReferencePage::copyAddresses);
    QAction *printButton = m_toolBar->addAction(QIcon::fromTheme(QStringLiteral("document-print")),
                                                QStringLiteral("Udskriv adresser"));
    printButton->setObjectName(QStringLiteral("btnUdskriv"));
    connect(printButton, &QAction::triggered, this, &ReferencePage::printAddresses);
    m_toolBar->addSeparator();

    QAction *copyEntry = m_menu->addAction(QStringLiteral("&Kopier"), QKeySequence(Qt::CTRL | Qt::Key_C));
    copyEntry->setObjectName(QStringLiteral("popKopier"));
    connect(copyEntry, &QAction::triggered, this, &ReferencePage::copyAddresses);
    m_menu->addSeparator();
    for (int number = 0; number < int(ReferenceFilters.size()); ++number) {
        const ReferenceFilter &filter = ReferenceFilters[number];
        QAction *button = m_toolBar->addAction(ToolbarIcons::icon(QString::fromLatin1(filter.icon)),
                                               QString::fromUtf8(filter.hint));
        button->setObjectName(QStringLiteral("Knap%1").arg(number));
        button->setCheckable(true);
        m_buttons->addAction(button);
        connect(button, &QAction::triggered, this, [this, number] { applyFilter(number); });

        QAction *entry = m_menu->addAction(QString::fromUtf8(filter.menuText));
        entry->setObjectName(QStringLiteral("Vis%1").arg(number));
        entry->setCheckable(true);
        entry->setShortcut(QKeySequence(filter.shortcut));
        entry->setShortcutContext(Qt::WindowShortcut);
        m_entries->addAction(entry);
        connect(entry, &QAction::triggered, this, [this, number] { applyFilter(number); });
    }
    m_menu->addSeparator();
    QAction *printEntry = m_menu->addAction(QStringLiteral("&Udskriv"), QKeySequence(Qt::CTRL | Qt::Key_P));
    printEntry->setObjectName(QStringLiteral("popUdskriv"));
    connect(printEntry, &QAction::triggered, this, &ReferencePage::printAddresses);
    // The shortcuts work while the menu is closed.
    for (QAction *entry : m_menu->actions())
        addAction(entry);
    connect(m_menu, &QMenu::aboutToShow, this, [this, printEntry] {
        for (QAction *entry : m_menu->actions())
            entry->setVisible(!m_targetMode || entry == printEntry);
    });
    m_buttons->actions().first()->setChecked(true);
    m_entries->actions().first()->setChecked(true);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_toolBar);
    layout->addWidget(m_lists, 1);
}

QTreeWidget *ReferencePage::makeList(const char *name)
{
    auto *list = new QTreeWidget(this);
    list->setObjectName(QString::fromLatin1(name));
    list->setHeaderLabels({QStringLiteral("Navn og adresse"), QStringLiteral("Beskrivelse"), QStringLiteral("Type")});
    list->setColumnWidth(0, 290);
    list->setColumnWidth(1, 175);
    list->setColumnWidth(2, 65);
    list->setRootIsDecorated(false);
    list->setUniformRowHeights(true);
    list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(list, &QWidget::customContextMenuRequested, this,
            [this, list](const QPoint &at) { m_menu->popup(list->viewport()->mapToGlobal(at)); });
    connect(list, &QTreeWidget::itemDoubleClicked, this, &ReferencePage::rowDoubleClicked);
    sortOnHeaderClicks(*list);
    return list;
}

void ReferencePage::setRows(const QList<LinkItem> &rows)
{
    m_full->setUpdatesEnabled(false);
    m_full->clear();
    QList<QTreeWidgetItem *> items;
    items.reserve(rows.size());
    for (const LinkItem &row : rows) {
        auto *item = new ReferenceItem(nullptr, {row.target, row.description, row.kind}, row.icon);
        item->setData(0, Qt::UserRole, row.size);
        items.append(item);
    }
    m_full->addTopLevelItems(items);
    m_full->setUpdatesEnabled(true);
    applyFilter(m_filter);
}

void ReferencePage::applyFilter(int number)
{
    m_filter = number;
    m_buttons->actions().at(number)->setChecked(true);
    m_entries->actions().at(number)->setChecked(true);
    if (number == 0) {
        m_lists->setCurrentWidget(m_full);
        return;
    }
    const QString word = QString::fromUtf8(ReferenceFilters[number].word);
    m_filtered->clear();
    for (int row = 0; row < m_full->topLevelItemCount(); ++row) {
        const auto *item = static_cast<const ReferenceItem *>(m_full->topLevelItem(row));
        if (item->text(2).contains(word))
            addRow(m_filtered, item->text(0), item->text(1), item->text(2), item->linkIcon());
    }
    m_lists->setCurrentWidget(m_filtered);
}

QTreeWidget &ReferencePage::frontList() const
{
    return m_filter == 0 ? *m_full : *m_filtered;
}

QList<LinkItem> ReferencePage::selectedRows() const
{
    QList<LinkItem> rows;
    const QTreeWidget &list = frontList();
    for (int row = 0; row < list.topLevelItemCount(); ++row) {
        const auto *item = static_cast<const ReferenceItem *>(list.topLevelItem(row));
        if (item->isSelected())
            rows.append({item->text(0), item->text(1), item->text(2), {}, item->linkIcon()});
    }
    return rows;
}

QStringList ReferencePage::addresses() const
{
    QStringList selected;
    QStringList all;
    const QTreeWidget &list = frontList();
    for (int row = 0; row < list.topLevelItemCount(); ++row) {
        const QTreeWidgetItem *item = list.topLevelItem(row);
        all.append(item->text(0));
        if (item->isSelected())
            selected.append(item->text(0));
    }
    return selected.isEmpty() ? all : selected;
}

void ReferencePage::fillAddressEditor()
{
    if (!m_addressEditor) {
        m_addressEditor = new TLEdit(this);
        m_addressEditor->setObjectName(QStringLiteral("edAdresser"));
        m_addressEditor->hide();
        m_addressEditor->SetFont(m_editorFont);
    }
    m_addressEditor->SetText(addresses().join(QLatin1Char('\n')));
}

void ReferencePage::copyAddresses()
{
    fillAddressEditor();
    m_addressEditor->selectAll();
    m_addressEditor->CopyToClipboard();
}

void ReferencePage::printAddresses()
{
    fillAddressEditor();
    QsciPrinter printer;
    if (m_prompter.printDialog(printer))
        m_addressEditor->Print(printer);
}
