#include "completion/CodeCompletion.h"

#include "completion/CompletionRules.h"
#include "core/OptionsModel.h"
#include "core/Prompter.h"
#include "dialogs/colour/ColourChoosers.h"
#include "dialogs/colour/FontFamilyEditor.h"
#include "documents/DocumentArea.h"
#include "documents/DocumentList.h"
#include "editor/ScintillaBytes.h"
#include "editor/TLEdit.h"
#include "html/MarkupWriting.h"
#include "resources/CompletionCandidates.h"
#include "resources/LibraryIcons.h"
#include "resources/ResolvePlaceholder.h"
#include "workbench/Workbench.h"

#include <QKeyEvent>
#include <QListWidget>
#include <QPainter>
#include <QStyledItemDelegate>

namespace {

constexpr int ItemHeight = 17; // pixels at 96 dots per inch
constexpr int IconSize = 16;
constexpr int TextIndent = 18;
constexpr int ShownRows = 10;
constexpr int ListWidth = 220;

// Each item as its picture and its text; the picture is chosen by the item
// and the list's kind.
class ItemPainter : public QStyledItemDelegate
{
public:
    ItemPainter(const int &kind, QObject *parent)
        : QStyledItemDelegate(parent)
        , m_kind(kind)
    {
    }

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        const bool chosen = option.state & QStyle::State_Selected;
        const QPalette &palette = option.palette;
        painter->fillRect(option.rect, chosen ? palette.highlight() : palette.base());
        const QString text = index.data().toString();
        const QRect iconPlace(option.rect.left(), option.rect.top() + (option.rect.height() - IconSize) / 2, IconSize, IconSize);
        const QIcon icon = LibraryIcons::icon(CompletionRules::icon(text, m_kind));
        if (!icon.isNull())
            icon.paint(painter, iconPlace);
        painter->setPen(chosen ? palette.highlightedText().color() : palette.text().color());
        painter->drawText(option.rect.adjusted(TextIndent, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft, text);
    }

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        const int height = ItemHeight * (option.widget ? option.widget->logicalDpiY() : 96) / 96;
        return {QStyledItemDelegate::sizeHint(option, index).width() + TextIndent, height};
    }

private:
    const int &m_kind;
};

bool isEnter(const QKeyEvent &key)
{
    return key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter;
}

} // namespace

CodeCompletion::CodeCompletion(Workbench &workbench, LibraryLists &lists, LibraryFiles &files)
    : QObject(&workbench.window())
    , m_workbench(workbench)
    , m_lists(lists)
    , m_files(files)
    , m_list(new QListWidget(&workbench.documentArea()))
{
    connect(&workbench.documentArea(), &DocumentArea::editorAdded, this, &CodeCompletion::watch);
    m_list->setObjectName(QStringLiteral("CompletionList"));
    // The editor keeps the keyboard: the list is steered by the editor's keys.
    m_list->setFocusPolicy(Qt::NoFocus);
    m_list->setUniformItemSizes(true);
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_list->setItemDelegate(new ItemPainter(m_kind, m_list));
    m_list->hide();
    connect(m_list, &QListWidget::itemClicked, this, [this] {
        accept();
        if (m_editor)
            m_editor->setFocus();
    });

    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &CodeCompletion::showCandidates);
    // Keys go to the editor now shown, which the list does not belong to.
    connect(&workbench.documents(), &DocumentList::activeChanged, this, [this] {
        m_timer.stop();
        hide();
    });
}

void CodeCompletion::watch(TLEdit &editor)
{
    editor.installEventFilter(this);
    editor.viewport()->installEventFilter(this);
    connect(&editor, &TLEdit::OnVertScroll, this, &CodeCompletion::followScroll);
    connect(&editor, &TLEdit::OnHorzScroll, this, &CodeCompletion::followScroll);
}

bool CodeCompletion::eventFilter(QObject *watched, QEvent *event)
{
    if (auto *editor = qobject_cast<TLEdit *>(watched)) {
        if (event->type() != QEvent::KeyPress)
            return false;
        auto &key = static_cast<QKeyEvent &>(*event);
        return keyDown(key) || keyPress(*editor, key);
    }
    if (event->type() == QEvent::MouseButtonPress)
        hide(); // a click in the text
    return false;
}

bool CodeCompletion::keyDown(QKeyEvent &key)
{
    if (m_list->isHidden()) {
        // Moving away from the trigger drops the completion it started.
        if (key.key() == Qt::Key_Up || key.key() == Qt::Key_Down)
            m_timer.stop();
        return false;
    }
    switch (key.key()) {
    case Qt::Key_Down:
        chooseNext(1);
        return true;
    case Qt::Key_Up:
        chooseNext(-1);
        return true;
    case Qt::Key_Escape:
    case Qt::Key_Left:
    case Qt::Key_Right:
        hide();
        return false;
    default:
        break;
    }
    // "</" and an element: the element's end tag.
    if (key.text() == QLatin1String("/")) {
        m_closeWithBracket = true;
        return false;
    }
    if (key.key() == Qt::Key_Backspace) {
        if (m_prefix.isEmpty()) {
            hide();
            return false;
        }
        m_prefix.chop(1);
    }
    m_prefix = CompletionRules::trimmed(m_prefix + key.text());
    QStringList items;
    for (int row = 0; row < m_list->count(); ++row)
        items.append(m_list->item(row)->text());
    const int row = CompletionRules::itemForPrefix(items, m_prefix);
    if (row >= 0)
        m_list->setCurrentRow(row);
    return false;
}

