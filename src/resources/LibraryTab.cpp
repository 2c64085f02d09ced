#include "resources/LibraryTab.h"

#include "core/ProductTexts.h"
#include "core/Prompter.h"
#include "editor/TLEdit.h"
#include "html/MarkupWriting.h"
#include "resources/LibraryIndex.h"
#include "resources/LibraryLists.h"
#include "resources/LibraryLoading.h"
#include "resources/LibrarySearch.h"
#include "resources/LibraryViews.h"

#include <QActionGroup>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QDropEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSplitter>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

struct LibraryPlace
{
    const char *caption;
    const char *hint; // empty: the caption serves
    const char *file;
};

constexpr std::array<LibraryPlace, 5> Libraries{{
    {"HTML", "HTML-bibliotek", "html4bib.dat"},
    {"CSS", "Typografiark", "css2bib.dat"},
    {"JavaScript", "", "js12bib.dat"},
    {"Specialtegn", "", "specialtegn.dat"},
    {"Brugerkoder", "", ""},
}};

bool isTreeLibrary(int library)
{
    return library >= LibraryTab::Html && library <= LibraryTab::JavaScript;
}

bool isEnter(const QKeyEvent *key)
{
    return (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && !(key->modifiers() & ~Qt::KeypadModifier);
}

bool isMenuKey(const QKeyEvent *key)
{
    return key->key() == Qt::Key_F10 && key->modifiers() == Qt::ShiftModifier;
}

void apply(const LibraryInsertion::Insertion &insertion, EditableText &editor)
{
    using Mode = LibraryInsertion::Insertion::Mode;
    switch (insertion.mode) {
    case Mode::Nothing:
        break;
    case Mode::AtCaret:
        InsertAtCaret(editor, insertion.text);
        break;
    case Mode::Wrap:
        WrapSelection(editor, insertion.text, insertion.close);
        break;
    case Mode::Enclose:
        InsertAtCaret(editor, insertion.text + editor.GetSelText() + insertion.close);
        break;
    }
}

// Where a copied description comes from, added below it.
QString copyNotice()
{
    return QStringLiteral("Kilde: %1s referencebibliotek").arg(Product::Name);
}

} // namespace

LibraryTab::LibraryTab(LibraryTabServices services, QWidget *parent)
    : QWidget(parent)
    , m_services(std::move(services))
{
    setObjectName(QStringLiteral("tsBibliotek"));
    m_menu = new QMenu(this);
    m_menu->setObjectName(QStringLiteral("popBibliotek"));
    QAction *insert = m_menu->addAction(QStringLiteral("Indsæt kode"), this, &LibraryTab::InsertLibraryEntry);
    insert->setObjectName(QStringLiteral("popIndsaetKode"));

    m_special = new SpecialCharacterList(SpecialCharacters);
    m_special->setObjectName(QStringLiteral("lwSpecialtegn"));
    connect(m_special, &QTreeWidget::itemDoubleClicked, this, [this] { insertSpecialCharacter(m_special->shiftHeld()); });
    m_userCodePage = new QWidget;
    m_userCodePage->setObjectName(QStringLiteral("panBrugerkoder"));

    m_pages = new QStackedWidget;
    m_pages->addWidget(buildLibraryPage());
    m_pages->addWidget(m_special);
    m_pages->addWidget(m_userCodePage);

    for (QTreeWidget *view : std::initializer_list<QTreeWidget *>{m_trees[0], m_trees[1], m_trees[2], m_special}) {
        view->installEventFilter(this);
        view->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(view, &QWidget::customContextMenuRequested, this, [this, view](const QPoint &at) {
            QTreeWidgetItem *item = view->itemAt(at);
            if (!item)
                return;
            view->setCurrentItem(item);
            openMenu(view, view->viewport()->mapToGlobal(at));
        });
    }

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(buildToolBar());
    layout->addWidget(m_pages, 1);
}

