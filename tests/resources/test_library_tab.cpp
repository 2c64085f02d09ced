// The "Bibliotek" tab with real library files and a real editor: showing the
// libraries, the panes, inserting entries by every route, and the search.
#include "editor/TLEdit.h"
#include "resources/LibraryIndex.h"
#include "resources/LibraryLists.h"
#include "resources/LibraryTab.h"
#include "resources/LibraryViews.h"
#include "resources/THETreeView.h"
#include "support/LibraryFixture.h"
#include "support/ScriptedPrompter.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyleOptionViewItem>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {

// Pre-order: 0 HTML, 1 Struktur, 2 <table></table>, 3 border, 4 width, 5 <br />,
// 6 class, 7 <img>, 8 comment, 9 Hændelser, 10 onclick, 11 Tabeller, 12 <tr></tr>, 13 TABINDEX.
QList<LibraryRecord> htmlRecords()
{
    QList<LibraryRecord> records = {
        libraryRecord(0, 0, QStringLiteral("HTML")),
        libraryRecord(1, 1000, QStringLiteral("Struktur")),
        libraryRecord(101, 1250, QStringLiteral("<table></table>"), QStringLiteral("table")),
        libraryRecord(10101, 1300, QStringLiteral("border=\"\""), QStringLiteral("border"), QStringLiteral("table"),
                      QStringLiteral("[tal]")),
        libraryRecord(20101, 1300, QStringLiteral("width=\"\""), QStringLiteral("width"), QStringLiteral("table")),
        libraryRecord(201, 1200, QStringLiteral("<br />"), QStringLiteral("br")),
        libraryRecord(10201, 1300, QStringLiteral("class=\"\""), QStringLiteral("class"), QStringLiteral("br")),
        libraryRecord(301, 1200, QStringLiteral("<img>"), QStringLiteral("img")),
        libraryRecord(401, 1200, QStringLiteral("<!--   -->"), QStringLiteral("!--")),
        libraryRecord(501, 2000, QStringLiteral("Hændelser")),
        // Its code names another place, so no record answers for this node.
        libraryRecord(90501, 1701, QStringLiteral("onclick=\"\""), QStringLiteral("onclick")),
        libraryRecord(2, 3000, QStringLiteral("Tabeller")),
        libraryRecord(102, 1200, QStringLiteral("<tr></tr>"), QStringLiteral("tr")),
        libraryRecord(10102, 1300, QStringLiteral("TABINDEX=\"\""), QStringLiteral("tabindex"), QStringLiteral("tr")),
    };
    return records;
}

// Eleven categories: the tenth ("document") prefixes its members, the eleventh ("Array") does not.
QList<LibraryRecord> scriptRecords()
{
    QList<LibraryRecord> records = {
        libraryRecord(0, 0, QStringLiteral("JavaScript")),
        libraryRecord(1, 1000, QStringLiteral("window")),
        libraryRecord(101, 2900, QStringLiteral("location")),
        libraryRecord(10101, 2900, QStringLiteral("href")),
    };
    for (int category = 2; category <= 9; ++category)
        records.append(libraryRecord(category, 1000, QStringLiteral("k%1").arg(category)));
    records.append(libraryRecord(10, 1000, QStringLiteral("document")));
    records.append(libraryRecord(110, 3100, QStringLiteral("write")));
    records.append(libraryRecord(11, 1000, QStringLiteral("Array")));
    records.append(libraryRecord(111, 3100, QStringLiteral("push")));
    return records;
}

LibraryRecord specialCharacter(qint32 id, const QString &character, const QString &html, const QString &decimal)
{
    return libraryRecord(id, 0, decimal, character, QString(), html);
}

class LibraryTabTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        writeFile(file("html4bib.dat"), recordBytes(htmlRecords()));
        writeFile(file("css2bib.dat"),
                  recordBytes({libraryRecord(0, 0, QStringLiteral("CSS")), libraryRecord(1, 1000, QStringLiteral("Farver")),
                               libraryRecord(101, 2300, QStringLiteral("color"), QStringLiteral("color"))}));
        writeFile(file("js12bib.dat"), recordBytes(scriptRecords()));
        writeFile(file("specialtegn.dat"),
                  recordBytes({specialCharacter(1, QStringLiteral("æ"), QStringLiteral("&aelig;"), QStringLiteral("&#230;")),
                               specialCharacter(2, QStringLiteral("©"), QStringLiteral("&copy;"), QStringLiteral("&#169;"))}));
        m_files = std::make_unique<LibraryFiles>(m_dir.path() + QLatin1Char('/'));
        m_window = std::make_unique<QWidget>();
        m_editor = new TLEdit;
        m_tab = new LibraryTab({m_lists, *m_files, m_prompter, m_dir.path(), [] { return QStringList{QStringLiteral("P")}; },
                                [this] { return m_editor; }});
        m_tab->watchEditor(*m_editor);
        auto *layout = new QHBoxLayout(m_window.get());
        layout->addWidget(m_tab);
        layout->addWidget(m_editor, 1);
        m_window->resize(700, 500);
        m_window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(m_window.get()));
        m_window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(m_window.get()));
    }
    void TearDown() override
    {
        for (QMenu *menu : m_tab->findChildren<QMenu *>())
            menu->hide();
        EXPECT_TRUE(m_prompter.allAnswered());
    }

    QString file(const char *name) const { return m_dir.filePath(QString::fromLatin1(name)); }
    TLEdit &editor() { return *m_editor; }
    THETreeView &tree(int library) { return *m_tab->tree(library); }

    // Shows the library and selects the first node with this text.
    QTreeWidgetItem *select(int library, const QString &text)
    {
        if (m_tab->shownLibrary() != library)
            m_tab->ShowLibrary(library);
        for (QTreeWidgetItem *item : tree(library).nodesInOrder()) {
            if (item->text(0) == text) {
                tree(library).setCurrentItem(item);
                return item;
            }
        }
        ADD_FAILURE() << "no node " << text.toStdString();
        return nullptr;
    }
    void setDocument(const QString &text, TextPos anchor, TextPos caret)
    {
        editor().SetReadOnly(false);
        editor().SetText(text);
        editor().SetSelection(SelectionRecord::between(anchor, caret));
    }
    QString currentText(int library) { return tree(library).currentItem() ? tree(library).currentItem()->text(0) : QString(); }
    void openMenuAt(QTreeWidget &view, QTreeWidgetItem *item)
    {
        const QPoint at = view.visualItemRect(item).center();
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, view.viewport()->mapToGlobal(at));
        QApplication::sendEvent(view.viewport(), &event);
    }
    // Drags the selected entry of the list or tree onto the editor at the given place.
    bool dropAt(QAbstractItemView &view, TextPos place, Qt::KeyboardModifiers modifiers = {})
    {
        std::unique_ptr<QMimeData> data(view.model()->mimeData({view.currentIndex()}));
        const QPoint point = *editor().PointFromPosition(place.line, place.column) + QPoint(1, editor().GetRowHeight() / 2);
        QDragEnterEvent enter(point, Qt::CopyAction | Qt::MoveAction, data.get(), Qt::LeftButton, modifiers);
        QApplication::sendEvent(editor().viewport(), &enter);
        if (!enter.isAccepted())
            return false;
        EXPECT_EQ(enter.dropAction(), Qt::CopyAction);
        QDropEvent drop(point, Qt::CopyAction | Qt::MoveAction, data.get(), Qt::LeftButton, modifiers);
        QApplication::sendEvent(editor().viewport(), &drop);
        return drop.isAccepted();
    }

    QTemporaryDir m_dir;
    ScriptedPrompter m_prompter;
    LibraryLists m_lists;
    std::unique_ptr<LibraryFiles> m_files;
    std::unique_ptr<QWidget> m_window;
    TLEdit *m_editor = nullptr;
    LibraryTab *m_tab = nullptr;
};

