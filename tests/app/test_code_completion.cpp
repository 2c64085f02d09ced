// Code completion in a document editor of the real main window: keys typed
// as the user types them, a small HTML library in the program folder, and
// the shortest completion delay.
#include "support/LibraryFixture.h"
#include "support/MainWindowFixture.h"

#include "completion/CodeCompletion.h"
#include "completion/CompletionRules.h"
#include "core/SettingsKeys.h"
#include "dialogs/settings/TfrmIndstil.h"
#include "resources/LibraryIcons.h"
#include "resources/LibraryRecord.h"

#include <QCheckBox>
#include <QListWidget>
#include <QSlider>

#include <functional>

namespace {

QByteArray htmlLibrary()
{
    const QList<LibraryRecord> records{
        libraryRecord(0, 0, QStringLiteral("HTML")),
        libraryRecord(1, 1000, QStringLiteral("Elementer")),
        libraryRecord(101, 1200, QStringLiteral("<a></a>"), QStringLiteral("a")),
        libraryRecord(10101, 1300, QStringLiteral("href=\"\""), QStringLiteral("href"), QStringLiteral("a"),
                      QStringLiteral("[url]")),
        libraryRecord(20101, 1300, QStringLiteral("target=\"\""), QStringLiteral("target"), QStringLiteral("a"),
                      QStringLiteral("_blank, _self, [ramme]")),
        libraryRecord(201, 1200, QStringLiteral("<table></table>"), QStringLiteral("table")),
        libraryRecord(10201, 1300, QStringLiteral("align=\"\""), QStringLiteral("align"), QStringLiteral("table"),
                      QStringLiteral("left, center, right")),
        libraryRecord(20201, 1300, QStringLiteral("border=\"\""), QStringLiteral("border"), QStringLiteral("table"),
                      QStringLiteral("[tal]")),
        libraryRecord(301, 1200, QStringLiteral("<td></td>"), QStringLiteral("td")),
        libraryRecord(401, 1200, QStringLiteral("<title></title>"), QStringLiteral("title")),
        libraryRecord(501, 1200, QStringLiteral("<tr></tr>"), QStringLiteral("tr")),
        libraryRecord(2, 2000, QStringLiteral("Hændelser")),
        libraryRecord(102, 1701, QStringLiteral("onclick=\"\""), QStringLiteral("onclick")),
    };
    return recordBytes(records);
}

class CodeCompletionTest : public MainWindowFixture
{
protected:
    void SetUp() override
    {
        writeProgramFile("html4bib.dat", htmlLibrary());
        writeProgramFile("eventmap.dat", "1701=a,table\r\n");
        writeProgramFile("globalmap.dat", "class=title\r\nid=\r\n");
        // The shortest delay the settings offer.
        settings().writeInt(Keys::Indstillinger, QStringLiteral("Forsinkelse"), 100);
        openWindow();
        editor().setFocus();
    }