// The five buttons stand in two rows: in one row the last two would hide behind
// an overflow arrow at the panel's usual width.
QWidget *LibraryTab::buildToolBar()
{
    auto *bar = new QWidget;
    bar->setObjectName(QStringLiteral("tbBibliotek"));
    auto *rows = new QVBoxLayout(bar);
    rows->setContentsMargins(2, 2, 2, 0);
    rows->setSpacing(0);
    QHBoxLayout *row = nullptr;
    constexpr int ButtonsPerRow = 3;
    m_buttons = new QActionGroup(this);
    m_buttons->setExclusive(true);
    for (int n = Html; n <= UserCodes; ++n) {
        const LibraryPlace &place = Libraries[n - 1];
        auto *button = new QAction(QString::fromUtf8(place.caption), this);
        button->setObjectName(QStringLiteral("btn") + QString::fromUtf8(place.caption));
        button->setCheckable(true);
        if (*place.hint)
            button->setToolTip(QString::fromUtf8(place.hint));
        m_buttons->addAction(button);
        connect(button, &QAction::triggered, this, [this, n] { ShowLibrary(n); });
        auto *tool = new QToolButton;
        tool->setDefaultAction(button);
        tool->setAutoRaise(true);
        tool->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        if ((n - 1) % ButtonsPerRow == 0) {
            row = new QHBoxLayout;
            row->setSpacing(2);
            rows->addLayout(row);
        }
        row->addWidget(tool);
    }
    return bar;
}

QWidget *LibraryTab::buildLibraryPage()
{
    m_searchText = new QLineEdit;
    m_searchText->setObjectName(QStringLiteral("txtSoeg"));
    m_find = new QPushButton(QStringLiteral("Find!"));
    m_find->setObjectName(QStringLiteral("cmdFind"));
    connect(m_searchText, &QLineEdit::returnPressed, this, &LibraryTab::findNext);
    connect(m_find, &QPushButton::clicked, this, &LibraryTab::findNext);
    connect(m_searchText, &QLineEdit::textChanged, this, [this] { m_searchPosition = 0; });
    auto *searchRow = new QHBoxLayout;
    searchRow->setContentsMargins(0, 0, 0, 0);
    searchRow->addWidget(m_searchText, 1);
    searchRow->addWidget(m_find);

    m_treeStack = new QStackedWidget;
    for (int n = Html; n <= JavaScript; ++n) {
        auto *tree = new LibraryTreeView(n);
        tree->setObjectName(QStringLiteral("trw") + QString::fromUtf8(Libraries[n - 1].caption));
        connect(tree, &QTreeWidget::currentItemChanged, this, [this, tree](QTreeWidgetItem *current) {
            if (tree == shownTree())
                showRecordOf(current);
        });
        m_trees[n - 1] = tree;
        m_treeStack->addWidget(tree);
    }

    auto *splitter = new QSplitter(Qt::Vertical);
    splitter->setChildrenCollapsible(false);
    splitter->addWidget(m_treeStack);
    splitter->addWidget(buildPane(QStringLiteral("Værdier"), m_valueTitle, m_values, QString()));
    splitter->addWidget(buildPane(QStringLiteral("Beskrivelse"), m_descriptionTitle, m_description, copyNotice()));
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 1);
    splitter->setStretchFactor(2, 1);

    m_libraryPage = new QWidget;
    auto *layout = new QVBoxLayout(m_libraryPage);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(searchRow);
    layout->addWidget(splitter, 1);
    return m_libraryPage;
}

QWidget *LibraryTab::buildPane(const QString &title, QLabel *&titleLabel, QPlainTextEdit *&text, const QString &notice)
{
    auto *pane = new QWidget;
    titleLabel = new QLabel(title);
    titleLabel->setFrameShape(QFrame::StyledPanel);
    text = new QPlainTextEdit;
    text->setReadOnly(true);
    text->setContextMenuPolicy(Qt::CustomContextMenu);
    auto *menu = new QMenu(text);
    QPlainTextEdit *source = text;
    menu->addAction(QStringLiteral("Kopier"), this, [source, notice] {
        QString copied = source->toPlainText();
        if (!notice.isEmpty())
            copied += QLatin1Char('\n') + notice;
        QApplication::clipboard()->setText(copied);
    });
    connect(text, &QWidget::customContextMenuRequested, menu,
            [menu, text](const QPoint &at) { menu->popup(text->viewport()->mapToGlobal(at)); });
    auto *layout = new QVBoxLayout(pane);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(titleLabel);
    layout->addWidget(text, 1);
    return pane;
}

