#include "EditableTextContract.h"

#include "editor/TLEdit.h"

namespace {

struct TLEditFactory
{
    static std::unique_ptr<EditableText> make() { return std::make_unique<TLEdit>(); }
};

INSTANTIATE_TYPED_TEST_SUITE_P(TLEdit, EditableTextContract, TLEditFactory);

} // namespace

#include "support/WaitUntil.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

namespace {

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeAll(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QColor styleForeground(TLEdit &e, long position)
{
    const long style = e.SendScintilla(QsciScintillaBase::SCI_GETSTYLEAT, position);
    const long bgr = e.SendScintilla(QsciScintillaBase::SCI_STYLEGETFORE, style);
    return QColor(bgr & 0xff, (bgr >> 8) & 0xff, (bgr >> 16) & 0xff);
}

TEST(TLEditFiles, TextComesBackByteForByteInItsOwnEncodingAndLineBreaks)
{
    QTemporaryDir dir;
    const struct
    {
        QByteArray bytes;
        QString text;
    } cases[] = {
        {QByteArray(), QString()},
        {QByteArray("bl\xc3\xa5\nb\xc3\xa6r\n"), QStringLiteral("blå\nbær\n")},
        {QByteArray("\xef\xbb\xbf<p>\xc3\xb8</p>\r\n"), QStringLiteral("<p>ø</p>\r\n")},
        {QByteArray("bl\xe5 \x80\r\nx"), QStringLiteral("blå €\r\nx")}, // Windows-1252
        {QByteArray("a\0b\rc", 5), QString::fromUtf8("a\0b\rc", 5)},
        // Windows-1252 larger than the pieces it goes to the editor in.
        {QByteArray("bl\xe5 \x80\r\n").repeated(400000), QStringLiteral("blå €\r\n").repeated(400000)},
    };
    for (const auto &c : cases) {
        const QString path = dir.filePath(QStringLiteral("doc.htm"));
        writeAll(path, c.bytes);
        TLEdit editor;
        editor.LoadFromFile(path);
        EXPECT_EQ(editor.GetText(), c.text) << c.bytes.toHex().toStdString();
        const QString copy = dir.filePath(QStringLiteral("copy.htm"));
        editor.SaveToFile(copy);
        EXPECT_EQ(readAll(copy), c.bytes);
    }
}

TEST(TLEditFiles, TextThatWindows1252CannotHoldIsSavedAsUtf8)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("old.htm"));
    writeAll(path, "bl\xe5");
    TLEdit editor;
    editor.LoadFromFile(path);
    editor.SetSelection(SelectionRecord::at({1, 3}));
    editor.ReplaceSelection(emoji());
    editor.SaveToFile(path);
    EXPECT_EQ(QString::fromUtf8(readAll(path)), QStringLiteral("blå") + emoji());
}

TEST(TLEditFiles, FailuresRaiseTheFileErrorAndChangeNothing)
{
    QTemporaryDir dir;
    TLEdit editor;
    editor.SetText(QStringLiteral("kept"));
    try {
        editor.LoadFromFile(dir.filePath(QStringLiteral("missing.htm")));
        ADD_FAILURE() << "no error";
    } catch (const TLEditError &error) {
        EXPECT_STREQ(error.what(), "TLEdit: File Error");
    }
    EXPECT_EQ(editor.GetText(), QStringLiteral("kept"));
    EXPECT_THROW(editor.LoadFromFile(dir.path()), TLEditError); // a folder
    // A pipe with no writer and a device that never ends are no documents, and are not waited for.
    const QString fifo = dir.filePath(QStringLiteral("pipe.htm"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    EXPECT_THROW(editor.LoadFromFile(fifo), TLEditError);
    EXPECT_THROW(editor.LoadFromFile(QStringLiteral("/dev/zero")), TLEditError);
    EXPECT_EQ(editor.GetText(), QStringLiteral("kept"));
    EXPECT_THROW(editor.SaveToFile(dir.filePath(QStringLiteral("no/such/folder/x.htm"))), TLEditError);
}

TEST(TLEditFiles, ALoadedFileIsNeitherModifiedNorUndoable)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.htm"));
    writeAll(path, "<p>x</p>");
    TLEdit editor;
    editor.SetText(QStringLiteral("before"));
    editor.LoadFromFile(path);
    editor.ClearModified();
    editor.ClearUndo();
    EXPECT_FALSE(editor.IsModified());
    EXPECT_FALSE(editor.CanUndo());
    editor.SetSelection(SelectionRecord::at({1, 0}));
    editor.ReplaceSelection(QStringLiteral("!"));
    EXPECT_TRUE(editor.CanUndo());
    editor.Undo();
    EXPECT_EQ(editor.GetText(), QStringLiteral("<p>x</p>"));
    EXPECT_TRUE(editor.CanRedo());
}

TEST(TLEditFiles, LoadingAfterEditsLeavesNothingToUndo)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.htm"));
    writeAll(path, "x");
    TLEdit editor;
    editor.SetText(QStringLiteral("a longer text that was edited"));
    editor.SetSelection(SelectionRecord::at({1, 3}));
    editor.ReplaceSelection(QStringLiteral("!"));
    editor.LoadFromFile(path);
    EXPECT_FALSE(editor.CanUndo());
    editor.Undo();
    EXPECT_EQ(editor.GetText(), QStringLiteral("x"));
}