TEST_F(LibraryTabTest, ShowingALibraryLoadsItOnceAndSetsTheTab)
{
    m_tab->ShowLibrary(LibraryTab::Html);
    EXPECT_TRUE(m_tab->libraryButton(LibraryTab::Html)->isChecked());
    EXPECT_EQ(m_tab->libraryButton(LibraryTab::Html)->toolTip(), QStringLiteral("HTML-bibliotek"));
    EXPECT_EQ(m_tab->libraryButton(LibraryTab::Css)->toolTip(), QStringLiteral("Typografiark"));
    EXPECT_TRUE(tree(LibraryTab::Html).isVisible());
    EXPECT_TRUE(m_tab->searchText()->isVisible());
    EXPECT_EQ(m_tab->valueTitle()->text(), QStringLiteral("Værdier"));
    EXPECT_EQ(m_lists.ElementNames, QStringList({"table", "br", "img", "!--", "tr"}));

    m_tab->ShowLibrary(LibraryTab::JavaScript);
    EXPECT_FALSE(m_tab->libraryButton(LibraryTab::Html)->isChecked());
    EXPECT_TRUE(tree(LibraryTab::JavaScript).isVisible());
    EXPECT_FALSE(tree(LibraryTab::Html).isVisible());
    EXPECT_EQ(m_tab->valueTitle()->text(), QStringLiteral("Værdier/parametre"));

    m_tab->ShowLibrary(LibraryTab::SpecialCharacters);
    EXPECT_TRUE(m_tab->specialCharacters()->isVisible());
    EXPECT_FALSE(m_tab->searchText()->isVisible());
    EXPECT_EQ(m_tab->specialCharacters()->topLevelItemCount(), 2);
    EXPECT_EQ(m_tab->specialCharacters()->headerItem()->text(3), QStringLiteral("Decimal"));
    EXPECT_EQ(m_tab->specialCharacters()->columnWidth(0), 20);

    m_tab->ShowLibrary(LibraryTab::UserCodes);
    EXPECT_FALSE(m_tab->specialCharacters()->isVisible());
    EXPECT_FALSE(m_tab->searchText()->isVisible());

    // Showing a library again does not read it again: the element names stay single.
    m_tab->ShowLibrary(LibraryTab::Html);
    EXPECT_EQ(m_lists.ElementNames.size(), 5);
}

TEST_F(LibraryTabTest, AMissingLibraryIsToldOnceAndStaysEmpty)
{
    QFile::remove(file("css2bib.dat"));
    m_prompter.expect(QStringLiteral("kan ikke finde ") + QDir::toNativeSeparators(file("css2bib.dat")));
    m_tab->ShowLibrary(LibraryTab::Css);
    m_tab->ShowLibrary(LibraryTab::Html);
    m_tab->ShowLibrary(LibraryTab::Css);
    EXPECT_EQ(tree(LibraryTab::Css).topLevelItemCount(), 0);
    EXPECT_EQ(m_prompter.seen().size(), 1);
}

TEST_F(LibraryTabTest, SelectingANodeShowsItsRecordAndCopyAddsTheNotice)
{
    select(LibraryTab::Html, QStringLiteral("border=\"\""));
    EXPECT_EQ(m_tab->valuePane()->toPlainText(), QStringLiteral("[tal]"));
    EXPECT_EQ(m_tab->descriptionPane()->toPlainText(), QStringLiteral("Om border=\"\""));

    const auto copy = [](QPlainTextEdit *pane) {
        QMenu *menu = pane->findChild<QMenu *>();
        ASSERT_NE(menu, nullptr);
        ASSERT_EQ(menu->actions().size(), 1);
        EXPECT_EQ(menu->actions()[0]->text(), QStringLiteral("Kopier"));
        menu->actions()[0]->trigger();
    };
    copy(m_tab->valuePane());
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("[tal]"));
    copy(m_tab->descriptionPane());
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("Om border=\"\"\nKilde: Pagewicks referencebibliotek"));

    // A node whose place has no record empties both panes; so does a switch of library.
    select(LibraryTab::Html, QStringLiteral("onclick=\"\""));
    EXPECT_TRUE(m_tab->valuePane()->toPlainText().isEmpty());
    EXPECT_TRUE(m_tab->descriptionPane()->toPlainText().isEmpty());
    select(LibraryTab::Html, QStringLiteral("<table></table>"));
    EXPECT_FALSE(m_tab->descriptionPane()->toPlainText().isEmpty());
    m_tab->ShowLibrary(LibraryTab::Css);
    EXPECT_TRUE(m_tab->descriptionPane()->toPlainText().isEmpty());
}

