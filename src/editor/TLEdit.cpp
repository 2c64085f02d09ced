#include "editor/TLEdit.h"

#include "editor/DocumentFile.h"
#include "editor/HtmlItemLexer.h"
#include "editor/ScintillaBytes.h"
#include "editor/TextCharacters.h"
#include "editor/TextSearch.h"

#include <Qsci/qsciprinter.h>

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QScopeGuard>

#include <algorithm>
#include <limits>

namespace {

constexpr int BookmarkMarkerBase = 0; // slot n uses marker number n

int eolModeFor(const QString &lineBreak)
{
    if (lineBreak == QLatin1String("\r\n"))
        return QsciScintillaBase::SC_EOL_CRLF;
    if (lineBreak == QLatin1String("\r"))
        return QsciScintillaBase::SC_EOL_CR;
    return QsciScintillaBase::SC_EOL_LF;
}

// QScintilla's own accessibility object counts the characters from the start
// of the text on every edit and caret move, which makes typing at the end of
// a large file slow. The editor is described to assistive technology as a
// plain editable text widget instead; this factory is asked before QScintilla's.
QAccessibleInterface *plainEditorAccessible(const QString &, QObject *object)
{
    if (auto *editor = qobject_cast<TLEdit *>(object))
        return new QAccessibleWidget(editor, QAccessible::EditableText);
    return nullptr;
}

int spacingPixels(TLEdit::LineSpacing spacing)
{
    return static_cast<int>(spacing); // none, small, medium, large: 0 to 3 pixels
}

} // namespace

TLEdit::TLEdit(QWidget *parent)
    : QsciScintilla(parent)
    , m_lexer(new HtmlItemLexer(this))
{
    static const bool accessibleInstalled = [] {
        QAccessible::installFactory(plainEditorAccessible);
        return true;
    }();
    Q_UNUSED(accessibleInstalled)
    setUtf8(true);
    // Notifications of each insertion and deletion would reach QScintilla's
    // accessibility code, which counts characters from the start of the text;
    // changes are reported through the update notification instead.
    SendScintilla(SCI_SETMODEVENTMASK, 0UL);
    SendScintilla(SCI_ALLOCATELINECHARACTERINDEX, SC_LINECHARACTERINDEX_UTF32);
    SendScintilla(SCI_SETEOLMODE, eolModeFor(lineBreakOf(QByteArray())));
    // No annotations are shown; while they may be, Scintilla lays out every
    // edited line again at once to measure them when wrapping.
    SendScintilla(SCI_ANNOTATIONSETVISIBLE, ANNOTATION_HIDDEN);
    setMarginWidth(0, 0);
    setMarginWidth(1, 14);
    setMarginSensitivity(1, false);
    setFolding(NoFoldStyle);
    SendScintilla(SCI_SETSCROLLWIDTHTRACKING, 1);
    SendScintilla(SCI_SETSCROLLWIDTH, 1);
    m_font = QFont(QStringLiteral("Courier New"), 10);
    m_font.setStyleHint(QFont::TypeWriter);
    applyNormalColours();
    SetSelectedColors(m_foreSelected, m_backSelected);
    SetTabStopSize(m_tabStopSize);
    watchUpdates();
}

TLEdit::~TLEdit()
{
    setLexer(nullptr);
}

void TLEdit::watchUpdates()
{
    connect(this, &QsciScintillaBase::SCN_UPDATEUI, this, [this](int updated) {
        if (updated & (SC_UPDATE_CONTENT | SC_UPDATE_SELECTION))
            Q_EMIT OnChange();
        if (overwriteMode() != m_lastOverwrite) {
            m_lastOverwrite = overwriteMode();
            Q_EMIT OnChangeMode();
        }
        if (updated & SC_UPDATE_V_SCROLL)
            Q_EMIT OnVertScroll();
        if (updated & SC_UPDATE_H_SCROLL)
            Q_EMIT OnHorzScroll();
        if (m_highlight) {
            const long first = SendScintilla(SCI_GETFIRSTVISIBLELINE);
            const long last = first + SendScintilla(SCI_LINESONSCREEN) + 1;
            const long firstDoc = SendScintilla(SCI_DOCLINEFROMVISIBLE, first);
            const long lastDoc = SendScintilla(SCI_DOCLINEFROMVISIBLE, last);
            m_lexer->styleVisiblePending(static_cast<int>(SendScintilla(SCI_POSITIONFROMLINE, firstDoc)),
                                         static_cast<int>(SendScintilla(SCI_GETLINEENDPOSITION, lastDoc)));
        }
    });
}

