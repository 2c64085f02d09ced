#include "app/DocumentArea.h"

#include <Qsci/qsciscintilla.h>

#include <QFrame>
#include <QGridLayout>
#include <QStackedWidget>
#include <QTabBar>
#include <QToolBar>
#include <QVBoxLayout>

namespace {

QFrame *rulerSlot(const QString &name, QWidget *parent)
{
    auto *frame = new QFrame(parent);
    frame->setObjectName(name);
    frame->setFrameStyle(QFrame::Panel | QFrame::Raised);
    return frame;
}

} // namespace

DocumentArea::DocumentArea(QWidget *parent)
    : QWidget(parent)
    , m_tabs(new QTabBar(this))
    , m_editorToolBar(new QToolBar(this))
    , m_editors(new QStackedWidget(this))
{
    m_tabs->setObjectName(QStringLiteral("tabDocuments"));
    m_tabs->setExpanding(false);
    m_tabs->setDocumentMode(true);
    m_editorToolBar->setObjectName(QStringLiteral("tbEditor"));
    m_editorToolBar->setIconSize(QSize(16, 16));

    // The two pixel rulers and the line-number gutter follow the active editor.
    QFrame *topRuler = rulerSlot(QStringLiteral("RulerTop"), this);
    topRuler->setFixedHeight(17);
    QFrame *leftRuler = rulerSlot(QStringLiteral("RulerLeft"), this);
    leftRuler->setFixedWidth(17);
    QFrame *gutter = rulerSlot(QStringLiteral("LEditLines"), this);
    gutter->setFixedWidth(24);

    auto *grid = new QGridLayout;
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(0);
    grid->addWidget(topRuler, 0, 1, 1, 2);
    grid->addWidget(leftRuler, 1, 0);
    grid->addWidget(gutter, 1, 1);
    grid->addWidget(m_editors, 1, 2);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_tabs);
    layout->addWidget(m_editorToolBar);
    layout->addLayout(grid, 1);

    connect(m_tabs, &QTabBar::currentChanged, this, [this](int tab) {
        if (tab >= 0 && tab < m_editors->count())
            m_editors->setCurrentIndex(tab);
        Q_EMIT currentChanged(tab);
    });
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
    auto *editor = new QsciScintilla(m_editors);
    editor->setUtf8(true);
    editor->setMarginWidth(1, 0);
    editor->setTabWidth(2);
    editor->setCaretWidth(2);
    m_editors->addWidget(editor);
    m_paths.append(QString());
    renameEditors();
    const int tab = m_tabs->addTab(caption);
    m_tabs->setCurrentIndex(tab);
    m_editors->setCurrentIndex(tab);
    return tab;
}

void DocumentArea::removeDocument(int tab)
{
    QWidget *editor = m_editors->widget(tab);
    m_editors->removeWidget(editor);
    delete editor;
    m_paths.removeAt(tab);
    m_tabs->removeTab(tab);
    renameEditors();
}

QsciScintilla *DocumentArea::editorAt(int tab) const
{
    return qobject_cast<QsciScintilla *>(m_editors->widget(tab));
}

QString DocumentArea::captionAt(int tab) const
{
    return m_tabs->tabText(tab);
}

void DocumentArea::setCaptionAt(int tab, const QString &caption)
{
    m_tabs->setTabText(tab, caption);
}

void DocumentArea::renameEditors()
{
    // Editors are found by name, so the names follow the tab indexes.
    for (int i = 0; i < m_editors->count(); ++i)
        m_editors->widget(i)->setObjectName(QStringLiteral("LEdit%1").arg(i));
}