    CodeCompletion &completion() { return m_window->codeCompletion(); }
    QListWidget &list() { return *completion().CompletionList(); }
    void type(const QString &text) { QTest::keyClicks(&editor(), text); }
    void press(Qt::Key key) { QTest::keyClick(&editor(), key); }
    // Paints the editor, so that a scroll it still owes does not come after
    // the list has been shown.
    void paintEditor()
    {
        QCoreApplication::processEvents();
        editor().grab();
    }
    // Lets a started completion run to its end.
    void settle()
    {
        EXPECT_TRUE(QTest::qWaitFor([this] { return !completion().timer().isActive(); }, 2000));
        QCoreApplication::processEvents();
    }
    // Types a trigger and waits for the list it brings.
    bool offered(const QString &typed)
    {
        type(typed);
        return QTest::qWaitFor([this] { return list().isVisible(); }, 2000);
    }
    QStringList items()
    {
        QStringList texts;
        for (int row = 0; row < list().count(); ++row)
            texts.append(list().item(row)->text());
        return texts;
    }
    QString chosen() { return list().currentItem() ? list().currentItem()->text() : QString(); }
    QString text() { return editor().GetText(); }
    int caretColumn() { return editor().GetSelection().caretColumn; }
    QString lines(int count)
    {
        QStringList text;
        for (int i = 1; i <= count; ++i)
            text.append(QStringLiteral("linie %1").arg(i));
        return text.join(QLatin1Char('\n'));
    }
    void startWith(const QString &text)
    {
        editor().SetText(text);
        const int last = editor().GetLineCount();
        editor().SetSelection(SelectionRecord::at({last, editor().GetLineLength(last)}));
    }
};

TEST_F(CodeCompletionTest, ALessThanOffersTheElementsAndTypedLettersPickOne)
{
    ASSERT_TRUE(offered(QStringLiteral("<")));
    EXPECT_EQ(completion().listKind(), 81);
    EXPECT_EQ(items(), QStringList({"a", "table", "td", "title", "tr"}));
    EXPECT_EQ(chosen(), QStringLiteral("a"));
    // Below the caret's line, inside the document area.
    const QPoint caret = editor().viewport()->mapTo(&m_window->documentArea(), *editor().PointFromPosition(1, 1));
    EXPECT_GT(list().y(), caret.y());
    EXPECT_LE(list().geometry().right(), m_window->documentArea().width());

    type(QStringLiteral("T"));
    EXPECT_EQ(chosen(), QStringLiteral("table"));
    type(QStringLiteral("i"));
    EXPECT_EQ(chosen(), QStringLiteral("title"));
    type(QStringLiteral("x")); // no item begins so: the choice stays
    EXPECT_EQ(chosen(), QStringLiteral("title"));
    press(Qt::Key_Backspace);
    press(Qt::Key_Return);
    EXPECT_FALSE(list().isVisible());
    EXPECT_EQ(text(), QStringLiteral("<title"));
    EXPECT_EQ(caretColumn(), 6);
}

TEST_F(CodeCompletionTest, ASlashMakesTheAcceptedElementAnEndTag)
{
    startWith(QStringLiteral("<p>tekst"));
    ASSERT_TRUE(offered(QStringLiteral("<")));
    type(QStringLiteral("/tr"));
    EXPECT_EQ(chosen(), QStringLiteral("tr"));
    press(Qt::Key_Return);
    EXPECT_EQ(text(), QStringLiteral("<p>tekst</tr>"));
}

TEST_F(CodeCompletionTest, UpAndDownWalkTheListAroundWithoutMovingTheCaret)
{
    ASSERT_TRUE(offered(QStringLiteral("<")));
    press(Qt::Key_Up);
    EXPECT_EQ(chosen(), QStringLiteral("tr"));
    press(Qt::Key_Down);
    EXPECT_EQ(chosen(), QStringLiteral("a"));
    press(Qt::Key_Down);
    EXPECT_EQ(chosen(), QStringLiteral("table"));
    EXPECT_EQ(text(), QStringLiteral("<"));
    EXPECT_EQ(caretColumn(), 1);
    // A click on an item writes it and gives the editor the keyboard back.
    const QRect td = list().visualItemRect(list().item(2));
    QTest::mouseClick(list().viewport(), Qt::LeftButton, {}, td.center());
    EXPECT_FALSE(list().isVisible());
    EXPECT_EQ(text(), QStringLiteral("<td"));
    EXPECT_TRUE(editor().hasFocus());
}

TEST_F(CodeCompletionTest, AnAttributeWithEmptyQuotesOffersItsValuesNext)
{
    startWith(QStringLiteral("<table"));
    ASSERT_TRUE(offered(QStringLiteral(" ")));
    EXPECT_EQ(completion().listKind(), 82);
    EXPECT_EQ(items(), QStringList({"align=\"\"", "border=\"\"", "class=\"\"", "id=\"\"", "onclick=\"\""}));
    type(QStringLiteral("al"));
    press(Qt::Key_Return);
    EXPECT_EQ(text(), QStringLiteral("<table align=\"\""));
    EXPECT_EQ(caretColumn(), 14); // between the quotes

    ASSERT_TRUE(QTest::qWaitFor([this] { return list().isVisible(); }, 2000));
    EXPECT_EQ(completion().listKind(), -1);
    EXPECT_EQ(items(), QStringList({"center", "left", "right"}));
    type(QStringLiteral("r"));
    press(Qt::Key_Return);
    EXPECT_EQ(text(), QStringLiteral("<table align=\"right\""));
    EXPECT_EQ(caretColumn(), 20); // past the closing quote

    // Global attributes leave out the elements their line names, and events
    // come only with the elements of their kind.
    startWith(QStringLiteral("<title"));
    ASSERT_TRUE(offered(QStringLiteral(" ")));
    EXPECT_EQ(items(), QStringList({"id=\"\""}));
}

TEST_F(CodeCompletionTest, AValueAfterEqualsIsWrittenInQuotes)
{
    startWith(QStringLiteral("<TABLE align"));
    ASSERT_TRUE(offered(QStringLiteral("=")));
    EXPECT_EQ(completion().listKind(), -1);
    press(Qt::Key_Down);
    EXPECT_EQ(chosen(), QStringLiteral("left"));
    press(Qt::Key_Return);
    EXPECT_EQ(text(), QStringLiteral("<TABLE align=\"left\""));
    EXPECT_EQ(caretColumn(), 19);
}

TEST_F(CodeCompletionTest, APlaceholderIsAnsweredThroughTheInputBox)
{
    startWith(QStringLiteral("<a target"));
    ASSERT_TRUE(offered(QStringLiteral("=")));
    EXPECT_EQ(items(), QStringList({"[ramme]", "_blank", "_self"}));
    EXPECT_EQ(chosen(), QStringLiteral("[ramme]"));
    m_prompter.expectInput(QStringLiteral("hoved"));
    press(Qt::Key_Return);
    EXPECT_EQ(m_prompter.inputPrompts(), QStringList({"Indtast ramme:"}));
    EXPECT_EQ(text(), QStringLiteral("<a target=\"hoved\""));

    // Cancelled, nothing is written and the typed letter stays.
    startWith(QStringLiteral("<a target"));
    ASSERT_TRUE(offered(QStringLiteral("=")));
    type(QStringLiteral("["));
    m_prompter.expectInput(std::nullopt);
    press(Qt::Key_Return);
    EXPECT_EQ(text(), QStringLiteral("<a target=["));
}

TEST_F(CodeCompletionTest, EveryWayTheListHides)
{
    editor().SetText(lines(200));
    const QList<std::pair<const char *, std::function<void()>>> ways{
        {"Esc", [this] { press(Qt::Key_Escape); }},
        {"Left", [this] { press(Qt::Key_Left); }},
        {"Right", [this] { press(Qt::Key_Right); }},
        {"Backspace with no letters typed", [this] { press(Qt::Key_Backspace); }},
        {"a double quote", [this] { type(QStringLiteral("\"")); }},
        {"a per cent sign", [this] { type(QStringLiteral("%")); }},
        {"a greater-than sign", [this] { type(QStringLiteral(">")); }},
        {"a blank (which starts anew)", [this] { type(QStringLiteral(" ")); }},
        {"a click in the text", [this] { QTest::mouseClick(editor().viewport(), Qt::LeftButton, {}, pointOf(1, 2)); }},
        {"scrolling",
         [this] {
             editor().SetTopLine(100);
             EXPECT_TRUE(QTest::qWaitFor([this] { return list().isHidden(); }, 1000));
         }},
        {"another document", [this] { m_window->documentCommands().NewDocument(); }},
    };
    for (const auto &[way, hide] : ways) {
        SCOPED_TRACE(way);
        editor().SetTopLine(1);
        editor().SetSelection(SelectionRecord::at({1, 0}));
        paintEditor();
        ASSERT_TRUE(offered(QStringLiteral("<")));
        hide();
        EXPECT_FALSE(list().isVisible());
    }
    // Backspace over a typed letter only takes the letter back.
    m_window->documentArea().setCurrentIndex(0);
    ASSERT_TRUE(offered(QStringLiteral("<")));
    type(QStringLiteral("t"));
    press(Qt::Key_Backspace);
    EXPECT_TRUE(list().isVisible());
}

TEST_F(CodeCompletionTest, AScrollNoticeThatMovesNoTextKeepsTheListWhileAPrefixIsTyped)
{
    // Background wrapping renumbers rows and tells of a scroll while the
    // user is typing letters into the list: the caret has moved, the place
    // the list belongs to has not.
    editor().SetText(lines(200));
    paintEditor();
    ASSERT_TRUE(offered(QStringLiteral("<")));
    type(QStringLiteral("ta"));
    emit editor().OnVertScroll();
    EXPECT_TRUE(list().isVisible());
    EXPECT_EQ(chosen(), QStringLiteral("table"));
}

TEST_F(CodeCompletionTest, AReadOnlyEditorIgnoresTheAcceptedItem)
{
    ASSERT_TRUE(offered(QStringLiteral("<")));
    editor().SetReadOnly(true);
    press(Qt::Key_Return);
    EXPECT_FALSE(list().isVisible());
    EXPECT_EQ(text(), QStringLiteral("<"));
}

TEST_F(CodeCompletionTest, NothingIsOfferedOutsideAKnownTag)
{
    const QString megabyte(1 << 20, QLatin1Char('x'));
    const struct
    {
        const char *where;
        QString line;
        int caretColumn; // -1: at the end
        const char *trigger;
    } cases[] = {
        {"text without a tag", QStringLiteral("tekst"), -1, " "},
        {"a comment", QStringLiteral("<p><!-- en kommentar"), -1, " "},
        {"a value in a comment", QStringLiteral("<!-- align"), -1, "="},
        {"an unknown element", QStringLiteral("<foo"), -1, " "},
        {"an unknown element's attribute", QStringLiteral("<foo align"), -1, "="},
        {"after a closed tag", QStringLiteral("<table>"), -1, " "},
        {"a tag after the caret", QStringLiteral("tekst <table"), 5, " "},
        {"a line of a megabyte", megabyte, -1, " "},
        {"a megabyte after a closed tag", QStringLiteral("<table>") + megabyte, -1, "="},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.where);
        startWith(c.line);
        if (c.caretColumn >= 0)
            editor().SetSelection(SelectionRecord::at({1, c.caretColumn}));
        type(QString::fromLatin1(c.trigger));
        settle();
        EXPECT_FALSE(list().isVisible());
    }
    // The tag at the end of a megabyte of text is found all the same.
    startWith(megabyte + QStringLiteral("<table"));
    paintEditor();
    ASSERT_TRUE(offered(QStringLiteral(" ")));
    EXPECT_EQ(completion().listKind(), 82);
    EXPECT_EQ(items().first(), QStringLiteral("align=\"\""));
}