// ----- positions ---------------------------------------------------------

int TLEdit::GetLineCount() const
{
    return static_cast<int>(SendScintilla(SCI_GETLINECOUNT));
}

int TLEdit::GetLineLength(int line) const
{
    if (line < 1 || line > GetLineCount())
        return 0;
    const long start = SendScintilla(SCI_POSITIONFROMLINE, line - 1);
    const long end = SendScintilla(SCI_GETLINEENDPOSITION, line - 1);
    return static_cast<int>(SendScintilla(SCI_COUNTCHARACTERS, start, end));
}

long TLEdit::bytePosition(TextPos place) const
{
    place = clamp(place);
    const long start = SendScintilla(SCI_POSITIONFROMLINE, place.line - 1);
    if (place.column == 0)
        return start;
    const long end = SendScintilla(SCI_GETLINEENDPOSITION, place.line - 1);
    if (place.column >= GetLineLength(place.line))
        return end;
    return SendScintilla(SCI_POSITIONRELATIVE, start, place.column);
}

TextPos TLEdit::placeOfByte(long position) const
{
    const long line = SendScintilla(SCI_LINEFROMPOSITION, position);
    const long start = SendScintilla(SCI_POSITIONFROMLINE, line);
    return {static_cast<int>(line) + 1, static_cast<int>(SendScintilla(SCI_COUNTCHARACTERS, start, position))};
}

QByteArray TLEdit::rawBytes(long from, long to) const
{
    return scintillaBytes(this, from, to);
}

// ----- whole text --------------------------------------------------------

int TLEdit::GetTextLength() const
{
    const long lines = SendScintilla(SCI_GETLINECOUNT);
    const long lastStart = SendScintilla(SCI_POSITIONFROMLINE, lines - 1);
    const long lastStartIndex = SendScintilla(SCI_INDEXPOSITIONFROMLINE, lines - 1, SC_LINECHARACTERINDEX_UTF32);
    return static_cast<int>(lastStartIndex + SendScintilla(SCI_COUNTCHARACTERS, lastStart, SendScintilla(SCI_GETLENGTH)));
}

QString TLEdit::GetText() const
{
    return QString::fromUtf8(rawBytes(0, SendScintilla(SCI_GETLENGTH)));
}

void TLEdit::setRawText(QByteArrayView bytes, FileEncoding encoding)
{
    const qsizetype size = decodedSize(bytes, encoding);
    // Positions are 32-bit in the editor and its colouring.
    if (size >= std::numeric_limits<int>::max() - (1 << 20))
        throw TLEditError(TLEditError::Kind::OutOfMemory);
    const bool wasReadOnly = isReadOnly();
    // With word wrap on, Scintilla wraps inserted text at once, line by line;
    // switched on afterwards, it wraps what is shown first and the rest later.
    const WrapMode wrap = wrapMode();
    setWrapMode(WrapNone);
    SendScintilla(SCI_SETREADONLY, 0);
    // Room for the new text, with some to type in (without it the first
    // keystrokes in a large text make Scintilla copy the whole text into a
    // larger buffer); asked for before the old text goes, so that a text too
    // large for memory leaves the old one as it was.
    SendScintilla(SCI_ALLOCATE, static_cast<unsigned long>(size + (1 << 20)));
    if (SendScintilla(SCI_GETSTATUS) == SC_STATUS_BADALLOC) {
        SendScintilla(SCI_SETSTATUS, SC_STATUS_OK);
        SendScintilla(SCI_SETREADONLY, wasReadOnly ? 1 : 0);
        setWrapMode(wrap);
        throw TLEditError(TLEditError::Kind::OutOfMemory);
    }
    SendScintilla(SCI_CLEARALL);
    // Bookmarks of the old text mean nothing in the new one.
    SendScintilla(SCI_MARKERDELETEALL, -1);
    m_bookmarkHandles.fill(0);
    m_bookmarkLines.fill(0);
    decodeInPieces(bytes, encoding, [this](QByteArrayView piece) {
        SendScintilla(SCI_APPENDTEXT, static_cast<unsigned long>(piece.size()), piece.data());
    });
    setWrapMode(wrap);
    // Line breaks are the same bytes in every encoding the editor reads.
    SendScintilla(SCI_SETEOLMODE, eolModeFor(lineBreakOf(bytes)));
    SendScintilla(SCI_SETREADONLY, wasReadOnly ? 1 : 0);
    SendScintilla(SCI_GOTOPOS, 0);
}

