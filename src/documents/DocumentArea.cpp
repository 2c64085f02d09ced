#include "documents/DocumentArea.h"

#include "documents/DocumentList.h"
#include "editor/TLEdit.h"
#include "editor/TLEditLines.h"
#include "editor/TRuler.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QTabBar>
#include <QToolBar>
#include <QVBoxLayout>

DocumentArea::DocumentArea(DocumentList &documents, QWidget *parent)
    : QWidget(parent)
    , m_tabs(new QTabBar(this))
    , m_editorToolBar(new QToolBar(this))
    , m_editors(new QStackedWidget(this))
    , m_topRuler(new TRuler(this))
    , m_leftRuler(new TRuler(this))
    , m_gutter(new TLEditLines(this))
    , m_grid(new QGridLayout)
    , m_documents(documents)
{
    m_tabs->setObjectName(QStringLiteral("tabDocuments"));
    m_tabs->setExpanding(false);
    m_tabs->setDocumentMode(true);
    m_editorToolBar->setObjectName(QStringLiteral("tbEditor"));
    m_editorToolBar->setIconSize(QSize(16, 16));

    m_topRuler->setObjectName(QStringLiteral("RulerTop"));
    m_topRuler->setFixedHeight(17);
    m_leftRuler->setObjectName(QStringLiteral("RulerLeft"));
    m_leftRuler->setOrientation(TRuler::roVerticalLeft);
    m_leftRuler->setFixedWidth(m_leftRuler->sizeHint().width());
    // The top ruler counts from the left ruler's edge.
    m_topRuler->SetOffset(m_leftRuler->width());
    m_gutter->setObjectName(QStringLiteral("LEditLines"));

    m_grid->setContentsMargins(0, 0, 0, 0);
    m_grid->setSpacing(0);
    m_grid->addWidget(m_topRuler, 0, 0, 1, 3);
    m_grid->addWidget(m_leftRuler, 1, 0);
    m_grid->addWidget(m_gutter, 1, 1);
    m_grid->addWidget(m_editors, 1, 2);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_tabs);
    layout->addWidget(m_editorToolBar);
    layout->addLayout(m_grid, 1);

    connect(m_tabs, &QTabBar::currentChanged, this, [this](int tab) {
        if (tab >= 0 && tab < m_editors->count()) {
            m_editors->setCurrentIndex(tab);
            m_gutter->SetEditor(editorAt(tab));
        }
        if (tab >= 0)
            m_documents.setActiveIndex(tab);
    });
    connect(&m_documents, &DocumentList::captionChanged, this,
            [this](int tab) { m_tabs->setTabText(tab, m_documents.at(tab).caption); });
}

int DocumentArea::count() const
{
    return m_tabs->count();
}

int DocumentArea::currentIndex() const
{
    return m_tabs->currentIndex();
}

void DocumentArea::setCurrentIndex(int tab)
{
    m_tabs->setCurrentIndex(tab);
}

int DocumentArea::addDocument(const QString &caption)
{
    auto *editor = new TLEdit(m_editors);
    editor->installEventFilter(this);
    if (m_setupEditor)
        m_setupEditor(*editor);
    m_editors->addWidget(editor);
    m_documents.add(*editor, caption);
    renameEditors();
    Q_EMIT editorAdded(*editor);
    const int tab = m_tabs->addTab(caption);
    m_tabs->setCurrentIndex(tab);
    m_editors->setCurrentIndex(tab);
    m_gutter->SetEditor(editor);
    return tab;
}

void DocumentArea::removeDocument(int tab)
{
    const QSignalBlocker quiet(m_tabs);
    m_documents.remove(tab);
    QWidget *editor = m_editors->widget(tab);
    m_editors->removeWidget(editor);
    delete editor;
    m_tabs->removeTab(tab);
    renameEditors();
    const int selected = std::max(0, tab - 1);
    m_tabs->setCurrentIndex(selected);
    m_editors->setCurrentIndex(selected);
    m_gutter->SetEditor(editorAt(selected));
}

void DocumentArea::placeBrowserView(QWidget &view)
{
    m_browserView = &view;
    view.hide();
    m_grid->addWidget(&view, 1, 1, 1, 2);
}

void DocumentArea::showBrowserView(bool shown)
{
    m_gutter->setVisible(!shown);
    m_editors->setVisible(!shown);
    if (m_browserView)
        m_browserView->setVisible(shown);
}

QSize DocumentArea::browserAreaSize() const
{
    return m_grid->cellRect(1, 1).united(m_grid->cellRect(1, 2)).size();
}

TLEdit *DocumentArea::editorAt(int tab) const
{
    return qobject_cast<TLEdit *>(m_editors->widget(tab));
}

QString DocumentArea::captionAt(int tab) const
{
    return m_tabs->tabText(tab);
}

QString DocumentArea::pathAt(int tab) const
{
    return m_documents.at(tab).path;
}

int DocumentArea::masterTab() const
{
    return m_documents.masterIndex();
}

void DocumentArea::renameEditors()
{
    // Editors are found by name, so the names follow the tab indexes.
    for (int i = 0; i < m_editors->count(); ++i)
        m_editors->widget(i)->setObjectName(QStringLiteral("LEdit%1").arg(i));
}

bool DocumentArea::eventFilter(QObject *watched, QEvent *event)
{
    return event->type() == QEvent::KeyPress && qobject_cast<TLEdit *>(watched)
        && switchDocumentByKey(static_cast<const QKeyEvent &>(*event));
}

bool DocumentArea::switchDocumentByKey(const QKeyEvent &key)
{
    // Ctrl+Tab and Ctrl+Shift+Tab go to the next and previous document,
    // wrapping round; the editor would otherwise take them as typing.
    if (!(key.modifiers() & Qt::ControlModifier) || (key.modifiers() & Qt::AltModifier))
        return false;
    const int tabs = count();
    if (key.key() == Qt::Key_Tab && !(key.modifiers() & Qt::ShiftModifier))
        setCurrentIndex((currentIndex() + 1) % tabs);
    else if (key.key() == Qt::Key_Backtab || key.key() == Qt::Key_Tab)
        setCurrentIndex((currentIndex() + tabs - 1) % tabs);
    else
        return false;
    return true;
}