TEST(TLEditSearch, ReplaceAllWithWordWrapKeepsBookmarksAndIsOneUndoStep)
{
    TLEdit editor;
    editor.SetBookmarksMax(6);
    editor.SetWordWrap(true);
    editor.resize(300, 200);
    editor.show();
    const QString text = QStringLiteral("Æble æble\nx\nÆBLE ørn æble 😀\n");
    editor.SetText(text);
    editor.ClearUndo();
    editor.SetBookmarkColor(2, Qt::red);
    editor.SetBookmark(2, 3);
    editor.SetFindText(QStringLiteral("æble"));
    editor.SetReplaceText(QStringLiteral("pære"));
    editor.SetSearchFlags(SearchOptions{SearchOptions::Forward, false, false}.toFlags());

    EXPECT_EQ(editor.ReplaceAllMatches(), 4);
    EXPECT_EQ(editor.GetText(), QStringLiteral("pære pære\nx\npære ørn pære 😀\n"));
    EXPECT_EQ(editor.GetBookmark(2), 3);
    EXPECT_EQ(editor.GetSelection(), SelectionRecord::at({3, 13})); // after the last one
    editor.Undo();
    EXPECT_EQ(editor.GetText(), text);
    EXPECT_FALSE(editor.CanUndo());
    editor.Redo();
    EXPECT_EQ(editor.GetText(), QStringLiteral("pære pære\nx\npære ørn pære 😀\n"));
    // Wrapping keeps the layouts of the shown lines only, not one per line.
    EXPECT_EQ(editor.SendScintilla(QsciScintillaBase::SCI_GETLAYOUTCACHE), QsciScintillaBase::SC_CACHE_PAGE);
}

TEST(TLEditBookmarks, SlotsHoldLinesAndLineOneMeansEmpty)
{
    TLEdit editor;
    editor.SetBookmarksMax(6);
    editor.SetText(QStringLiteral("1\n2\n3\n4"));
    const auto markersOn = [&](int line) { return editor.SendScintilla(QsciScintillaBase::SCI_MARKERGET, line - 1); };

    editor.SetBookmark(1, 1);
    EXPECT_LT(editor.GetBookmark(1), 2);
    EXPECT_EQ(markersOn(1), 0);

    editor.SetBookmarkColor(2, Qt::red);
    editor.SetBookmark(2, 3);
    EXPECT_EQ(editor.GetBookmark(2), 3);
    EXPECT_NE(markersOn(3), 0);
    editor.InsertLine(0, QStringLiteral("new first"));
    EXPECT_EQ(editor.GetBookmark(2), 4); // the mark moves with its line

    editor.ClearBookmarkMark(2);
    EXPECT_EQ(markersOn(4), 0);
    EXPECT_EQ(editor.GetBookmark(2), 4);
    editor.SetBookmark(2, 1);
    EXPECT_LT(editor.GetBookmark(2), 2);

    editor.SetBookmark(6, 2); // beyond the maximum: ignored
    EXPECT_EQ(editor.GetBookmark(6), 0);
}