void TLEdit::SetText(const QString &text)
{
    setRawText(text.toUtf8(), FileEncoding::Utf8);
}

QString TLEdit::lineBreak() const
{
    switch (SendScintilla(SCI_GETEOLMODE)) {
    case SC_EOL_CRLF:
        return QStringLiteral("\r\n");
    case SC_EOL_CR:
        return QStringLiteral("\r");
    default:
        return QStringLiteral("\n");
    }
}

QString TLEdit::GetLine(int line) const
{
    if (line < 1 || line > GetLineCount())
        return QString();
    return QString::fromUtf8(
        rawBytes(SendScintilla(SCI_POSITIONFROMLINE, line - 1), SendScintilla(SCI_GETLINEENDPOSITION, line - 1)));
}

QString TLEdit::textBetween(TextPos from, TextPos to) const
{
    const long a = bytePosition(from);
    const long b = bytePosition(to);
    return QString::fromUtf8(rawBytes(std::min(a, b), std::max(a, b)));
}

void TLEdit::replaceRange(TextPos from, TextPos to, const QString &text)
{
    const long a = bytePosition(from);
    const long b = bytePosition(to);
    const QByteArray utf8 = text.toUtf8();
    SendScintilla(SCI_SETTARGETRANGE, a, b);
    SendScintilla(SCI_REPLACETARGET, static_cast<unsigned long>(utf8.size()), utf8.constData());
    SendScintilla(SCI_GOTOPOS, static_cast<unsigned long>(a + utf8.size()));
}

// ----- selection ---------------------------------------------------------

SelectionRecord TLEdit::GetSelection() const
{
    return SelectionRecord::between(placeOfByte(SendScintilla(SCI_GETANCHOR)), placeOfByte(SendScintilla(SCI_GETCURRENTPOS)));
}

void TLEdit::SetSelection(const SelectionRecord &selection)
{
    SendScintilla(SCI_SETSEL, bytePosition(selection.anchor()), bytePosition(selection.caret()));
}

// ----- state ---------------------------------------------------------------

bool TLEdit::IsModified() const
{
    return isModified();
}

void TLEdit::ClearModified()
{
    setModified(false);
}

bool TLEdit::IsReadOnly() const
{
    return isReadOnly();
}

void TLEdit::SetReadOnly(bool readOnly)
{
    setReadOnly(readOnly);
}

// ----- clipboard and undo ----------------------------------------------------

void TLEdit::CutToClipboard()
{
    if (!IsReadOnly())
        cut();
}

void TLEdit::CopyToClipboard()
{
    copy();
}

void TLEdit::PasteFromClipboard()
{
    if (!IsReadOnly())
        paste();
}

void TLEdit::Undo()
{
    if (IsReadOnly())
        return;
    undo();
}

void TLEdit::Redo()
{
    if (IsReadOnly())
        return;
    redo();
}

bool TLEdit::CanUndo() const
{
    return isUndoAvailable();
}

bool TLEdit::CanRedo() const
{
    return isRedoAvailable();
}

void TLEdit::ClearUndo()
{
    SendScintilla(SCI_EMPTYUNDOBUFFER);
}

// ----- files -----------------------------------------------------------------

TLEditError::TLEditError(Kind kind)
    : std::runtime_error([kind] {
        switch (kind) {
        case Kind::OutOfMemory:
            return OutOfMemory;
        case Kind::TooLongLine:
            return TooLongLine;
        case Kind::FileError:
            return FileError;
        case Kind::ClipboardError:
            break;
        }
        return ClipboardError;
    }())
    , m_kind(kind)
{
}