TEST_F(CodeCompletionTest, TheTimerTakesTheSettingsAndUpDownOrTypingDropIt)
{
    // A key before the delay has passed drops the completion.
    for (const Qt::Key key : {Qt::Key_Up, Qt::Key_Down, Qt::Key_T}) {
        startWith(QString());
        type(QStringLiteral("<"));
        EXPECT_TRUE(completion().timer().isActive());
        press(key);
        settle();
        EXPECT_FALSE(list().isVisible()) << key;
    }
    // A shift for the next letter is no typing.
    startWith(QString());
    type(QStringLiteral("<"));
    QTest::keyClick(&editor(), Qt::Key_Shift);
    EXPECT_TRUE(completion().timer().isActive());
    settle();

    TfrmIndstil *settings = m_window->settingsDialog();
    settings->findChild<QSlider *>(QStringLiteral("Forsinkelse"))->setValue(300);
    settings->accept();
    startWith(QString());
    type(QStringLiteral("<"));
    EXPECT_EQ(completion().timer().interval(), 300);
    QCoreApplication::processEvents();
    EXPECT_FALSE(list().isVisible());
    EXPECT_TRUE(QTest::qWaitFor([this] { return list().isVisible(); }, 2000));
    press(Qt::Key_Escape);

    QCheckBox *on = nullptr;
    for (QCheckBox *box : settings->findChildren<QCheckBox *>())
        if (box->text() == QStringLiteral("K&odefærdiggørelse"))
            on = box;
    ASSERT_NE(on, nullptr);
    on->setChecked(false);
    settings->accept();
    type(QStringLiteral("<"));
    EXPECT_FALSE(completion().timer().isActive());
}