TEST_F(LibraryTabTest, HtmlEntriesGoInByTheirRules)
{
    const struct
    {
        const char *node;
        QStringList ticked;
        const char *document;
        TextPos anchor;
        TextPos caret;
        const char *expected;
    } cases[] = {
        {"<table></table>",
         {"border=\"\"", "width=\"\""},
         "a Hej b",
         {1, 2},
         {1, 5},
         "a <table border=\"\" width=\"\">Hej</table> b"},
        {"<table></table>", {"width=\"\""}, "Hej", {1, 3}, {1, 0}, "<table width=\"\">Hej</table>"},
        {"<table></table>", {}, "Hej", {1, 0}, {1, 3}, "<table>Hej</table>"},
        {"<br />", {"class=\"\""}, "ab", {1, 1}, {1, 1}, "a<br class=\"\" />b"},
        {"<br />", {}, "ab", {1, 1}, {1, 1}, "a<br />b"},
        {"<img>", {}, "ab", {1, 0}, {1, 1}, "<img />b"},
        {"border=\"\"", {}, "<td >", {1, 4}, {1, 4}, "<td border=\"\">"},
        {"<!--   -->", {}, "x note y", {1, 2}, {1, 6}, "x <!-- note --> y"},
        {"Hændelser", {}, "uændret", {1, 0}, {1, 2}, "uændret"},
        {"Struktur", {}, "uændret", {1, 0}, {1, 2}, "uændret"},
        {"HTML", {}, "uændret", {1, 0}, {1, 2}, "uændret"},
    };
    for (const auto &c : cases) {
        QTreeWidgetItem *node = select(LibraryTab::Html, QString::fromUtf8(c.node));
        ASSERT_NE(node, nullptr);
        for (int n = 0; n < node->childCount(); ++n)
            if (node->child(n)->flags() & Qt::ItemIsUserCheckable)
                node->child(n)->setCheckState(0, c.ticked.contains(node->child(n)->text(0)) ? Qt::Checked : Qt::Unchecked);
        setDocument(QString::fromUtf8(c.document), c.anchor, c.caret);
        m_tab->InsertLibraryEntry();
        EXPECT_EQ(editor().GetText(), QString::fromUtf8(c.expected)) << c.node << " ticked " << c.ticked.size();
    }
}

TEST_F(LibraryTabTest, StyleAndScriptEntriesGoInByTheirRules)
{
    const struct
    {
        int library;
        const char *node;
        const char *expected;
    } cases[] = {
        {LibraryTab::Css, "color", "color:"},
        {LibraryTab::Css, "Farver", ""},
        {LibraryTab::JavaScript, "write", "document.write"}, // tenth category
        {LibraryTab::JavaScript, "push", "push"}, // eleventh category
        {LibraryTab::JavaScript, "href", "window.location.href"},
        {LibraryTab::JavaScript, "location", ""},
    };
    for (const auto &c : cases) {
        select(c.library, QString::fromUtf8(c.node));
        setDocument(QString(), {1, 0}, {1, 0});
        m_tab->InsertLibraryEntry();
        EXPECT_EQ(editor().GetText(), QString::fromUtf8(c.expected)) << c.node;
    }
}

