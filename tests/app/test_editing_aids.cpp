// The editing aids around the document editors, on a real main window with
// keys and mouse events sent as the user would.
#include "support/MainWindowFixture.h"

#include "documents/DocumentArea.h"
#include "editing/BookmarkBar.h"
#include "editing/DocumentDrops.h"
#include "editing/EditorCommands.h"
#include "editor/TLEditLines.h"
#include "workbench/TFriendlyStatusBar.h"

#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QTabWidget>
#include <QToolBar>
#include <QWheelEvent>

namespace {

const QString CannotEdit = QStringLiteral("Pagewick kan ikke automatisk redigere denne HTML-kode.");

class EditingAidsTest : public MainWindowFixture
{
protected:
    EditorCommands &aids() { return m_window->editorCommands(); }
    QAction *goToButton(int slot)
    {
        return m_window->documentArea().editorToolBar()->findChild<QAction *>(QStringLiteral("btnGaaTilBogmaerke%1").arg(slot));
    }
    QList<bool> buttonsEnabled()
    {
        QList<bool> enabled;
        for (int slot = 1; slot <= 5; ++slot)
            enabled.append(goToButton(slot)->isEnabled());
        return enabled;
    }
    void setBookmarkOnLine(int slot, int line)
    {
        editor().SetSelection(SelectionRecord::at({line, 1}));
        run(QStringLiteral("actSaetBogmaerke%1").arg(slot).toLatin1().constData());
    }
    QString lines(int count)
    {
        QStringList text;
        for (int i = 1; i <= count; ++i)
            text.append(QStringLiteral("linie %1").arg(i));
        return text.join(QLatin1Char('\n'));
    }
    // The context menu that the window opened, if any; closed and deleted.
    QString openedMenu()
    {
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            auto *menu = qobject_cast<QMenu *>(widget);
            if (menu && menu->isVisible()) {
                const QString name = menu->objectName();
                menu->close();
                return name;
            }
        }
        return QString();
    }
    void sendDrag(QEvent::Type type, const QPoint &at, QMimeData *mime)
    {
        QWidget *area = editor().viewport();
        if (type == QEvent::Drop) {
            sendDrag(QEvent::DragEnter, at, mime); // a drop ends a drag over the place
            QDropEvent drop(at, Qt::MoveAction | Qt::CopyAction, mime, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(area, &drop);
        } else if (type == QEvent::DragEnter) {
            QDragEnterEvent enter(at, Qt::MoveAction | Qt::CopyAction, mime, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(area, &enter);
        } else {
            QDragMoveEvent move(at, Qt::MoveAction | Qt::CopyAction, mime, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(area, &move);
        }
    }
    void hover(const QPoint &at)
    {
        QMouseEvent move(QEvent::MouseMove, at, editor().viewport()->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(editor().viewport(), &move);
    }
    // Hovers over the selection and drags it: what the drag carries, once
    // it has passed over the editor.
    std::unique_ptr<QMimeData> dragSelection(const QPoint &over)
    {
        hover(over);
        EXPECT_TRUE(aids().drops().dragCursorShown());
        std::unique_ptr<QMimeData> mime(aids().drops().beginTextDrag(editor()));
        sendDrag(QEvent::DragEnter, over, mime.get());
        sendDrag(QEvent::DragMove, over, mime.get());
        return mime;
    }
};

// ----- bookmarks ------------------------------------------------------------------------

TEST_F(EditingAidsTest, ABookmarkOnALineThatHasOneRemovesItInstead)
{
    editor().SetText(lines(10));
    setBookmarkOnLine(1, 3);
    EXPECT_EQ(editor().GetBookmark(1), 3);
    EXPECT_EQ(buttonsEnabled(), (QList<bool>{true, false, false, false, false}));

    setBookmarkOnLine(3, 3); // line 3 holds bookmark 1: it goes, 3 is not set
    EXPECT_LT(editor().GetBookmark(1), 2);
    EXPECT_LT(editor().GetBookmark(3), 2);
    EXPECT_EQ(buttonsEnabled(), (QList<bool>(5, false)));

    setBookmarkOnLine(2, 1); // the first line never holds one
    EXPECT_LT(editor().GetBookmark(2), 2);
    EXPECT_FALSE(goToButton(2)->isEnabled());

    // The keys set and go to bookmarks too.
    editor().SetSelection(SelectionRecord::at({7, 2}));
    QTest::keyClick(&editor(), Qt::Key_4, Qt::ShiftModifier | Qt::AltModifier);
    EXPECT_EQ(editor().GetBookmark(4), 7);
    editor().SetSelection(SelectionRecord::at({1, 0}));
    QTest::keyClick(&editor(), Qt::Key_4, Qt::AltModifier);
    EXPECT_EQ(editor().GetSelection(), SelectionRecord::at({7, 0}));
}

TEST_F(EditingAidsTest, GoingToBookmarksByCommandButtonAndDropDown)
{
    const QString longLine = QString(59, QLatin1Char('x')) + QStringLiteral("yz & mere");
    editor().SetText(QStringLiteral("top\nkort\n") + longLine + QStringLiteral("\nslut"));
    setBookmarkOnLine(2, 3);
    setBookmarkOnLine(4, 2);

    run("actGaaTilBogmaerke2");
    EXPECT_EQ(editor().GetSelection(), SelectionRecord::at({3, 0}));
    goToButton(4)->trigger();
    EXPECT_EQ(editor().GetSelection(), SelectionRecord::at({2, 0}));
    run("actGaaTilBogmaerke1"); // empty: nothing happens
    EXPECT_EQ(editor().GetSelection(), SelectionRecord::at({2, 0}));

    QMenu *menu = aids().bookmarks().bookmarkMenu();
    Q_EMIT menu->aboutToShow();
    QStringList texts;
    QList<bool> enabled;
    for (QAction *entry : menu->actions()) {
        texts.append(entry->text());
        enabled.append(entry->isEnabled());
    }
    EXPECT_EQ(
        texts,
        (QStringList{"1", QStringLiteral("2: ") + QString(59, QLatin1Char('x')) + QStringLiteral("y..."), "3", "4: kort", "5"}));
    EXPECT_EQ(enabled, (QList<bool>{false, true, false, true, false}));
    menu->actions().at(1)->trigger();
    EXPECT_EQ(editor().GetSelection(), SelectionRecord::at({3, 0}));

    // The drop-down button itself goes to the lowest bookmark set.
    editor().SetSelection(SelectionRecord::at({1, 0}));
    m_window->documentArea().editorToolBar()->findChild<QAction *>(QStringLiteral("btnGaaTilBogmaerker"))->trigger();
    EXPECT_EQ(editor().GetSelection(), SelectionRecord::at({3, 0}));
}

TEST_F(EditingAidsTest, GutterClicksSetTheFirstFreeBookmarkAndMoveTheFifthWhenAllAreUsed)
{
    editor().SetText(lines(30));
    TLEditLines *gutter = m_window->documentArea().gutter();
    const auto clickLine = [&](int line) {
        for (const TLEditLines::Label &label : gutter->labels()) {
            if (label.line == line) {
                QTest::mouseClick(gutter, Qt::LeftButton, Qt::NoModifier, QPoint(5, label.y + 2));
                return;
            }
        }
        ADD_FAILURE() << "line " << line << " is not shown";
    };
    for (int line : {2, 4, 6, 8, 10})
        clickLine(line);
    EXPECT_EQ(editor().GetSelection(), SelectionRecord::at({10, 0}));
    EXPECT_EQ(EditorBookmarks::lines(editor()), (EditorBookmarks::Lines{2, 4, 6, 8, 10}));
    clickLine(12);
    EXPECT_EQ(EditorBookmarks::lines(editor()), (EditorBookmarks::Lines{2, 4, 6, 8, 12}));
    clickLine(4); // a line with a bookmark loses it, and the next click fills that slot
    EXPECT_LT(editor().GetBookmark(2), 2);
    EXPECT_FALSE(goToButton(2)->isEnabled());
    clickLine(14);
    EXPECT_EQ(editor().GetBookmark(2), 14);
}

TEST_F(EditingAidsTest, BookmarksAreKeptAcrossAWholeTextReplacementAndFollowTheTab)
{
    editor().SetText(lines(10));
    setBookmarkOnLine(1, 4);
    setBookmarkOnLine(5, 9);
    aids().bookmarks().SaveBookmarks();
    editor().SetText(lines(10).toUpper()); // a whole-text conversion
    EXPECT_LT(editor().GetBookmark(1), 2);
    aids().bookmarks().RestoreBookmarks();
    EXPECT_EQ(EditorBookmarks::lines(editor()), (EditorBookmarks::Lines{4, 1, 1, 1, 9}));
    EXPECT_EQ(buttonsEnabled(), (QList<bool>{true, false, false, false, true}));

    m_window->documentCommands().NewDocument();
    EXPECT_EQ(buttonsEnabled(), (QList<bool>(5, false)));
    m_window->documentArea().setCurrentIndex(0);
    EXPECT_EQ(buttonsEnabled(), (QList<bool>{true, false, false, false, true}));
}

// ----- go to line, undo and redo ------------------------------------------------------------

TEST_F(EditingAidsTest, GoToLineTakesOnlyAWholeNumber)
{
    editor().SetText(lines(20));
    editor().SetSelection(selection(2, 1, 3, 2));
    const struct
    {
        std::optional<QString> answer;
        SelectionRecord expected;
    } cases[] = {
        {QStringLiteral("7"), SelectionRecord::at({7, 0})},
        {QStringLiteral("abc"), SelectionRecord::at({7, 0})},
        {QStringLiteral("3.5"), SelectionRecord::at({7, 0})},
        {std::nullopt, SelectionRecord::at({7, 0})},
        {QStringLiteral(" 12 "), SelectionRecord::at({12, 0})},
        {QStringLiteral("999"), SelectionRecord::at({20, 8})}, // the end of the text
    };
    for (const auto &c : cases) {
        m_prompter.expectInput(c.answer);
        QTest::keyClick(&editor(), Qt::Key_G, Qt::ControlModifier);
        EXPECT_EQ(editor().GetSelection(), c.expected) << c.answer.value_or(QStringLiteral("(cancelled)")).toStdString();
    }
}

TEST_F(EditingAidsTest, UndoAndRedoStepOverTheEmptyText)
{
    editor().SetText(QStringLiteral("gammel"));
    editor().ClearUndo();
    editor().SetText(QStringLiteral("ny tekst")); // emptied, then filled: two steps
    run("actFortryd");
    EXPECT_EQ(editor().GetText(), QStringLiteral("gammel"));
    run("actAnnullerFortryd");
    EXPECT_EQ(editor().GetText(), QStringLiteral("ny tekst"));

    // Typing into an empty document undoes to the empty text and no further.
    m_window->documentCommands().NewDocument();
    QTest::keyClicks(&editor(), QStringLiteral("ab"));
    run("actFortryd");
    EXPECT_EQ(editor().GetText(), QString());
    QApplication::processEvents();
    EXPECT_FALSE(command("actFortryd")->isEnabled());
    EXPECT_TRUE(command("actAnnullerFortryd")->isEnabled());

    // A read-only text has nothing to undo.
    editor().SetText(QStringLiteral("fast"));
    editor().SetReadOnly(true);
    QApplication::processEvents();
    EXPECT_FALSE(command("actFortryd")->isEnabled());
    aids().undo();
    EXPECT_EQ(editor().GetText(), QStringLiteral("fast"));
    editor().SetReadOnly(false);
}

// ----- status and toggles ------------------------------------------------------------------------

TEST_F(EditingAidsTest, TheStatusPanelsAndCommandsFollowTheEditor)
{
    TFriendlyStatusBar *status = m_window->statusPanels();
    EXPECT_EQ(status->panelText(1), QStringLiteral("0 tegn"));
    EXPECT_EQ(status->panelText(2), QStringLiteral("1 : 1"));
    EXPECT_FALSE(command("actGem")->isEnabled());
    EXPECT_FALSE(command("actFortryd")->isEnabled());

    QTest::keyClicks(&editor(), QStringLiteral("æøå"));
    QTest::keyClick(&editor(), Qt::Key_Return);
    QTest::keyClicks(&editor(), QStringLiteral("xy"));
    QApplication::processEvents();
    EXPECT_EQ(status->panelText(1), QStringLiteral("%1 tegn").arg(editor().GetTextLength()));
    EXPECT_EQ(status->panelText(2), QStringLiteral("2 : 3"));
    EXPECT_TRUE(command("actGem")->isEnabled());
    EXPECT_TRUE(command("actFortryd")->isEnabled());
    EXPECT_FALSE(command("actAnnullerFortryd")->isEnabled());

    editor().ClearModified(); // as after saving
    EXPECT_FALSE(command("actGem")->isEnabled());

    QLabel *overwrite = status->overwriteLabel();
    EXPECT_FALSE(overwrite->isEnabled());
    QTest::keyClick(&editor(), Qt::Key_Insert);
    QApplication::processEvents();
    EXPECT_TRUE(overwrite->isEnabled());
    QTest::keyClicks(&editor(), QStringLiteral("Z"));
    EXPECT_EQ(editor().GetLine(2), QStringLiteral("xyZ"));

    // A new tab shows its own state; coming back shows this one again.
    m_window->documentCommands().NewDocument();
    EXPECT_FALSE(overwrite->isEnabled());
    EXPECT_EQ(status->panelText(1), QStringLiteral("0 tegn"));
    m_window->documentArea().setCurrentIndex(0);
    EXPECT_TRUE(overwrite->isEnabled());
    EXPECT_EQ(status->panelText(2), QStringLiteral("2 : 4"));
}

TEST_F(EditingAidsTest, ReadOnlyAndWordWrapToggleWithTheirButtons)
{
    editor().SetText(QStringLiteral("tekst"));
    const bool wrapped = editor().WordWrap();
    run("actTekstombrydning");
    EXPECT_NE(editor().WordWrap(), wrapped);
    EXPECT_EQ(command("actTekstombrydning")->isChecked(), editor().WordWrap());
    EXPECT_EQ(editor().ScrollBars(), editor().WordWrap() ? TLEdit::lsbVertical : TLEdit::lsbBoth);
    run("actTekstombrydning");
    EXPECT_EQ(editor().WordWrap(), wrapped);
    EXPECT_EQ(editor().ScrollBars(), wrapped ? TLEdit::lsbVertical : TLEdit::lsbBoth);

    run("actSkrivebeskyttet");
    EXPECT_TRUE(editor().IsReadOnly());
    EXPECT_TRUE(command("actSkrivebeskyttet")->isChecked());
    QTest::keyClicks(&editor(), QStringLiteral("x"));
    EXPECT_EQ(editor().GetText(), QStringLiteral("tekst"));
    m_window->documentCommands().NewDocument();
    EXPECT_FALSE(command("actSkrivebeskyttet")->isChecked());
    m_window->documentArea().setCurrentIndex(0);
    EXPECT_TRUE(command("actSkrivebeskyttet")->isChecked());
    run("actSkrivebeskyttet");
    EXPECT_FALSE(editor().IsReadOnly());
}

// ----- the mouse ---------------------------------------------------------------------------------

TEST_F(EditingAidsTest, ARightClickOpensTheMenuThatFitsOrEditsTheElement)
{
    editor().SetText(QStringLiteral("<b>ord</b>   \nanden linie"));
    // On a word: the element at the caret is edited (a b element cannot be: said so).
    m_prompter.expect(CannotEdit);
    QTest::mouseClick(editor().viewport(), Qt::RightButton, Qt::NoModifier, pointOf(1, 4));
    EXPECT_EQ(editor().GetSelection().caret(), (TextPos{1, 4}));
    EXPECT_EQ(openedMenu(), QString());

    // Past the words: the menu without a selection.
    QTest::mouseClick(editor().viewport(), Qt::RightButton, Qt::NoModifier, pointOf(1, 12));
    EXPECT_EQ(openedMenu(), QStringLiteral("popUdenMarkering"));

    // With a selection the caret stays and the selection's menu opens.
    editor().SetSelection(selection(2, 0, 2, 5));
    QTest::mouseClick(editor().viewport(), Qt::RightButton, Qt::NoModifier, pointOf(1, 1));
    EXPECT_EQ(editor().GetSelection(), selection(2, 0, 2, 5));
    EXPECT_EQ(openedMenu(), QStringLiteral("popMedMarkering"));

    // Shift+F10 does the same at the top-left corner.
    QTest::keyClick(&editor(), Qt::Key_F10, Qt::ShiftModifier);
    EXPECT_EQ(openedMenu(), QStringLiteral("popMedMarkering"));
    editor().SetSelection(SelectionRecord::at({2, 3}));
    QTest::keyClick(&editor(), Qt::Key_F10, Qt::ShiftModifier);
    EXPECT_EQ(editor().GetSelection(), SelectionRecord::at({1, 0}));
    EXPECT_EQ(openedMenu(), QStringLiteral("popUdenMarkering"));
}

TEST_F(EditingAidsTest, ADoubleClickSelectsTheWholeWordUpToMarkup)
{
    editor().SetText(QStringLiteral("<a href=\"sider/side-1.htm\">Forside</a>"));
    QTest::mouseDClick(editor().viewport(), Qt::LeftButton, Qt::NoModifier, pointOf(1, 14));
    EXPECT_EQ(editor().GetSelText(), QStringLiteral("sider/side-1.htm"));
    QTest::mouseDClick(editor().viewport(), Qt::LeftButton, Qt::NoModifier, pointOf(1, 30));
    EXPECT_EQ(editor().GetSelText(), QStringLiteral("Forside"));
    EXPECT_FALSE(editor().CurrentWordAsText());
}

TEST_F(EditingAidsTest, TheWheelScrollsThreeLinesANotchWithoutMovingTheCaret)
{
    editor().SetText(lines(200));
    editor().SetSelection(SelectionRecord::at({2, 1}));
    editor().setFocus();
    const auto turn = [&](int delta) {
        QWheelEvent wheel(QPointF(50, 50), editor().viewport()->mapToGlobal(QPointF(50, 50)), QPoint(), QPoint(0, delta),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(editor().viewport(), &wheel);
    };
    turn(-2 * 120);
    EXPECT_EQ(editor().GetTopLine(), 7);
    turn(120);
    EXPECT_EQ(editor().GetTopLine(), 4);
    turn(-60); // half a notch waits for the other half
    EXPECT_EQ(editor().GetTopLine(), 4);
    turn(-60);
    EXPECT_EQ(editor().GetTopLine(), 7);
    EXPECT_EQ(editor().GetSelection(), SelectionRecord::at({2, 1}));
}

TEST_F(EditingAidsTest, CaretToPointTakesTheNearestPlaceAndFocusesTheEditor)
{
    editor().SetText(QStringLiteral("kort\nen længere linie"));
    m_window->resourcePanel()->setFocus();
    aids().CaretToPoint(pointOf(2, 3).x(), pointOf(2, 3).y());
    EXPECT_EQ(editor().GetSelection(), SelectionRecord::at({2, 3}));
    EXPECT_TRUE(editor().hasFocus());
    aids().CaretToPoint(pointOf(1, 4).x() + 200, pointOf(1, 0).y()); // past the line's end
    EXPECT_EQ(editor().GetSelection(), SelectionRecord::at({1, 4}));
}

// ----- drag and drop -------------------------------------------------------------------------------

TEST_F(EditingAidsTest, DraggedTextMovesAndGoesBackWhenDroppedOnItsOldPlace)
{
    editor().SetText(QStringLiteral("aaa FLYT bbb ccc"));
    editor().ClearUndo();
    editor().SetSelection(selection(1, 8, 1, 4));
    hover(pointOf(1, 1));
    EXPECT_FALSE(aids().drops().dragCursorShown());

    // Dropped within its old range (the text has left it): back where it was.
    std::unique_ptr<QMimeData> mime = dragSelection(pointOf(1, 6));
    EXPECT_EQ(editor().GetText(), QStringLiteral("aaa  bbb ccc"));
    sendDrag(QEvent::Drop, pointOf(1, 6), mime.get());
    aids().drops().finishTextDrag();
    EXPECT_EQ(editor().GetText(), QStringLiteral("aaa FLYT bbb ccc"));

    // Dropped further on: moved there, as one step to undo.
    editor().SetSelection(selection(1, 4, 1, 8));
    mime = dragSelection(pointOf(1, 6));
    sendDrag(QEvent::Drop, pointOf(1, 10), mime.get());
    aids().drops().finishTextDrag();
    EXPECT_EQ(editor().GetText(), QStringLiteral("aaa  bbb cFLYTcc"));
    run("actFortryd");
    EXPECT_EQ(editor().GetText(), QStringLiteral("aaa FLYT bbb ccc"));

    // Dropped nowhere: the text is put back.
    editor().SetSelection(selection(1, 4, 1, 8));
    mime = dragSelection(pointOf(1, 5));
    aids().drops().finishTextDrag();
    EXPECT_EQ(editor().GetText(), QStringLiteral("aaa FLYT bbb ccc"));
}

TEST_F(EditingAidsTest, APressOnTheSelectionWithoutADragPutsTheCaretThere)
{
    editor().SetText(QStringLiteral("aaa FLYT bbb"));
    editor().SetSelection(selection(1, 4, 1, 8));
    hover(pointOf(1, 6));
    QTest::mouseClick(editor().viewport(), Qt::LeftButton, Qt::NoModifier, pointOf(1, 6));
    EXPECT_EQ(editor().GetSelection(), SelectionRecord::at({1, 6}));
    EXPECT_EQ(editor().GetText(), QStringLiteral("aaa FLYT bbb"));
}

TEST_F(EditingAidsTest, FilesFromTheProgramsListsBecomeReferencesAtTheDropPoint)
{
    const QString page = m_dir.filePath(QStringLiteral("site/index.htm"));
    QDir().mkpath(m_dir.filePath(QStringLiteral("site/billeder")));
    {
        QFile file(page);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("<p></p>");
    }
    m_window->documentCommands().FilAabn(page);
    QMimeData mime;
    mime.setData(DocumentDrops::FileListFormat, m_dir.filePath(QStringLiteral("site/billeder/logo.gif")).toUtf8());
    sendDrag(QEvent::Drop, pointOf(1, 3), &mime);
    // A picture that cannot be read gets no size.
    EXPECT_EQ(editor().GetText(), QStringLiteral("<p><img src=\"billeder/logo.gif\" border=\"0\" alt=\"\"></p>"));

    // Another way of writing references can take over.
    aids().setFileReferenceInserter([](TLEdit &target, const QString &path) {
        target.ReplaceSelection(QStringLiteral("[%1]").arg(QFileInfo(path).fileName()));
    });
    sendDrag(QEvent::Drop, pointOf(1, 0), &mime);
    EXPECT_EQ(editor().GetText(), QStringLiteral("[logo.gif]<p><img src=\"billeder/logo.gif\" border=\"0\" alt=\"\"></p>"));

    // A read-only document takes nothing.
    editor().SetReadOnly(true);
    sendDrag(QEvent::Drop, pointOf(1, 0), &mime);
    EXPECT_EQ(editor().GetText(), QStringLiteral("[logo.gif]<p><img src=\"billeder/logo.gif\" border=\"0\" alt=\"\"></p>"));
    editor().SetReadOnly(false);
}

// ----- keys -------------------------------------------------------------------------------------

TEST_F(EditingAidsTest, CtrlAltTabGoesToTheResourcePanelWhenItIsShown)
{
    QTest::keyClick(&editor(), Qt::Key_Tab, Qt::ControlModifier | Qt::AltModifier);
    EXPECT_TRUE(m_window->resourcePanel()->hasFocus());
}

TEST(EditorBookmarks, EntriesShowTheNumberOrTheLineCutTo60Characters)
{
    EXPECT_EQ(EditorBookmarks::entryText(3, false, QStringLiteral("ignored")), QStringLiteral("3"));
    EXPECT_EQ(EditorBookmarks::entryText(1, true, QString(60, QLatin1Char('a'))),
              QStringLiteral("1: ") + QString(60, QLatin1Char('a')));
    EXPECT_EQ(EditorBookmarks::entryText(5, true, QString(61, QLatin1Char('a'))),
              QStringLiteral("5: ") + QString(60, QLatin1Char('a')) + QStringLiteral("..."));
    EXPECT_EQ(EditorBookmarks::colour(5), QColor(255, 182, 108));
    EXPECT_EQ(EditorBookmarks::colour(2), QColor(0, 255, 255));
}

} // namespace