TEST(CompletionItemPictures, ByPlaceholderEventOrListKind)
{
    const struct
    {
        const char *item;
        int kind;
        int icon;
    } cases[] = {
        {"[farve]", -1, 36}, {"[url]", -1, 24},     {"[font]", -1, 6},  {"[url(grafik)]", -1, 13}, {"onclick=\"\"", 82, 84},
        {"alert()", 82, 84}, {"href=\"\"", 82, 82}, {"online", 81, 81}, {"table", 81, 81},         {"left", -1, -1},
    };
    for (const auto &c : cases) {
        const int icon = CompletionRules::icon(QString::fromLatin1(c.item), c.kind);
        EXPECT_EQ(icon, c.icon) << c.item;
        EXPECT_EQ(LibraryIcons::icon(icon).isNull(), icon == -1) << c.item;
    }
}

TEST(CompletionListPlace, UnderTheCaretUnlessItWouldLeaveTheArea)
{
    const QSize list(220, 100);
    const QSize area(800, 600);
    const struct
    {
        QPoint caret;
        QPoint expected;
    } cases[] = {
        {{100, 200}, {100, 200 + 2 * 10 + 2}}, // fits: under the caret's line
        {{100, 550}, {100, 450}}, // at the bottom: above the caret
        {{700, 200}, {700 + 10 - 220, 222}}, // at the right edge: pulled left
        {{700, 550}, {490, 450}}, // both
    };
    for (const auto &c : cases)
        EXPECT_EQ(CompletionRules::place(c.caret, list, area, 10), c.expected) << c.caret.x() << "," << c.caret.y();
}

} // namespace