void TLEdit::LoadFromFile(const QString &path)
{
    // Only a regular file is read: a pipe or a device might never end.
    QByteArray bytes;
    try {
        if (!readDocumentBytes(path, bytes))
            throw TLEditError(TLEditError::Kind::FileError);
    } catch (const std::bad_alloc &) {
        throw TLEditError(TLEditError::Kind::OutOfMemory);
    }
    const FileEncoding encoding = detectFileEncoding(bytes);
    loadPage(bytes, encoding);
    m_encoding = encoding;
}

void TLEdit::loadPage(QByteArrayView bytes, FileEncoding encoding)
{
    // A loaded file is no step to undo, and its copy in the undo history
    // would double the memory a large file takes.
    SendScintilla(SCI_SETUNDOCOLLECTION, 0);
    const auto collectAgain = qScopeGuard([this] { SendScintilla(SCI_SETUNDOCOLLECTION, 1); });
    setRawText(bytes, encoding);
    SendScintilla(SCI_EMPTYUNDOBUFFER);
}

void TLEdit::SaveToFile(const QString &path)
{
    writeFile(path, utf8Text());
}

QByteArray TLEdit::utf8Text() const
{
    return rawBytes(0, SendScintilla(SCI_GETLENGTH));
}

void TLEdit::writeFile(const QString &path, QByteArray bytes)
{
    if (!writeFileAtomically(path, encodedFromUtf8(std::move(bytes), m_encoding)))
        throw TLEditError(TLEditError::Kind::FileError);
}

// ----- view --------------------------------------------------------------------

int TLEdit::GetTopLine() const
{
    return static_cast<int>(SendScintilla(SCI_DOCLINEFROMVISIBLE, SendScintilla(SCI_GETFIRSTVISIBLELINE))) + 1;
}

void TLEdit::SetTopLine(int line)
{
    line = std::clamp(line, 1, GetLineCount());
    SendScintilla(SCI_SETFIRSTVISIBLELINE, SendScintilla(SCI_VISIBLEFROMDOCLINE, line - 1));
}

int TLEdit::GetLineRows(int line) const
{
    if (line < 1 || line > GetLineCount())
        return 0;
    return static_cast<int>(SendScintilla(SCI_WRAPCOUNT, line - 1));
}

int TLEdit::GetTopRowsHidden() const
{
    const long firstRow = SendScintilla(SCI_GETFIRSTVISIBLELINE);
    const long docLine = SendScintilla(SCI_DOCLINEFROMVISIBLE, firstRow);
    return static_cast<int>(firstRow - SendScintilla(SCI_VISIBLEFROMDOCLINE, docLine));
}

int TLEdit::GetRowHeight() const
{
    return static_cast<int>(SendScintilla(SCI_TEXTHEIGHT, 0));
}

std::optional<TextPos> TLEdit::PositionFromPoint(int x, int y, int flag) const
{
    // Flag 0 (hovering) wants a place only on the text itself; flag 1 (a drop)
    // takes the nearest place.
    const long position = SendScintilla(flag == 0 ? SCI_POSITIONFROMPOINTCLOSE : SCI_POSITIONFROMPOINT,
                                        static_cast<unsigned long>(std::max(0, x)), static_cast<long>(y));
    if (position < 0)
        return std::nullopt;
    return placeOfByte(position);
}

std::optional<QPoint> TLEdit::PointFromPosition(int line, int column) const
{
    if (line < 1 || line > GetLineCount() || column < 0 || column > GetLineLength(line))
        return std::nullopt;
    return pointOfByte(bytePosition({line, column}));
}

QPoint TLEdit::pointOfByte(long position) const
{
    return QPoint(static_cast<int>(SendScintilla(SCI_POINTXFROMPOSITION, 0, position)),
                  static_cast<int>(SendScintilla(SCI_POINTYFROMPOSITION, 0, position)));
}

// ----- bookmarks -----------------------------------------------------------------