TEST(TLEditProperties, NumbersAreClampedToTheirRanges)
{
    TLEdit editor;
    const struct
    {
        int given;
        int tabStop;
    } tabs[] = {{50, 40}, {40, 40}, {2, 2}, {0, 0}, {-3, 0}};
    for (const auto &t : tabs) {
        editor.SetTabStopSize(t.given);
        EXPECT_EQ(editor.TabStopSize(), t.tabStop) << t.given;
    }
    editor.SetUndoDepth(1000000);
    EXPECT_EQ(editor.UndoDepth(), TLEdit::MaxUndoDepth);
}

TEST(TLEditProperties, InsertModeAndReadOnlyFollowTheKeyboard)
{
    TLEdit editor;
    editor.show();
    QSignalSpy modes(&editor, &TLEdit::OnChangeMode);
    QTest::keyClick(editor.viewport(), Qt::Key_Insert);
    QCoreApplication::processEvents();
    EXPECT_EQ(editor.InsertMode(), TLEdit::limOverwrite);
    EXPECT_EQ(modes.count(), 1);
    editor.SetInsertMode(TLEdit::limInsert);
    EXPECT_EQ(modes.count(), 2);

    editor.SetReadOnly(true);
    QTest::keyClicks(&editor, QStringLiteral("abc"));
    editor.PasteFromClipboard();
    EXPECT_TRUE(editor.GetText().isEmpty());
    editor.SetReadOnly(false);
    QTest::keyClicks(&editor, QStringLiteral("abc"));
    EXPECT_EQ(editor.GetText(), QStringLiteral("abc"));
}

TEST(TLEditView, RowsPointsAndPositionsAgree)
{
    TLEdit editor;
    editor.resize(300, 200);
    editor.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&editor));
    editor.SetText(QStringLiteral("first\nsecond line\nthird"));
    EXPECT_GT(editor.GetRowHeight(), 0);
    EXPECT_EQ(editor.GetTopLine(), 1);
    EXPECT_EQ(editor.GetTopRowsHidden(), 0);

    const std::optional<QPoint> point = editor.PointFromPosition(2, 3);
    ASSERT_TRUE(point.has_value());
    const std::optional<TextPos> back = editor.PositionFromPoint(point->x() + 1, point->y() + 1, 1);
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(*back, (TextPos{2, 3}));
    EXPECT_FALSE(editor.PointFromPosition(0, 0).has_value());
    EXPECT_FALSE(editor.PointFromPosition(9, 0).has_value());
    EXPECT_FALSE(editor.PointFromPosition(1, 99).has_value());

    editor.SetWordWrap(true);
    editor.SetText(QString(400, QLatin1Char('w')) + QStringLiteral(" end"));
    QCoreApplication::processEvents();
    EXPECT_GT(editor.GetLineRows(1), 1);
}

TEST(TLEditView, HugeTextsAndPositionsAreClampedWithoutHarm)
{
    TLEdit editor;
    QString lines;
    lines.reserve(2000000);
    for (int i = 0; i < 1000000; ++i)
        lines += QStringLiteral("x\n");
    editor.SetText(lines);
    EXPECT_EQ(editor.GetLineCount(), 1000001);
    editor.SetSelection(sel(999999, 0, 2147483647, 2147483647));
    EXPECT_EQ(editor.GetSelection(), sel(999999, 0, 1000001, 0));

    const QString longLine(1 << 20, QLatin1Char('y'));
    editor.SetText(longLine);
    EXPECT_EQ(editor.GetLineLength(1), 1 << 20);
    editor.SetSelection(sel(1, 500000, 1, 3000000));
    EXPECT_EQ(editor.GetSelLength(), (1 << 20) - 500000);
}