TEST_F(LibraryTabTest, AReadOnlyDocumentStaysUnchanged)
{
    for (const char *node : {"<table></table>", "<br />", "<!--   -->", "border=\"\""}) {
        select(LibraryTab::Html, QString::fromUtf8(node));
        setDocument(QStringLiteral("Hej"), {1, 0}, {1, 3});
        editor().SetReadOnly(true);
        m_tab->InsertLibraryEntry();
        EXPECT_EQ(editor().GetText(), QStringLiteral("Hej")) << node;
    }
    m_tab->ShowLibrary(LibraryTab::SpecialCharacters);
    m_tab->specialCharacters()->setCurrentItem(m_tab->specialCharacters()->topLevelItem(0));
    m_tab->InsertLibraryEntry();
    EXPECT_EQ(editor().GetText(), QStringLiteral("Hej"));
}

TEST_F(LibraryTabTest, SearchFindsNodesInCollapsedBranchesOneAfterTheOther)
{
    m_tab->ShowLibrary(LibraryTab::Html);
    THETreeView &html = tree(LibraryTab::Html);
    ASSERT_FALSE(html.topLevelItem(0)->child(0)->isExpanded());
    QTest::keyClicks(m_tab->searchText(), QStringLiteral("tab"));
    QTest::keyClick(m_tab->searchText(), Qt::Key_Return);
    EXPECT_EQ(currentText(LibraryTab::Html), QStringLiteral("<table></table>"));
    EXPECT_TRUE(html.topLevelItem(0)->child(0)->isExpanded()); // brought into view
    QTest::keyClick(m_tab->searchText(), Qt::Key_Return);
    EXPECT_EQ(currentText(LibraryTab::Html), QStringLiteral("Tabeller"));
    QTest::mouseClick(m_tab->findButton(), Qt::LeftButton);
    EXPECT_EQ(currentText(LibraryTab::Html), QStringLiteral("TABINDEX=\"\""));
    // No further match: the selection stays.
    QTest::keyClick(m_tab->searchText(), Qt::Key_Return);
    EXPECT_EQ(currentText(LibraryTab::Html), QStringLiteral("TABINDEX=\"\""));

    // Editing the text starts again from the top.
    QTest::keyClick(m_tab->searchText(), Qt::Key_Backspace);
    QTest::keyClicks(m_tab->searchText(), QStringLiteral("b"));
    QTest::keyClick(m_tab->searchText(), Qt::Key_Return);
    EXPECT_EQ(currentText(LibraryTab::Html), QStringLiteral("<table></table>"));

    // An empty search changes nothing.
    m_tab->searchText()->clear();
    QTest::keyClick(m_tab->searchText(), Qt::Key_Return);
    EXPECT_EQ(currentText(LibraryTab::Html), QStringLiteral("<table></table>"));

    // Switching libraries starts again from the top too.
    m_tab->searchText()->setText(QStringLiteral("tab"));
    m_tab->findNext();
    m_tab->findNext();
    EXPECT_EQ(currentText(LibraryTab::Html), QStringLiteral("Tabeller"));
    m_tab->ShowLibrary(LibraryTab::Css);
    m_tab->ShowLibrary(LibraryTab::Html);
    m_tab->findNext();
    EXPECT_EQ(currentText(LibraryTab::Html), QStringLiteral("<table></table>"));
}

TEST_F(LibraryTabTest, RightClickSelectsAndOpensTheMenuOnlyOnEntriesThatInsert)
{
    m_tab->ShowLibrary(LibraryTab::Html);
    THETreeView &html = tree(LibraryTab::Html);
    QTreeWidgetItem *structure = html.topLevelItem(0)->child(0);
    openMenuAt(html, structure);
    EXPECT_EQ(html.currentItem(), structure);
    EXPECT_FALSE(m_tab->contextMenu()->isVisible());

    structure->setExpanded(true);
    QTreeWidgetItem *table = structure->child(0);
    openMenuAt(html, table);
    EXPECT_EQ(html.currentItem(), table);
    ASSERT_TRUE(m_tab->contextMenu()->isVisible());
    EXPECT_EQ(m_tab->contextMenu()->actions().value(0)->text(), QStringLiteral("Indsæt kode"));

    setDocument(QStringLiteral("Hej"), {1, 0}, {1, 3});
    m_tab->contextMenu()->actions().value(0)->trigger();
    m_tab->contextMenu()->hide();
    EXPECT_EQ(editor().GetText(), QStringLiteral("<table>Hej</table>"));

    // The folder of events at the element level has no markup, so no menu.
    openMenuAt(html, structure->child(4));
    EXPECT_EQ(html.currentItem()->text(0), QStringLiteral("Hændelser"));
    EXPECT_FALSE(m_tab->contextMenu()->isVisible());

    // Shift+F10 opens it at the tree's top-left corner.
    html.setCurrentItem(table);
    QTest::keyClick(&html, Qt::Key_F10, Qt::ShiftModifier);
    ASSERT_TRUE(m_tab->contextMenu()->isVisible());
    EXPECT_EQ(m_tab->contextMenu()->pos(), html.mapToGlobal(QPoint(0, 0)));
}