QAction *LibraryTab::libraryButton(int library) const
{
    return m_buttons->actions().value(library - 1);
}

THETreeView *LibraryTab::tree(int library) const
{
    return isTreeLibrary(library) ? m_trees[library - 1] : nullptr;
}

LibraryTreeView *LibraryTab::shownTree() const
{
    return isTreeLibrary(m_shown) ? m_trees[m_shown - 1] : nullptr;
}

QString LibraryTab::pathOf(int library) const
{
    return QDir(m_services.programFolder).filePath(QString::fromUtf8(Libraries[library - 1].file));
}

void LibraryTab::ShowLibrary(int n)
{
    if (n < Html || n > UserCodes)
        return;
    libraryButton(n)->setChecked(true);
    loadOnce(n);
    m_shown = n;
    if (isTreeLibrary(n)) {
        m_treeStack->setCurrentWidget(m_trees[n - 1]);
        m_pages->setCurrentWidget(m_libraryPage);
        m_shownPath = pathOf(n);
    } else {
        m_pages->setCurrentWidget(n == SpecialCharacters ? static_cast<QWidget *>(m_special) : m_userCodePage);
        m_shownPath.clear();
    }
    m_valueTitle->setText(n == JavaScript ? QStringLiteral("Værdier/parametre") : QStringLiteral("Værdier"));
    m_values->clear();
    m_description->clear();
    m_searchPosition = 0;
}

void LibraryTab::loadOnce(int library)
{
    if (library == UserCodes || m_loaded[library - 1])
        return;
    // Set first: a library that cannot be read is not tried again this run.
    m_loaded[library - 1] = true;
    if (library == SpecialCharacters) {
        LoadSpecialCharacters(pathOf(library), *m_special, m_services.prompter);
        return;
    }
    LoadLibrary(pathOf(library), *m_trees[library - 1], m_services.lists, m_services.tagCheckExclusions(), m_services.prompter);
    if (library == Html)
        Q_EMIT htmlLibraryLoaded();
}

void LibraryTab::reloadHtmlLibrary()
{
    m_services.lists.clearElementLists();
    m_loaded[Html - 1] = false;
    loadOnce(Html);
}

void LibraryTab::showRecordOf(const QTreeWidgetItem *item)
{
    m_values->clear();
    m_description->clear();
    if (!item)
        return;
    QList<int> path;
    for (const QTreeWidgetItem *node = item; node->parent(); node = node->parent())
        path.prepend(node->parent()->indexOfChild(const_cast<QTreeWidgetItem *>(node)));
    const LibraryRecord record = m_services.files.FindRecord(LibraryRecordFormat::positionCode(path), -1, QString(), m_shownPath);
    if (record.isNone())
        return;
    m_values->setPlainText(record.Values);
    m_description->setPlainText(record.Description);
}

LibraryInsertion::Node LibraryTab::nodeOf(const QTreeWidgetItem *item) const
{
    LibraryInsertion::Node node;
    node.text = item->text(0);
    node.level = THETreeView::levelOf(item);
    node.kind = item->data(0, LibraryKindRole).toInt();
    node.hasChildren = item->childCount() > 0;
    for (int n = 0; n < item->childCount(); ++n)
        if (item->child(n)->checkState(0) == Qt::Checked)
            node.tickedChildren.append(item->child(n)->text(0));
    const QTreeWidgetItem *category = item;
    for (const QTreeWidgetItem *ancestor = item->parent(); ancestor && ancestor->parent(); ancestor = ancestor->parent()) {
        node.ancestors.prepend(ancestor->text(0));
        category = ancestor;
    }
    if (category->parent())
        node.categoryIndex = category->parent()->indexOfChild(const_cast<QTreeWidgetItem *>(category));
    return node;
}

bool LibraryTab::insertsSelected() const
{
    if (m_shown == SpecialCharacters)
        return m_special->currentItem() != nullptr;
    const LibraryTreeView *tree = shownTree();
    if (!tree || !tree->currentItem())
        return false;
    return LibraryInsertion::inserts(LibraryInsertion::Library(m_shown), nodeOf(tree->currentItem()));
}

