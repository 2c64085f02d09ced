#include "editor/DocumentEditorSetup.h"

#include "editor/TLEdit.h"
#include "editor/WordColours.h"

#include <QApplication>
#include <QFontDatabase>
#include <QPalette>

namespace {

QColor toColor(quint32 rgb)
{
    return QColor::fromRgb(rgb);
}

} // namespace

QFont editorFont(const EditorOptions &options)
{
    QFont font(options.fontName, options.fontSize > 0 ? options.fontSize : 10);
    if (!QFontDatabase::hasFamily(options.fontName)) {
        font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
        font.setPointSize(options.fontSize > 0 ? options.fontSize : 10);
    }
    font.setBold(options.fontStyle.contains(QLatin1String("fed")));
    font.setItalic(options.fontStyle.contains(QLatin1String("kursiv")));
    return font;
}

void setEditorFont(EditorOptions &options, const QFont &font)
{
    options.fontName = font.family();
    options.fontSize = font.pointSize() > 0 ? font.pointSize() : options.fontSize;
    QStringList style;
    if (font.bold())
        style << QStringLiteral("fed");
    if (font.italic())
        style << QStringLiteral("kursiv");
    options.fontStyle = style.join(QLatin1Char(' '));
}

SettingsDefaults settingsDefaults(const QString &defaultUserDataFolder)
{
    const QPalette palette = QApplication::palette();
    return {defaultUserDataFolder,
            {palette.color(QPalette::Text).rgb() & 0xFFFFFF, palette.color(QPalette::Base).rgb() & 0xFFFFFF}};
}

void applyLook(TLEdit &editor, const DocumentEditorLook &look)
{
    editor.SetAutoIndent(look.options.autoIndent);
    editor.SetWordWrap(look.options.wordWrap);
    editor.SetScrollBars(look.options.wordWrap ? TLEdit::lsbVertical : TLEdit::lsbBoth);
    editor.SetTabStopSize(look.options.tabSize);
    editor.SetFont(editorFont(look.options));
    editor.SetForeColor(toColor(look.colours.normal.text));
    editor.SetBackColor(toColor(look.colours.normal.background));
    const SyntaxColours::Scheme scheme = look.colours;
    const QSet<QString> elements = look.elementNames;
    editor.setControlHighlightHandler([scheme, elements](HighlightWord &word) {
        const SyntaxColours::Pair pair = SyntaxColours::colourForWord(scheme, word.kind, word.text, elements);
        word.foreground = toColor(pair.text);
        word.background = toColor(pair.background);
    });
}

void configureDocumentEditor(TLEdit &editor, const DocumentEditorLook &look)
{
    editor.SetHighlight(true);
    editor.SetSyntax(QStringLiteral("2\"\"001>1<001/"));
    editor.SetStartInComments(true);
    editor.SetMultilineItems(true);
    editor.SetBookmarksMax(6);
    editor.SetUndoDepth(100);
    editor.SetTabStopSize(2);
    editor.SetCaretWidth(2);
    const QPalette palette = QApplication::palette();
    editor.SetSelectedColors(palette.color(QPalette::HighlightedText), palette.color(QPalette::Highlight));
    editor.SetExtraHorzSpacing(TLEdit::lsLarge);
    editor.SetExtraVertSpacing(TLEdit::lsSmall);
    editor.SetWantTab(true);
    editor.SetWrapKeys(true);
    editor.SetBorderStyleSingle(false);
    applyLook(editor, look);
    editor.ClearModified();
}
