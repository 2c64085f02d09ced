#include "documents/FileDropOpener.h"

#include "documents/DocumentCommands.h"

#include <QDropEvent>
#include <QMimeData>
#include <QWidget>

namespace {

QStringList localFiles(const QMimeData *mime)
{
    QStringList paths;
    if (!mime)
        return paths;
    for (const QUrl &url : mime->urls()) {
        if (url.isLocalFile())
            paths.append(url.toLocalFile());
    }
    return paths;
}

} // namespace

FileDropOpener::FileDropOpener(QWidget &window, DocumentCommands &commands)
    : QObject(&window)
    , m_window(window)
    , m_commands(commands)
{
    window.setAcceptDrops(true);
    window.installEventFilter(this);
}

void FileDropOpener::watch(QWidget &widget)
{
    widget.installEventFilter(this);
}

bool FileDropOpener::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::DragEnter || event->type() == QEvent::DragMove) {
        auto *drag = static_cast<QDragMoveEvent *>(event);
        if (localFiles(drag->mimeData()).isEmpty())
            return false;
        drag->acceptProposedAction();
        return true;
    }
    if (event->type() == QEvent::Drop) {
        auto *drop = static_cast<QDropEvent *>(event);
        const QStringList paths = localFiles(drop->mimeData());
        if (paths.isEmpty())
            return false;
        drop->acceptProposedAction();
        auto *widget = static_cast<QWidget *>(watched);
        const QPoint at = drop->position().toPoint();
        m_commands.dropFiles(paths, widget == &m_window ? at : widget->mapTo(&m_window, at));
        return true;
    }
    return false;
}
