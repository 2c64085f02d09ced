#include "filepanel/FileListMenu.h"

#include "filepanel/TFileList.h"

#include <QAbstractItemView>
#include <QAction>
#include <QKeyEvent>
#include <QMenu>

namespace {

QAction *entry(QObject *owner, const char *caption, const char *keys = "")
{
    auto *action = new QAction(QString::fromUtf8(caption), owner);
    action->setShortcut(QKeySequence(QString::fromLatin1(keys)));
    // The keys work through the list itself, only while it has the focus.
    action->setShortcutContext(Qt::WidgetShortcut);
    return action;
}

} // namespace

FileListMenu::FileListMenu(TFileList &list, QMenu &views, QMenu &filters)
    : QObject(&list)
    , open(entry(this, "&Åbn", "Return"))
    , insertReference(entry(this, "&Indsæt henvisning"))
    , moveTo(entry(this, "&Flyt til...", "Ctrl+Shift+X"))
    , copyTo(entry(this, "&Kopier til...", "Ctrl+Shift+C"))
    , upload(entry(this, "O&verfør til Internet...", "Ctrl+Shift+W"))
    , remove(entry(this, "&Slet", "Del"))
    , rename(entry(this, "&Omdøb", "F2"))
    , properties(entry(this, "&Egenskaber", "Alt+Return"))
    , selectAll(entry(this, "&Marker alt"))
    , correctNames(entry(this, "&Ret filnavne..."))
    , refresh(entry(this, "O&pdater filliste"))
    , imageViewer(entry(this, "&Billedfremviser"))
    , m_list(list)
    , m_menu(new QMenu(&list))
    , m_views(views)
    , m_filters(filters)
{
    m_menu->setObjectName(QStringLiteral("popFilliste"));
    m_menu->addActions({open, insertReference});
    m_menu->addSeparator();
    m_menu->addActions({moveTo, copyTo, upload, selectAll, remove, rename, correctNames});
    m_menu->addSeparator();
    m_menu->addMenu(&m_views);
    m_menu->addMenu(&m_filters);
    m_menu->addAction(refresh);
    m_menu->addSeparator();
    m_menu->addActions({imageViewer, properties});
    for (QAbstractItemView *view : list.views()) {
        view->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(view, &QWidget::customContextMenuRequested, this, [this, view](const QPoint &at) {
            // A click beside the entries is about the list as a whole.
            if (!view->indexAt(at).isValid())
                view->clearSelection();
            popup(view->viewport()->mapToGlobal(at));
        });
        view->installEventFilter(this);
    }
}

void FileListMenu::popup(const QPoint &globalPosition)
{
    if (m_settle)
        m_settle();
    m_menu->popup(globalPosition);
}

QAction *FileListMenu::actionForKey(const QKeyEvent &key)
{
    const QKeySequence pressed(key.keyCombination());
    for (QAction *action : m_menu->actions()) {
        if (!action->shortcut().isEmpty() && action->shortcut() == pressed)
            return action;
    }
    return nullptr;
}

bool FileListMenu::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    auto *key = static_cast<QKeyEvent *>(event);
    const auto *view = static_cast<QAbstractItemView *>(watched);
    if (key->keyCombination() == QKeyCombination(Qt::ShiftModifier, Qt::Key_F10)) {
        event->accept();
        if (event->type() == QEvent::KeyPress)
            popup(view->mapToGlobal(QPoint(0, 0)));
        return true;
    }
    QAction *action = actionForKey(*key);
    if (!action)
        return false;
    // Taken from the window's commands while the list has the focus; a name
    // being edited has the focus itself and keeps its keys.
    event->accept();
    if (event->type() == QEvent::KeyPress) {
        if (m_settle)
            m_settle();
        if (action->isVisible() && action->isEnabled())
            action->trigger();
    }
    return true;
}
