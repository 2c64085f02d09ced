#pragma once

#include "editor/DocumentFile.h"
#include "editor/EditableText.h"
#include "editor/ItemScanner.h"

#include <Qsci/qsciscintilla.h>

#include <QColor>
#include <QHash>

#include <array>
#include <functional>
#include <stdexcept>

class HtmlItemLexer;
class QsciPrinter;

// An error of the editor component, of a kind the program tells apart; the
// texts are those the program shows.
class TLEditError : public std::runtime_error
{
public:
    enum class Kind { OutOfMemory, TooLongLine, FileError, ClipboardError };
    static constexpr const char *OutOfMemory = "TLEdit: Out of memory";
    static constexpr const char *TooLongLine = "TLEdit: Too long line";
    static constexpr const char *FileError = "TLEdit: File Error";
    static constexpr const char *ClipboardError = "TLEdit: Clipboard Error";

    explicit TLEditError(Kind kind);
    Kind kind() const { return m_kind; }

private:
    Kind m_kind;
};

// A word of an item (a tag) about to be drawn, and the colours to draw it in.
struct HighlightWord
{
    enum Kind : quint16 {
        FirstWord = ItemScanner::FirstWordKind,
        OtherWord = ItemScanner::OtherWordKind,
        DoubleQuotedValue = ItemScanner::DoubleQuotedValueKind,
        SingleQuotedValue = ItemScanner::SingleQuotedValueKind,
    };
    quint16 kind = OtherWord;
    QString text;
    QColor foreground;
    QColor background;
};

// The program's editor: a source editor with syntax colouring of markup,
// bookmarks, search and printing, over QScintilla.
class TLEdit : public QsciScintilla, public EditableText
{
    Q_OBJECT

public:
    enum LineSpacing { lsNone, lsSmall, lsMedium, lsLarge };
    enum ScrollBarKind { lsbNone, lsbHorizontal, lsbVertical, lsbBoth };
    enum InsertModeKind { limOverwrite, limInsert };

    explicit TLEdit(QWidget *parent = nullptr);
    ~TLEdit() override;

    // Whole text, selection and lines (see EditableText)
    int GetTextLength() const override;
    QString GetText() const override;
    void SetText(const QString &text) override;
    SelectionRecord GetSelection() const override;
    void SetSelection(const SelectionRecord &selection) override;
    int GetLineCount() const override;
    QString GetLine(int line) const override;
    QString textBetween(TextPos from, TextPos to) const override;
    int GetLineLength(int line) const override;
    QString lineBreak() const override;
    bool IsModified() const override;
    void ClearModified() override;
    bool IsReadOnly() const override;
    void SetReadOnly(bool readOnly) override;

    // Clipboard and undo
    void CutToClipboard();
    void CopyToClipboard();
    void PasteFromClipboard();
    void Undo();
    void Redo();
    bool CanUndo() const;
    bool CanRedo() const;
    void ClearUndo();

    // Files: UTF-8 (with or without a byte order mark) or Windows-1252, and the
    // file's line break; saved back the same way. Failures throw
    // TLEditError(FileError), leaving the text and the file as they were.
    void LoadFromFile(const QString &path);
    void SaveToFile(const QString &path);
    // Replaces the text with a page file's bytes in their encoding, taking
    // its line break; the loading is no step to undo. Throws
    // TLEditError(OutOfMemory), leaving the text as it was, when it is too large.
    void loadPage(QByteArrayView bytes, FileEncoding encoding);
    // The whole text as UTF-8.
    QByteArray utf8Text() const;

    // View
    int GetTopLine() const;
    void SetTopLine(int line);
    int firstShownLine() const override { return GetTopLine(); }
    void setFirstShownLine(int line) override { SetTopLine(line); }
    int GetLineRows(int line) const;
    int GetTopRowsHidden() const;
    int GetRowHeight() const;
    std::optional<TextPos> PositionFromPoint(int x, int y, int flag) const;
    std::optional<QPoint> PointFromPosition(int line, int column) const;
    // The viewport point of a byte position of the editor's text.
    QPoint pointOfByte(long position) const;

    // Bookmarks: slots 0 to BookmarksMax - 1 hold a line; a line below 2 is
    // empty. Replacing the whole text empties every slot.
    int GetBookmark(int slot) const;
    void SetBookmark(int slot, int line);
    void SetBookmarkColor(int slot, const QColor &colour);
    void ClearBookmarkMark(int slot);

    // Printing the whole text on a printer set up by the caller.
    bool Print(QsciPrinter &printer);

