#include "filepanel/TBrowseDirectoryDlg.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTreeView>
#include <QVBoxLayout>

namespace {

const QString Ellipsis = QStringLiteral("...");

QString withSeparator(const QString &path)
{
    return path.endsWith(QLatin1Char('/')) ? path : path + QLatin1Char('/');
}

} // namespace

TBrowseDirectoryDlg::TBrowseDirectoryDlg(QWidget *parent)
    : QDialog(parent)
    , m_title(new QLabel)
    , m_model(new QFileSystemModel(this))
    , m_tree(new QTreeView)
    , m_status(new QLabel)
{
    m_title->setWordWrap(true);
    m_title->setObjectName(QStringLiteral("title"));
    m_status->setObjectName(QStringLiteral("status"));
    m_model->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
    m_model->setRootPath(QString());
    m_tree->setModel(m_model);
    m_tree->setHeaderHidden(true);
    for (int column = 1; column < m_model->columnCount(); ++column)
        m_tree->hideColumn(column);
    m_tree->setEditTriggers(QAbstractItemView::NoEditTriggers);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    m_ok = buttons->button(QDialogButtonBox::Ok);
    m_ok->setText(QStringLiteral("&OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Annuller"));
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        const QString path = highlightedPath();
        if (path.isEmpty())
            return;
        m_selection = withSeparator(path);
        accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_tree->selectionModel(), &QItemSelectionModel::currentChanged, this, [this] {
        const QString path = highlightedPath();
        if (m_showSelectionInStatus)
            m_status->setText(shortenedPath(QDir::toNativeSeparators(path), m_status->fontMetrics(), m_status->width()));
        emit selectionChanged(path);
    });

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_title);
    layout->addWidget(m_tree, 1);
    layout->addWidget(m_status);
    layout->addWidget(buttons);
    resize(360, 420);
}

void TBrowseDirectoryDlg::setTitle(const QString &title)
{
    m_title->setText(title);
}

QString TBrowseDirectoryDlg::title() const
{
    return m_title->text();
}

void TBrowseDirectoryDlg::setStatusText(const QString &text)
{
    m_status->setText(text);
}

void TBrowseDirectoryDlg::setEnableOkButton(bool enable)
{
    m_ok->setEnabled(enable);
}

void TBrowseDirectoryDlg::setSelection(const QString &path)
{
    m_selection = QFileInfo(path).isDir() ? withSeparator(QDir::fromNativeSeparators(path)) : path;
}

bool TBrowseDirectoryDlg::execute()
{
    const bool chosen = exec() == QDialog::Accepted;
    if (!chosen)
        m_selection.clear();
    return chosen;
}

void TBrowseDirectoryDlg::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (m_centerOnScreen && screen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen()->availableGeometry().center());
        move(frame.topLeft());
    }
    highlight(m_selection);
}

void TBrowseDirectoryDlg::highlight(const QString &path)
{
    if (path.isEmpty())
        return;
    // The tree shows folders without the separator, but for the root.
    const QString folder = path.size() > 1 && path.endsWith(QLatin1Char('/')) ? path.chopped(1) : path;
    const QModelIndex index = m_model->index(folder);
    if (!index.isValid())
        return;
    m_tree->setCurrentIndex(index);
    m_tree->scrollTo(index, QAbstractItemView::PositionAtCenter);
}

QString TBrowseDirectoryDlg::highlightedPath() const
{
    const QModelIndex current = m_tree->currentIndex();
    return current.isValid() ? m_model->filePath(current) : QString();
}

QString TBrowseDirectoryDlg::shortenedPath(const QString &path, const QFontMetrics &metrics, int width)
{
    if (metrics.horizontalAdvance(path) <= width)
        return path;
    const QChar separator = QDir::separator();
    QStringList parts = path.split(separator, Qt::SkipEmptyParts);
    while (parts.size() > 1) {
        parts.removeFirst();
        const QString shortened = Ellipsis + separator + parts.join(separator);
        if (metrics.horizontalAdvance(shortened) <= width)
            return shortened;
    }
    QString last = Ellipsis + separator + parts.value(0);
    while (!last.isEmpty() && metrics.horizontalAdvance(last + Ellipsis) > width)
        last.chop(1);
    return last + Ellipsis;
}