int TLEdit::GetBookmark(int slot) const
{
    if (slot < 0 || slot >= m_bookmarksMax)
        return 0;
    const int handle = m_bookmarkHandles[slot];
    if (handle > 0) {
        const long line = SendScintilla(SCI_MARKERLINEFROMHANDLE, handle);
        if (line >= 0)
            return static_cast<int>(line) + 1;
    }
    return m_bookmarkLines[slot];
}

void TLEdit::SetBookmark(int slot, int line)
{
    if (slot < 0 || slot >= m_bookmarksMax)
        return;
    ClearBookmarkMark(slot);
    m_bookmarkLines[slot] = line;
    // A slot whose line is below 2 is empty and shows nothing.
    if (line >= 2 && line <= GetLineCount())
        m_bookmarkHandles[slot] = static_cast<int>(SendScintilla(SCI_MARKERADD, line - 1, BookmarkMarkerBase + slot));
}

void TLEdit::SetBookmarkColor(int slot, const QColor &colour)
{
    if (slot < 0 || slot >= m_bookmarksMax)
        return;
    markerDefine(QsciScintilla::RightTriangle, BookmarkMarkerBase + slot);
    setMarkerBackgroundColor(colour, BookmarkMarkerBase + slot);
    setMarkerForegroundColor(colour.darker(), BookmarkMarkerBase + slot);
}

void TLEdit::ClearBookmarkMark(int slot)
{
    if (slot < 0 || slot >= static_cast<int>(m_bookmarkHandles.size()))
        return;
    if (m_bookmarkHandles[slot] > 0) {
        m_bookmarkLines[slot] = GetBookmark(slot);
        SendScintilla(SCI_MARKERDELETEHANDLE, m_bookmarkHandles[slot]);
        m_bookmarkHandles[slot] = 0;
    }
}

void TLEdit::SetBookmarksMax(int count)
{
    m_bookmarksMax = std::clamp(count, 0, static_cast<int>(m_bookmarkHandles.size()));
}

// ----- printing -------------------------------------------------------------------

bool TLEdit::Print(QsciPrinter &printer)
{
    SendScintilla(SCI_SETPRINTCOLOURMODE, m_backPrint == QColor(Qt::white) ? SC_PRINT_COLOURONWHITE : SC_PRINT_NORMAL);
    return printer.printRange(this) > 0 || GetTextLength() == 0;
}

// ----- properties --------------------------------------------------------------------

void TLEdit::applyNormalColours()
{
    const QFont &font = m_font;
    setPaper(m_backColor);
    setColor(m_foreColor);
    QsciScintilla::setFont(font);
    m_lexer->setNormal(m_foreColor, m_backColor, font);
    if (m_highlight)
        setLexer(m_lexer); // the lexer's styles take the new font and colours
}

void TLEdit::SetBackColor(const QColor &colour)
{
    m_backColor = colour;
    applyNormalColours();
}

void TLEdit::SetForeColor(const QColor &colour)
{
    m_foreColor = colour;
    applyNormalColours();
}

void TLEdit::SetFont(const QFont &font)
{
    m_font = font;
    applyNormalColours();
}

void TLEdit::SetSelectedColors(const QColor &foreground, const QColor &background)
{
    m_foreSelected = foreground;
    m_backSelected = background;
    setSelectionForegroundColor(foreground);
    setSelectionBackgroundColor(background);
}

void TLEdit::SetCaretWidth(int pixels)
{
    m_caretWidth = std::max(0, pixels);
    setCaretWidth(m_caretWidth);
}

void TLEdit::SetExtraHorzSpacing(LineSpacing spacing)
{
    // Scintilla has no spacing between characters; the space goes before the text.
    m_horzSpacing = spacing;
    SendScintilla(SCI_SETMARGINLEFT, 0, 2L * spacingPixels(spacing));
}

void TLEdit::SetExtraVertSpacing(LineSpacing spacing)
{
    m_vertSpacing = spacing;
    const int pixels = spacingPixels(spacing);
    setExtraAscent(pixels / 2);
    setExtraDescent(pixels - pixels / 2);
}