TEST_F(LibraryTabTest, EnterInsertsAndAClickOnACheckBoxTicksTheAttribute)
{
    m_tab->ShowLibrary(LibraryTab::Html);
    THETreeView &html = tree(LibraryTab::Html);
    QTreeWidgetItem *table = html.topLevelItem(0)->child(0)->child(0);
    table->setExpanded(true);
    QTreeWidgetItem *border = table->child(0);
    html.scrollToItem(border);

    QStyleOptionViewItem option;
    option.initFrom(&html);
    option.rect = html.visualItemRect(border);
    option.features = QStyleOptionViewItem::HasCheckIndicator | QStyleOptionViewItem::HasDisplay
        | QStyleOptionViewItem::HasDecoration;
    option.decorationSize = html.iconSize().isValid() ? html.iconSize() : QSize(16, 16);
    option.text = border->text(0);
    const QRect check = html.style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, &html);
    QTest::mouseClick(html.viewport(), Qt::LeftButton, {}, check.center());
    EXPECT_EQ(border->checkState(0), Qt::Checked);

    html.setCurrentItem(table);
    setDocument(QStringLiteral("Hej"), {1, 0}, {1, 3});
    html.setFocus();
    QTest::keyClick(&html, Qt::Key_Return);
    EXPECT_EQ(editor().GetText(), QStringLiteral("<table border=\"\">Hej</table>"));

    QTest::mouseClick(html.viewport(), Qt::LeftButton, {}, check.center());
    EXPECT_EQ(border->checkState(0), Qt::Unchecked);
}

TEST_F(LibraryTabTest, SpecialCharactersGoInAsHtmlOrWithShiftAsDecimal)
{
    m_tab->ShowLibrary(LibraryTab::SpecialCharacters);
    SpecialCharacterList &list = *m_tab->specialCharacters();
    list.setCurrentItem(list.topLevelItem(0));
    setDocument(QString(), {1, 0}, {1, 0});
    QTest::keyClick(&list, Qt::Key_Return);
    EXPECT_EQ(editor().GetText(), QStringLiteral("&aelig;"));

    const QPoint second = list.visualItemRect(list.topLevelItem(1)).center();
    list.setFocus();
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, second);
    QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, second);
    EXPECT_EQ(editor().GetText(), QStringLiteral("&aelig;&copy;"));
    EXPECT_TRUE(editor().hasFocus());

    list.setFocus();
    QTest::keyPress(&list, Qt::Key_Shift);
    QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, second);
    EXPECT_EQ(editor().GetText(), QStringLiteral("&aelig;&copy;&#169;"));
    // The Shift key is forgotten after the insertion.
    QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, second);
    EXPECT_EQ(editor().GetText(), QStringLiteral("&aelig;&copy;&#169;&copy;"));

    // The menu opens on any row.
    openMenuAt(list, list.topLevelItem(0));
    EXPECT_TRUE(m_tab->contextMenu()->isVisible());
}