void LibraryTab::InsertLibraryEntry()
{
    TLEdit *editor = m_services.activeEditor ? m_services.activeEditor() : nullptr;
    if (!editor)
        return;
    if (m_shown == SpecialCharacters) {
        if (const QTreeWidgetItem *row = m_special->currentItem())
            InsertAtCaret(*editor, row->text(SpecialCharacterList::HtmlColumn));
        return;
    }
    const LibraryTreeView *tree = shownTree();
    if (!tree || !tree->currentItem())
        return;
    apply(LibraryInsertion::insertionFor(LibraryInsertion::Library(m_shown), nodeOf(tree->currentItem())), *editor);
}

void LibraryTab::insertSpecialCharacter(bool decimal)
{
    m_special->forgetShift();
    TLEdit *editor = m_services.activeEditor ? m_services.activeEditor() : nullptr;
    const QTreeWidgetItem *row = m_special->currentItem();
    if (!editor || !row)
        return;
    InsertAtCaret(*editor, row->text(decimal ? SpecialCharacterList::DecimalColumn : SpecialCharacterList::HtmlColumn));
    editor->setFocus();
}

void LibraryTab::findNext()
{
    LibraryTreeView *tree = shownTree();
    if (!tree)
        return;
    const QList<QTreeWidgetItem *> nodes = tree->nodesInOrder();
    QStringList texts;
    texts.reserve(nodes.size());
    for (const QTreeWidgetItem *node : nodes)
        texts.append(node->text(0));
    const int match = LibrarySearch::nextMatch(texts, m_searchPosition, m_searchText->text());
    if (match < 0)
        return;
    tree->setCurrentItem(nodes[match]);
    tree->scrollToItem(nodes[match]);
    m_searchPosition = match;
}

void LibraryTab::openMenu(QWidget *view, const QPoint &globalPoint)
{
    // A tree offers its menu only on entries that insert something.
    if (view != m_special && !insertsSelected())
        return;
    m_menu->popup(globalPoint);
}

void LibraryTab::watchEditor(TLEdit &editor)
{
    // Drops reach whichever of the two takes them.
    editor.installEventFilter(this);
    editor.viewport()->installEventFilter(this);
}

bool LibraryTab::handleEditorDrag(TLEdit &editor, QWidget &receiver, QEvent *event)
{
    auto *drag = static_cast<QDropEvent *>(event);
    const std::optional<int> library = LibraryDrag::libraryOf(drag->mimeData());
    if (!library)
        return false;
    if (*library != m_shown || !insertsSelected()) {
        drag->ignore();
        return true;
    }
    // Copy only: a moving drop would take the entry out of its library.
    drag->setDropAction(Qt::CopyAction);
    drag->accept();
    if (event->type() != QEvent::Drop)
        return true;
    const QPoint at = editor.viewport()->mapFrom(&receiver, drag->position().toPoint());
    if (const std::optional<TextPos> place = editor.PositionFromPoint(at.x(), at.y(), 1))
        editor.SetSelection(SelectionRecord::at(*place));
    if (m_shown == SpecialCharacters)
        insertSpecialCharacter(m_special->shiftHeld() || (drag->modifiers() & Qt::ShiftModifier));
    else
        InsertLibraryEntry();
    return true;
}

bool LibraryTab::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress: {
        auto *view = qobject_cast<QTreeWidget *>(watched);
        if (!view)
            break;
        const auto *key = static_cast<QKeyEvent *>(event);
        if (isEnter(key)) {
            InsertLibraryEntry();
            return true;
        }
        if (isMenuKey(key)) {
            openMenu(view, view->mapToGlobal(QPoint(0, 0)));
            return true;
        }
        break;
    }
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
        if (auto *editor = qobject_cast<TLEdit *>(watched))
            return handleEditorDrag(*editor, *editor, event);
        if (auto *editor = qobject_cast<TLEdit *>(watched->parent()))
            return handleEditorDrag(*editor, *static_cast<QWidget *>(watched), event);
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}