void TLEdit::SetHighlight(bool on)
{
    if (on == m_highlight)
        return;
    m_highlight = on;
    setLexer(on ? m_lexer : nullptr);
    if (!on)
        applyNormalColours();
}

bool TLEdit::MultilineItems() const
{
    return m_lexer->multilineItems();
}

void TLEdit::SetMultilineItems(bool on)
{
    m_lexer->setMultilineItems(on);
    m_lexer->reset();
}

void TLEdit::setControlHighlightHandler(std::function<void(HighlightWord &)> handler)
{
    m_lexer->setHandler(std::move(handler));
}

void TLEdit::refreshHighlight()
{
    m_lexer->reset();
}

void TLEdit::SetTabStopSize(int size)
{
    m_tabStopSize = std::clamp(size, 0, MaxTabStopSize);
    setTabWidth(std::max(1, m_tabStopSize));
}

void TLEdit::SetUndoDepth(int depth)
{
    m_undoDepth = std::clamp(depth, 0, MaxUndoDepth);
}

void TLEdit::setWrapMode(WrapMode mode)
{
    QsciScintilla::setWrapMode(mode);
    // With wrapping on, the base class keeps a layout of every line, and the
    // editor walks them all on each edit: milliseconds per key in a large
    // text, quadratic for a replace-all or its undo, and memory for layouts
    // of lines nobody looks at. The shown lines' layouts are enough.
    SendScintilla(SCI_SETLAYOUTCACHE, SC_CACHE_PAGE);
}

void TLEdit::SetWordWrap(bool on)
{
    setWrapMode(on ? WrapWord : WrapNone);
}

void TLEdit::SetScrollBars(ScrollBarKind kind)
{
    m_scrollBars = kind;
    SendScintilla(SCI_SETHSCROLLBAR, kind == lsbHorizontal || kind == lsbBoth);
    SendScintilla(SCI_SETVSCROLLBAR, kind == lsbVertical || kind == lsbBoth);
}

void TLEdit::SetInsertMode(InsertModeKind mode)
{
    setOverwriteMode(mode == limOverwrite);
    if (overwriteMode() != m_lastOverwrite) {
        m_lastOverwrite = overwriteMode();
        Q_EMIT OnChangeMode();
    }
}

// ----- keys ----------------------------------------------------------------------------

void TLEdit::keyPressEvent(QKeyEvent *event)
{
    if (!m_wantTab && (event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab)) {
        QWidget::focusNextPrevChild(event->key() == Qt::Key_Tab);
        return;
    }
    QsciScintilla::keyPressEvent(event);
}

bool TLEdit::focusNextPrevChild(bool next)
{
    if (m_wantTab)
        return false; // Tab is typed into the text
    return QsciScintilla::focusNextPrevChild(next);
}

// ----- search ----------------------------------------------------------------------------

std::optional<EditableText::Match> TLEdit::findText(const QString &what, TextPos from, bool forward,
                                                    const SearchOptions &options) const
{
    const long origin = bytePosition(from);
    bool ascii = true;
    for (QChar c : what)
        ascii = ascii && c.unicode() < 0x80;
    // Scintilla's own search is fastest, but it folds the case of ASCII
    // letters only and has its own idea of words.
    if ((ascii || options.matchCase) && !options.wholeWord)
        return findWithScintilla(what, origin, forward, options.matchCase);
    return findInChunks(what, origin, forward, options);
}

namespace {

// Bytes that a piece of text takes in UTF-8.
long utf8Length(QStringView text)
{
    long bytes = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        if (c < 0x80)
            bytes += 1;
        else if (c < 0x800)
            bytes += 2;
        else if (QChar::isHighSurrogate(c) && i + 1 < text.size() && QChar::isLowSurrogate(text.at(i + 1).unicode())) {
            bytes += 4;
            ++i;
        } else
            bytes += 3;
    }
    return bytes;
}

} // namespace