// Colours by kind, as the program's handler does with its colour pairs.
void colourByKind(HighlightWord &w)
{
    if (w.kind == HighlightWord::FirstWord)
        w.foreground = w.text == QLatin1String("!--") ? QColor(Qt::gray) : QColor(Qt::red);
    else if (w.kind == HighlightWord::DoubleQuotedValue)
        w.foreground = Qt::blue;
    else if (w.kind == HighlightWord::SingleQuotedValue)
        w.foreground = Qt::darkGreen;
    else
        w.foreground = Qt::magenta;
}

TEST(TLEditColouring, ItemWordsTakeTheHandlersColoursAndTextKeepsTheNormalOnes)
{
    TLEdit editor;
    QList<std::pair<int, QString>> asked;
    editor.setControlHighlightHandler([&](HighlightWord &w) {
        asked.append({w.kind, w.text});
        colourByKind(w);
    });
    editor.SetHighlight(true);
    const QString text = QStringLiteral("x <p class=\"a\" id='b'>y</p>\n<!-- c\nd -->z");
    editor.SetText(text);
    editor.SendScintilla(QsciScintillaBase::SCI_COLOURISE, 0, -1);
    const auto at = [&](const char *piece) { return static_cast<long>(text.toUtf8().indexOf(piece)); };

    EXPECT_EQ(styleForeground(editor, 0), QColor(Qt::black)); // "x"
    EXPECT_EQ(styleForeground(editor, at("p ")), QColor(Qt::red));
    EXPECT_EQ(styleForeground(editor, at("class")), QColor(Qt::magenta));
    EXPECT_EQ(styleForeground(editor, at("\"a\"")), QColor(Qt::blue));
    EXPECT_EQ(styleForeground(editor, at("'b'")), QColor(Qt::darkGreen));
    EXPECT_EQ(styleForeground(editor, at("y<")), QColor(Qt::black));
    EXPECT_EQ(styleForeground(editor, at("/p") + 1), QColor(Qt::red)); // end tags name their element
    EXPECT_EQ(styleForeground(editor, at("d -->")), QColor(Qt::gray)); // the comment's second line
    EXPECT_EQ(styleForeground(editor, at("z")), QColor(Qt::black));
    EXPECT_TRUE(asked.contains({HighlightWord::FirstWord, QStringLiteral("p")}));
    EXPECT_TRUE(asked.contains({HighlightWord::DoubleQuotedValue, QString()}));
    EXPECT_TRUE(asked.contains({HighlightWord::SingleQuotedValue, QString()}));
    EXPECT_TRUE(asked.contains({HighlightWord::FirstWord, QStringLiteral("!--")}));

    // A tag opened on one line and closed on a later one, typed in afterwards.
    editor.SetSelection(SelectionRecord::at({1, 0}));
    editor.ReplaceSelection(QStringLiteral("<b\n"));
    editor.SendScintilla(QsciScintillaBase::SCI_COLOURISE, 0, -1);
    EXPECT_EQ(styleForeground(editor, 3), QColor(Qt::magenta)); // "x" is now inside the item
}

TEST(TLEditColouring, ALongJumpColoursWhatIsShownAndTheRestWhenItComesIntoView)
{
    TLEdit editor;
    editor.setControlHighlightHandler(colourByKind);
    editor.SetHighlight(true);
    editor.resize(500, 300);
    editor.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&editor));
    QString text;
    const QString line = QStringLiteral("<td class=\"c\">cell</td>\n");
    while (text.size() < 6 * 1024 * 1024)
        text += line;
    editor.SetText(text);
    const int lines = editor.GetLineCount();

    editor.SetTopLine(lines - 5);
    editor.grab(); // paints, which colours what is shown
    const long lastTag = editor.SendScintilla(QsciScintillaBase::SCI_POSITIONFROMLINE, lines - 3) + 1;
    EXPECT_EQ(styleForeground(editor, lastTag), QColor(Qt::red));
    EXPECT_EQ(styleForeground(editor, 1), QColor(Qt::black)); // not coloured yet

    editor.SetTopLine(1);
    ASSERT_TRUE(waitUntil(
        [&] {
            editor.grab();
            return styleForeground(editor, 1) == QColor(Qt::red);
        },
        5000));
}

} // namespace
