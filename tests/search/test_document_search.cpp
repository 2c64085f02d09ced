// Find and replace in the document: the dialogs, their commands and the
// messages that tell the outcome, on a real main window.
#include "support/MainWindowFixture.h"

#include "search/DocumentSearch.h"
#include "search/FindReplaceDialog.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

const QString NothingFound = QStringLiteral("Søgningen gav intet resultat.");

class DocumentSearchTest : public MainWindowFixture
{
protected:
    FindReplaceDialog &findDialog() { return *m_window->searchCommands().documentSearch().findDialog(); }
    FindReplaceDialog &replaceDialog() { return *m_window->searchCommands().documentSearch().replaceDialog(); }
    static QString replaced(int count, const QString &text)
    {
        return QStringLiteral("Pagewick erstattede %1 tilfælde af\r\r\"%2\"").arg(count).arg(text);
    }
};

TEST_F(DocumentSearchTest, TheDialogsStartDownWithoutWholeWordsAndTakeTheSelection)
{
    editor().SetText(QStringLiteral("en kat og en hund"));
    editor().SetSelection(selection(1, 3, 1, 6));
    run("actSoeg");
    FindReplaceDialog *find = &findDialog();
    EXPECT_TRUE(find->isVisible());
    EXPECT_FALSE(find->isModal());
    EXPECT_EQ(find->windowTitle(), QStringLiteral("Søg"));
    EXPECT_EQ(find->findText(), QStringLiteral("kat"));
    EXPECT_TRUE(find->searchDown());
    EXPECT_FALSE(find->findChildren<QCheckBox *>().first()->isEnabled()); // whole words
    find->hide();

    // Without a selection the dialog keeps its text; it is the same dialog.
    editor().SetSelection(SelectionRecord::at({1, 0}));
    run("actSoeg");
    EXPECT_EQ(&findDialog(), find);
    EXPECT_EQ(find->findText(), QStringLiteral("kat"));

    run("actErstat");
    EXPECT_TRUE(replaceDialog().isVisible());
    EXPECT_EQ(replaceDialog().windowTitle(), QStringLiteral("Erstat"));
    EXPECT_EQ(replaceDialog().findText(), QString());
    EXPECT_EQ(replaceDialog().upButton(), nullptr); // always down
    editor().SetSelection(selection(1, 13, 1, 17));
    run("actErstat");
    EXPECT_EQ(replaceDialog().findText(), QStringLiteral("hund"));
}

TEST_F(DocumentSearchTest, FindNextBeforeAnySearchOpensTheFindDialog)
{
    editor().SetText(QStringLiteral("abc"));
    QTest::keyClick(&editor(), Qt::Key_F3);
    EXPECT_TRUE(findDialog().isVisible());
    EXPECT_EQ(editor().GetSelection(), SelectionRecord::at({1, 0}));
    EXPECT_TRUE(m_prompter.seen().isEmpty());
}

TEST_F(DocumentSearchTest, FindingGoesDownOrUpWithTheCaseChosenAndTellsWhenNothingIsLeft)
{
    editor().SetText(QStringLiteral("Kat\nkat\nKAT"));
    run("actSoeg");
    findDialog().findField()->setText(QStringLiteral("kat"));
    findDialog().findNextButton()->click();
    EXPECT_EQ(editor().GetSelection(), selection(1, 0, 1, 3));
    QTest::keyClick(&editor(), Qt::Key_F3); // as the dialog's button
    EXPECT_EQ(editor().GetSelection(), selection(2, 0, 2, 3));

    findDialog().matchCaseBox()->setChecked(true);
    m_prompter.expect(NothingFound);
    run("actFindNaeste");
    EXPECT_EQ(editor().GetSelection(), selection(2, 0, 2, 3)); // "KAT" differs in case

    findDialog().matchCaseBox()->setChecked(false);
    findDialog().upButton()->setChecked(true);
    findDialog().findNextButton()->click();
    EXPECT_EQ(editor().GetSelection(), selection(1, 0, 1, 3));
    EXPECT_EQ(m_prompter.seen().size(), 1);
    EXPECT_EQ(m_prompter.seen().first().caption, QStringLiteral("Brindle's Pagewick"));
}