QList<TLEdit::ByteSpan> TLEdit::findEvery(const QString &what, const SearchOptions &options) const
{
    QList<ByteSpan> spans;
    bool ascii = true;
    for (QChar c : what)
        ascii = ascii && c.unicode() < 0x80;
    if (!options.wholeWord && (ascii || options.matchCase)) {
        // The bytes that a search compares: the same bytes, or ASCII letters
        // in either case (which never match inside a longer character).
        const QByteArray needle = options.matchCase ? what.toUtf8() : what.toUtf8().toLower();
        const long n = static_cast<long>(needle.size());
        const long length = SendScintilla(SCI_GETLENGTH);
        const auto *text = static_cast<const char *>(SendScintillaPtrResult(SCI_GETCHARACTERPOINTER));
        if (!text)
            return spans;
        if (options.matchCase) {
            const QByteArrayView all(text, length);
            for (qsizetype at = all.indexOf(needle); at >= 0; at = all.indexOf(needle, at + n))
                spans.append({static_cast<long>(at), static_cast<long>(at) + n});
            return spans;
        }
        const auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; };
        for (long at = 0; at + n <= length;) {
            long k = 0;
            while (k < n && lower(text[at + k]) == needle.at(k))
                ++k;
            if (k == n) {
                spans.append({at, at + n});
                at += n;
            } else {
                ++at;
            }
        }
        return spans;
    }
    // Otherwise the characters are compared: a copy of the text is searched
    // and the places are counted back into bytes.
    const QString text = GetText();
    long byte = 0;
    qsizetype index = 0;
    for (std::optional<qsizetype> at = findInText(text, what, 0, true, options); at;
         at = findInText(text, what, index, true, options)) {
        byte += utf8Length(QStringView(text).sliced(index, *at - index));
        const long start = byte;
        byte += utf8Length(QStringView(text).sliced(*at, what.size()));
        spans.append({start, byte});
        index = *at + what.size();
    }
    return spans;
}

int TLEdit::replaceEvery(const QString &what, const QString &replacement, const SearchOptions &options)
{
    // Every match is found first, in one pass; the matches are then replaced
    // from the last to the first, so that the places found stay valid and
    // the editor's buffer moves each byte only once. Lines keep their
    // bookmarks, and the whole replacement is one undo step.
    const QList<ByteSpan> spans = findEvery(what, options);
    if (spans.isEmpty())
        return 0;
    const QByteArray utf8 = replacement.toUtf8();
    {
        beginUndoAction();
        for (auto span = spans.crbegin(); span != spans.crend(); ++span) {
            SendScintilla(SCI_SETTARGETRANGE, span->start, span->end);
            SendScintilla(SCI_REPLACETARGET, static_cast<unsigned long>(utf8.size()), utf8.constData());
        }
        endUndoAction();
    }
    // The caret ends after the last replacement, as after replacing one by one.
    long removed = 0;
    for (const ByteSpan &span : spans)
        removed += span.end - span.start;
    const long last = spans.last().end - removed + static_cast<long>(utf8.size()) * spans.size();
    SendScintilla(SCI_GOTOPOS, static_cast<unsigned long>(last));
    return static_cast<int>(spans.size());
}

std::optional<EditableText::Match> TLEdit::findWithScintilla(const QString &what, long origin, bool forward, bool matchCase) const
{
    const QByteArray utf8 = what.toUtf8();
    if (!matchCase)
        return findAsciiIgnoringCase(utf8, origin, forward);
    auto *self = const_cast<TLEdit *>(this); // the search target is state, not text
    const long oldStart = SendScintilla(SCI_GETTARGETSTART);
    const long oldEnd = SendScintilla(SCI_GETTARGETEND);
    self->SendScintilla(SCI_SETSEARCHFLAGS, matchCase ? SCFIND_MATCHCASE : 0);
    self->SendScintilla(SCI_SETTARGETRANGE, origin, forward ? SendScintilla(SCI_GETLENGTH) : 0);
    const long found = self->SendScintilla(SCI_SEARCHINTARGET, static_cast<unsigned long>(utf8.size()), utf8.constData());
    const long foundEnd = SendScintilla(SCI_GETTARGETEND);
    self->SendScintilla(SCI_SETTARGETRANGE, oldStart, oldEnd);
    if (found < 0)
        return std::nullopt;
    return Match{placeOfByte(found), placeOfByte(foundEnd)};
}