    // Properties
    bool AutoIndent() const { return autoIndent(); }
    void SetAutoIndent(bool on) { setAutoIndent(on); }
    QColor BackColor() const { return m_backColor; }
    void SetBackColor(const QColor &colour);
    QColor ForeColor() const { return m_foreColor; }
    void SetForeColor(const QColor &colour);
    QFont Font() const { return m_font; }
    void SetFont(const QFont &font);
    QColor BackColorSelected() const { return m_backSelected; }
    QColor ForeColorSelected() const { return m_foreSelected; }
    void SetSelectedColors(const QColor &foreground, const QColor &background);
    QColor BackColorPrint() const { return m_backPrint; }
    void SetBackColorPrint(const QColor &colour) { m_backPrint = colour; }
    int CaretWidth() const { return m_caretWidth; }
    void SetCaretWidth(int pixels);
    LineSpacing ExtraHorzSpacing() const { return m_horzSpacing; }
    void SetExtraHorzSpacing(LineSpacing spacing);
    LineSpacing ExtraVertSpacing() const { return m_vertSpacing; }
    void SetExtraVertSpacing(LineSpacing spacing);
    bool Highlight() const { return m_highlight; }
    void SetHighlight(bool on);
    QString Syntax() const { return m_syntax; }
    void SetSyntax(const QString &syntax) { m_syntax = syntax; }
    bool StartInComments() const { return m_startInComments; }
    void SetStartInComments(bool on) { m_startInComments = on; }
    bool MultilineItems() const;
    void SetMultilineItems(bool on);
    int BookmarksMax() const { return m_bookmarksMax; }
    void SetBookmarksMax(int count);
    int TabStopSize() const { return m_tabStopSize; }
    void SetTabStopSize(int size); // clamped to 0..40
    int UndoDepth() const { return m_undoDepth; }
    void SetUndoDepth(int depth);
    bool WantTab() const { return m_wantTab; }
    void SetWantTab(bool on) { m_wantTab = on; }
    bool WrapKeys() const { return m_wrapKeys; }
    void SetWrapKeys(bool on) { m_wrapKeys = on; }
    bool WordWrap() const { return wrapMode() != WrapNone; }
    void SetWordWrap(bool on);
    void setWrapMode(WrapMode mode) override;
    ScrollBarKind ScrollBars() const { return m_scrollBars; }
    void SetScrollBars(ScrollBarKind kind);
    InsertModeKind InsertMode() const { return overwriteMode() ? limOverwrite : limInsert; }
    void SetInsertMode(InsertModeKind mode);
    bool BorderStyleSingle() const { return frameShape() != QFrame::NoFrame; }
    void SetBorderStyleSingle(bool single) { setFrameShape(single ? QFrame::StyledPanel : QFrame::NoFrame); }

    static constexpr int MaxUndoDepth = 10000;
    static constexpr int MaxTabStopSize = 40;

    // The program's colouring of item words; called for each word drawn
    // while Highlight is on. Colours left invalid keep the normal colours.
    void setControlHighlightHandler(std::function<void(HighlightWord &)> handler);
    // Forgets the colours given so far, after the program's colours changed.
    void refreshHighlight();

Q_SIGNALS:
    // The text changed or the caret moved.
    void OnChange();
    void OnChangeMode();
    void OnHorzScroll();
    void OnVertScroll();

protected:
    void replaceRange(TextPos from, TextPos to, const QString &text) override;
    std::optional<Match> findText(const QString &what, TextPos from, bool forward, const SearchOptions &options) const override;
    int replaceEvery(const QString &what, const QString &replacement, const SearchOptions &options) override;
    void beginChange() override { beginUndoAction(); }
    void endChange() override { endUndoAction(); }
    void keyPressEvent(QKeyEvent *event) override;
    bool focusNextPrevChild(bool next) override;

private:
    long bytePosition(TextPos place) const;
    TextPos placeOfByte(long position) const;
    // Replaces the text with a file's bytes in their encoding; a converted
    // page goes in a piece at a time, never held whole beside the bytes.
    void setRawText(QByteArrayView bytes, FileEncoding encoding);
    void writeFile(const QString &path, QByteArray utf8);
    QByteArray rawBytes(long from, long to) const;
    std::optional<Match> findAsciiIgnoringCase(const QByteArray &what, long origin, bool forward) const;
    std::optional<Match> findWithScintilla(const QString &what, long origin, bool forward, bool matchCase) const;
    std::optional<Match> findInChunks(const QString &what, long origin, bool forward, const SearchOptions &options) const;
    struct ByteSpan
    {
        long start;
        long end;
    };
    // Every match from the start of the text, none overlapping.
    QList<ByteSpan> findEvery(const QString &what, const SearchOptions &options) const;
    void applyNormalColours();
    void watchUpdates();

    HtmlItemLexer *m_lexer = nullptr;
    FileEncoding m_encoding = FileEncoding::Utf8;
    QColor m_backColor = Qt::white;
    QColor m_foreColor = Qt::black;
    QFont m_font;
    QColor m_backSelected = QColor(0, 0, 128);
    QColor m_foreSelected = Qt::white;
    QColor m_backPrint = Qt::white;
    int m_caretWidth = 0;
    LineSpacing m_horzSpacing = lsNone;
    LineSpacing m_vertSpacing = lsNone;
    bool m_highlight = false;
    QString m_syntax;
    bool m_startInComments = false;
    int m_bookmarksMax = 15;
    int m_tabStopSize = 8;
    int m_undoDepth = 1000;
    bool m_wantTab = true;
    bool m_wrapKeys = false;
    ScrollBarKind m_scrollBars = lsbNone;
    bool m_lastOverwrite = false;
    int m_lastFirstVisible = 0;
    int m_lastXOffset = 0;
    std::array<int, 16> m_bookmarkHandles{}; // marker handles, 0 when nothing is shown
    std::array<int, 16> m_bookmarkLines{};
};