TEST_F(LibraryTabTest, DroppingOnTheEditorInsertsAtTheDropPoint)
{
    select(LibraryTab::Html, QStringLiteral("<br />"));
    setDocument(QStringLiteral("abc\ndef"), {1, 0}, {1, 0});
    EXPECT_TRUE(dropAt(tree(LibraryTab::Html), {2, 1}));
    EXPECT_EQ(editor().GetText(), QStringLiteral("abc\nd<br />ef"));

    // Categories and nodes with children outside HTML are not taken.
    select(LibraryTab::Html, QStringLiteral("Struktur"));
    EXPECT_FALSE(dropAt(tree(LibraryTab::Html), {1, 1}));
    select(LibraryTab::JavaScript, QStringLiteral("location"));
    EXPECT_FALSE(dropAt(tree(LibraryTab::JavaScript), {1, 1}));
    select(LibraryTab::JavaScript, QStringLiteral("write"));
    EXPECT_TRUE(dropAt(tree(LibraryTab::JavaScript), {1, 1}));
    EXPECT_EQ(editor().GetText(), QStringLiteral("adocument.writebc\nd<br />ef"));

    m_tab->ShowLibrary(LibraryTab::SpecialCharacters);
    SpecialCharacterList &list = *m_tab->specialCharacters();
    list.setCurrentItem(list.topLevelItem(0));
    setDocument(QStringLiteral("xy"), {1, 0}, {1, 0});
    EXPECT_TRUE(dropAt(list, {1, 1}));
    EXPECT_EQ(editor().GetText(), QStringLiteral("x&aelig;y"));
    EXPECT_TRUE(dropAt(list, {1, 0}, Qt::ShiftModifier));
    EXPECT_EQ(editor().GetText(), QStringLiteral("&#230;x&aelig;y"));
}

} // namespace

namespace {

// The libraries that the build generates, once they are in its data folder.
TEST(ShippedLibraries, EveryNodeShowsItsOwnRecordAndEntriesInsert)
{
    const QString folder = QStringLiteral(PAGEWICK_DATA_DIR "/");
    if (!QFile::exists(folder + QStringLiteral("html4bib.dat")))
        GTEST_SKIP() << "the build has not generated the libraries";
    ScriptedPrompter prompter;
    LibraryLists lists;
    LibraryFiles files(folder);
    TLEdit editor;
    LibraryTab tab(
        {lists, files, prompter, folder, [] { return QStringList{QStringLiteral("P")}; }, [&editor] { return &editor; }});
    for (int library = LibraryTab::Html; library <= LibraryTab::JavaScript; ++library) {
        tab.ShowLibrary(library);
        const QList<QTreeWidgetItem *> nodes = tab.tree(library)->nodesInOrder();
        ASSERT_GT(nodes.size(), 100) << library;
        for (QTreeWidgetItem *node : nodes) {
            tab.tree(library)->setCurrentItem(node);
            ASSERT_FALSE(tab.descriptionPane()->toPlainText().isEmpty()) << library << " " << node->text(0).toStdString();
        }
    }
    EXPECT_TRUE(lists.ElementNames.contains(QStringLiteral("table")));

    const auto insert = [&](int library, const QString &text) {
        tab.ShowLibrary(library);
        tab.searchText()->setText(text);
        tab.findNext();
        EXPECT_EQ(tab.tree(library)->currentItem()->text(0), text);
        editor.SetText(QStringLiteral("Hej"));
        editor.SelectAll();
        tab.InsertLibraryEntry();
        return editor.GetText();
    };
    EXPECT_EQ(insert(LibraryTab::Html, QStringLiteral("<table></table>")), QStringLiteral("<table>Hej</table>"));
    EXPECT_EQ(insert(LibraryTab::Css, QStringLiteral("color")), QStringLiteral("color:"));
    EXPECT_EQ(insert(LibraryTab::JavaScript, QStringLiteral("alert")), QStringLiteral("window.alert"));

    tab.ShowLibrary(LibraryTab::SpecialCharacters);
    EXPECT_GT(tab.specialCharacters()->topLevelItemCount(), 1000);
    EXPECT_TRUE(prompter.allAnswered());
}

} // namespace