bool CodeCompletion::keyPress(TLEdit &editor, QKeyEvent &key)
{
    const QString typed = key.text();
    if (typed.isEmpty())
        return false; // a key that types nothing
    m_timer.stop();
    if (isEnter(key) && m_list->isVisible()) {
        accept();
        return true;
    }
    if (typed.size() != 1)
        return false;
    const QChar c = typed.front();
    const SettingsOptions &options = m_workbench.options().options();
    if (options.codeCompletion && (c == QLatin1Char(' ') || c == QLatin1Char('<') || c == QLatin1Char('='))) {
        m_trigger = c;
        m_closeWithBracket = false;
        m_editor = &editor;
        m_timer.start(options.completionDelay);
        hide();
    } else if (c == QLatin1Char('"') || c == QLatin1Char('%') || c == QLatin1Char('>')) {
        hide();
    }
    return false;
}

void CodeCompletion::showCandidates()
{
    TLEdit *editor = m_editor;
    if (!editor || editor != &m_workbench.activeEditor())
        return;
    // Only the caret line's text before the caret decides, read as bytes so
    // that a very long line costs one copy.
    const long caret = editor->SendScintilla(QsciScintillaBase::SCI_GETCURRENTPOS);
    const long line = editor->SendScintilla(QsciScintillaBase::SCI_LINEFROMPOSITION, caret);
    const long lineStart = editor->SendScintilla(QsciScintillaBase::SCI_POSITIONFROMLINE, line);
    const QString before = QString::fromUtf8(scintillaBytes(editor, lineStart, caret));
    const ::CompletionList found = CompletionCandidates(m_trigger, before, static_cast<int>(before.size()), m_lists, m_files);
    if (!found.any)
        return;

    m_kind = found.kind;
    m_list->clear();
    m_list->addItems(CompletionRules::sorted(found.items));
    const int rowHeight = m_list->sizeHintForRow(0);
    const int frame = 2 * m_list->frameWidth();
    m_list->resize(ListWidth * m_list->logicalDpiX() / 96, std::min<int>(m_list->count(), ShownRows) * rowHeight + frame);

    m_shownPosition = caret;
    m_shownAt = editor->pointOfByte(caret);
    QWidget *area = &m_workbench.documentArea();
    const QFontInfo font(m_list->font());
    m_list->move(
        CompletionRules::place(editor->viewport()->mapTo(area, m_shownAt), m_list->size(), area->size(), font.pointSize()));
    m_list->raise();
    m_list->setCurrentRow(0);
    m_list->show();
    m_prefix.clear();
}

void CodeCompletion::followScroll()
{
    // Wrapping a long text in the background renumbers the rows above the
    // view without moving what is shown: that is no scrolling. The place the
    // list was shown for is what must stay put; the caret moves on as the
    // user types a prefix.
    if (m_list->isVisible() && (!m_editor || m_editor->pointOfByte(m_shownPosition) != m_shownAt))
        hide();
}

void CodeCompletion::chooseNext(int step)
{
    const int count = m_list->count();
    m_list->setCurrentRow((m_list->currentRow() + step + count) % count);
}

void CodeCompletion::hide()
{
    m_list->hide();
}

void CodeCompletion::accept()
{
    hide();
    TLEdit *editor = m_editor;
    const QListWidgetItem *chosen = m_list->currentItem();
    if (!editor || !chosen || editor->IsReadOnly())
        return;
    const QString item = chosen->text();
    const bool value = m_trigger == QLatin1Char('"') || m_trigger == QLatin1Char('=');

    QString text = item;
    if (value && item.startsWith(QLatin1Char('['))) {
        PlaceholderContext context;
        context.webColourDialog = m_workbench.options().options().webColourDialog;
        context.htmlFilter = m_workbench.options().options().htmlFilter;
        context.documentPath = m_workbench.documents().active().path;
        context.chooseWebColour = [this](RgbColour &colour) {
            return ChooseWebColour(m_workbench.prompter(), &m_workbench.settings(), colour, &m_workbench.window());
        };
        context.editFontFamilies = [this](const QString &value, bool generic) {
            return EditFontFamilies(m_workbench.prompter(), value, generic, &m_workbench.window());
        };
        text = ResolvePlaceholder(QString(), item, false, context, m_workbench.prompter());
        if (text.isEmpty())
            return; // cancelled: the typed letters stay
    }
    if (value && m_trigger == QLatin1Char('='))
        text = QLatin1Char('"') + text + QLatin1Char('"');
    else if (!value && m_closeWithBracket)
        text += QLatin1Char('>');

    // The letters typed to pick the item give way to it.
    const SelectionRecord selection = editor->GetSelection();
    TextPos anchor = selection.anchor();
    anchor.column = std::max(0, anchor.column - static_cast<int>(m_prefix.size()));
    editor->SetSelection(SelectionRecord::between(anchor, selection.caret()));
    InsertAtCaret(*editor, text);

    const TextPos caret = editor->GetSelection().caret();
    if (m_trigger == QLatin1Char('"')) {
        editor->SetSelection(SelectionRecord::at({caret.line, caret.column + 1})); // past the closing quote
    } else if (m_trigger == QLatin1Char(' ') && !m_closeWithBracket && item.endsWith(QLatin1Char('"'))) {
        // An attribute with empty quotes: its values are offered next.
        editor->SetSelection(SelectionRecord::at({caret.line, caret.column - 1}));
        m_trigger = QLatin1Char('"');
        m_timer.start(m_workbench.options().options().completionDelay);
    }
}