std::optional<EditableText::Match> TLEdit::findAsciiIgnoringCase(const QByteArray &what, long origin, bool forward) const
{
    // Scintilla folds the case of every character it compares, which is slow
    // on a large text; an ASCII search text needs only ASCII folding, and can
    // never match inside a character of several bytes.
    const long length = SendScintilla(SCI_GETLENGTH);
    const auto *text = static_cast<const char *>(SendScintillaPtrResult(SCI_GETCHARACTERPOINTER));
    const qsizetype n = what.size();
    if (!text || n == 0 || n > length)
        return std::nullopt;
    const auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; };
    const QByteArray needle = what.toLower();
    const char first = needle.at(0);
    const char firstUpper = (first >= 'a' && first <= 'z') ? char(first - 'a' + 'A') : first;
    const auto matchesAt = [&](long at) {
        for (qsizetype k = 1; k < n; ++k) {
            if (lower(text[at + k]) != needle.at(k))
                return false;
        }
        return true;
    };
    if (forward) {
        for (long at = origin; at + n <= length; ++at) {
            const char c = text[at];
            if ((c == first || c == firstUpper) && matchesAt(at))
                return Match{placeOfByte(at), placeOfByte(at + static_cast<long>(n))};
        }
    } else {
        for (long at = origin - static_cast<long>(n); at >= 0; --at) {
            const char c = text[at];
            if ((c == first || c == firstUpper) && matchesAt(at))
                return Match{placeOfByte(at), placeOfByte(at + static_cast<long>(n))};
        }
    }
    return std::nullopt;
}

std::optional<EditableText::Match> TLEdit::findInChunks(const QString &what, long origin, bool forward,
                                                        const SearchOptions &options) const
{
    const long length = SendScintilla(SCI_GETLENGTH);
    // A match may be longer in bytes than the search text (other case forms).
    const long overlap = 4 * what.size() + 4;
    const auto before = [this](long p) { return p > 0 ? SendScintilla(SCI_POSITIONBEFORE, p) : 0L; };
    const auto after = [this, length](long p) { return p < length ? SendScintilla(SCI_POSITIONAFTER, p) : length; };
    const auto decode = [this](long a, long b) { return QString::fromUtf8(rawBytes(a, b)); };
    // Byte position of a UTF-16 index in a piece decoded from byte `base`.
    const auto byteAt = [](const QString &piece, qsizetype index, long base) {
        return base + static_cast<long>(QStringView(piece).left(index).toUtf8().size());
    };
    long chunk = 65536;
    if (forward) {
        for (long pos = origin; pos < length; chunk = std::min<long>(chunk * 2, 4 << 20)) {
            long end = std::min(length, pos + chunk);
            end = end < length ? SendScintilla(SCI_POSITIONRELATIVE, SendScintilla(SCI_POSITIONBEFORE, end), 1) : end;
            const long contextStart = before(pos);
            const long limit = std::min(length, end + overlap);
            const QString head = decode(contextStart, pos);
            const QString text = head + decode(pos, after(limit));
            const std::optional<qsizetype> at = findInText(text, what, head.size(), true, options);
            if (at) {
                const long start = byteAt(text, *at, contextStart);
                if (start < end)
                    return Match{placeOfByte(start), placeOfByte(byteAt(text, *at + what.size(), contextStart))};
            }
            pos = end;
        }
        return std::nullopt;
    }
    for (long pos = origin; pos > 0; chunk = std::min<long>(chunk * 2, 4 << 20)) {
        long start = std::max(0L, pos - chunk);
        start = start > 0 ? SendScintilla(SCI_POSITIONRELATIVE, SendScintilla(SCI_POSITIONAFTER, start), -1) : 0;
        const long limit = std::min(origin, pos + overlap);
        const long contextStart = before(start);
        const QString head = decode(contextStart, limit);
        const QString text = head + decode(limit, after(limit));
        const std::optional<qsizetype> at = findInText(text, what, head.size(), false, options);
        if (at) {
            const long matchStart = byteAt(text, *at, contextStart);
            if (matchStart >= start)
                return Match{placeOfByte(matchStart), placeOfByte(byteAt(text, *at + what.size(), contextStart))};
        }
        pos = start;
    }
    return std::nullopt;
}
