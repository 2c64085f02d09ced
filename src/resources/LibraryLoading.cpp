#include "resources/LibraryLoading.h"

#include "core/ProductTexts.h"
#include "core/Prompter.h"
#include "resources/LibraryRecord.h"
#include "resources/LibraryTree.h"
#include "resources/THETreeView.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>

namespace {

// The hourglass and a frozen view while a file loads, undone however the load ends.
class LoadingState
{
public:
    explicit LoadingState(QWidget &view)
        : m_view(view)
        , m_updates(view.updatesEnabled())
    {
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        m_view.setUpdatesEnabled(false);
    }
    ~LoadingState()
    {
        m_view.setUpdatesEnabled(m_updates);
        QGuiApplication::restoreOverrideCursor();
    }
    LoadingState(const LoadingState &) = delete;
    LoadingState &operator=(const LoadingState &) = delete;

private:
    QWidget &m_view;
    bool m_updates;
};

QTreeWidgetItem *itemFor(const LibraryNode &node)
{
    auto *item = new QTreeWidgetItem(QStringList(node.text));
    THETreeView::SetImageIndex(item, node.icon);
    item->setData(0, LibraryKindRole, node.kind);
    if (node.checkable) {
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(0, Qt::Unchecked);
    }
    return item;
}

} // namespace

void tellMissing(Prompter &prompter, const QString &path, const QString &format)
{
    prompter.message(
        {Product::Caption, format.arg(Product::Caption, QDir::toNativeSeparators(path)), Prompter::Icon::Stop, Prompter::Ok});
}

bool LoadLibrary(const QString &path, THETreeView &tree, LibraryLists &lists, const QStringList &tagCheckExclusions,
                 Prompter &prompter)
{
    if (!QFile::exists(path)) {
        tellMissing(prompter, path, QStringLiteral("%1 kan ikke finde %2"));
        return false;
    }
    std::optional<LibraryTree> library;
    {
        LoadingState loading(tree);
        tree.clear();
        library = LoadLibraryTree(path, lists, tagCheckExclusions);
        if (!library) {
            library.emplace();
            library->error = QStringLiteral("%1 kan ikke læse %2").arg(Product::Name, QDir::toNativeSeparators(path));
        }
        QList<QTreeWidgetItem *> items;
        QList<QTreeWidgetItem *> topLevel;
        items.reserve(library->nodes.size());
        for (const LibraryNode &node : std::as_const(library->nodes)) {
            QTreeWidgetItem *item = itemFor(node);
            items.append(item);
            if (node.parent < 0)
                topLevel.append(item);
            else
                items[node.parent]->addChild(item);
        }
        tree.addTopLevelItems(topLevel);
        if (library->error.isEmpty() && !items.isEmpty()) {
            QTreeWidgetItem *root = items.first();
            THETreeView::SetImageIndex(root, LibraryIcon::FolderClosed);
            root->setExpanded(true);
            THETreeView::SetBold(root, true);
        }
    }
    if (!library->error.isEmpty()) {
        prompter.message({Product::Caption, library->error, Prompter::Icon::Stop, Prompter::Ok});
        return false;
    }
    return true;
}

bool LoadSpecialCharacters(const QString &path, QTreeWidget &list, Prompter &prompter)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        tellMissing(prompter, path, QStringLiteral("%1 kan ikke finde %2."));
        return false;
    }
    LoadingState loading(list);
    list.clear();
    QList<QTreeWidgetItem *> rows;
    for (const LibraryRecord &record : LibraryRecordFormat::decodeFile(file.readAll()))
        rows.append(new QTreeWidgetItem({record.Name, record.Description, record.Values, record.Code}));
    list.addTopLevelItems(rows);
    return true;
}