TEST_F(DocumentSearchTest, ReplaceAllTakesEveryCaseAsOneStepAndTellsTheCount)
{
    editor().SetText(QStringLiteral("Kat kat\nKAT hund"));
    editor().ClearUndo();
    run("actErstat");
    replaceDialog().findField()->setText(QStringLiteral("kat"));
    replaceDialog().replaceField()->setText(QStringLiteral("mis"));
    m_prompter.expect(replaced(3, QStringLiteral("kat")));
    replaceDialog().replaceAllButton()->click();
    EXPECT_EQ(m_prompter.seen().last().text, replaced(3, QStringLiteral("kat")));
    EXPECT_EQ(editor().GetText(), QStringLiteral("mis mis\nmis hund"));
    run("actFortryd");
    EXPECT_EQ(editor().GetText(), QStringLiteral("Kat kat\nKAT hund"));

    // Matching case: only the exact spelling.
    replaceDialog().matchCaseBox()->setChecked(true);
    m_prompter.expect(replaced(1, QStringLiteral("kat")));
    replaceDialog().replaceAllButton()->click();
    EXPECT_EQ(editor().GetText(), QStringLiteral("Kat mis\nKAT hund"));

    // A read-only document keeps its text.
    editor().SetReadOnly(true);
    replaceDialog().matchCaseBox()->setChecked(false);
    m_prompter.expect(NothingFound);
    replaceDialog().replaceAllButton()->click();
    EXPECT_EQ(editor().GetText(), QStringLiteral("Kat mis\nKAT hund"));
    editor().SetReadOnly(false);
}

TEST_F(DocumentSearchTest, ReplacingAfterSearchingUpGoesForward)
{
    editor().SetText(QStringLiteral("a x b x c x"));
    editor().SetSelection(SelectionRecord::at({1, 11}));
    run("actSoeg");
    findDialog().findField()->setText(QStringLiteral("x"));
    findDialog().upButton()->setChecked(true);
    findDialog().findNextButton()->click();
    findDialog().findNextButton()->click();
    EXPECT_EQ(editor().GetSelection(), selection(1, 6, 1, 7));

    run("actErstat"); // the selected "x" becomes the find text
    replaceDialog().replaceField()->setText(QStringLiteral("Y"));
    replaceDialog().replaceButton()->click();
    EXPECT_EQ(editor().GetText(), QStringLiteral("a x b Y c x"));
    EXPECT_EQ(editor().GetSelection(), selection(1, 10, 1, 11)); // the next one, further on
    // The last one is replaced, and nothing is found after it.
    m_prompter.expect(NothingFound);
    replaceDialog().replaceButton()->click();
    EXPECT_EQ(editor().GetText(), QStringLiteral("a x b Y c Y"));
}

TEST_F(DocumentSearchTest, SearchTextsAreCutTo127Characters)
{
    // 127 characters are found whole; a longer text is cut to its first 127
    // (the rule of the editor's search state), so a text that only agrees in
    // those is found, and the message quotes what was searched for.
    const QString exact = QString(120, QLatin1Char('w')) + QStringLiteral("slutord");
    ASSERT_EQ(exact.size(), 127);
    editor().SetText(QStringLiteral("før ") + exact + QStringLiteral("XYZ efter"));
    run("actSoeg");
    findDialog().findField()->setText(exact);
    findDialog().findNextButton()->click();
    EXPECT_EQ(editor().GetSelection(), selection(1, 4, 1, 131));

    run("actErstat");
    replaceDialog().findField()->setText(exact + QStringLiteral("ABC"));
    replaceDialog().replaceField()->setText(QStringLiteral("kort"));
    m_prompter.expect(replaced(1, exact));
    replaceDialog().replaceAllButton()->click();
    EXPECT_EQ(editor().GetText(), QStringLiteral("før kortXYZ efter"));
}

TEST_F(DocumentSearchTest, EachEditorReportsToTheWindow)
{
    m_window->documentCommands().NewDocument();
    editor().SetText(QStringLiteral("ingenting"));
    run("actSoeg");
    findDialog().findField()->setText(QStringLiteral("noget"));
    m_prompter.expect(NothingFound);
    findDialog().findNextButton()->click();
    EXPECT_EQ(editor().GetSelection(), SelectionRecord::at({1, 0}));
}

} // namespace
