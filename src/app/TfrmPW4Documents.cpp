// The main window's documents: creating, opening, saving and closing them,
// their captions, and files changed by other programs.
#include "app/DocumentArea.h"
#include "core/ProductTexts.h"
#include "documents/DocumentNaming.h"
#include "app/EditingAids.h"
#include "core/Prompter.h"
#include "app/RecentFiles.h"
#include "core/SettingsOptions.h"
#include "core/SettingsStore.h"
#include "app/SingleInstance.h"
#include "app/TFriendlyStatusBar.h"
#include "app/TfrmPW4.h"
#include "editor/TLEdit.h"
#include "files/FileClasses.h"
#include "files/FileProtection.h"

#include <QDate>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QFileInfo>
#include <QLocale>
#include <QMenu>
#include <QMimeData>
#include <QScopeGuard>
#include <QTabWidget>

namespace {

const QString NewDocumentName = QStringLiteral("Nyt dokument");

// Dropped names are kept to the length the program has always taken.
constexpr int DroppedNameLength = 255;

QDateTime modificationTime(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() ? info.lastModified() : QDateTime();
}

} // namespace

QList<Prompter::FileFilter> TfrmPW4::documentFilters(bool forOpening) const
{
    QList<Prompter::FileFilter> filters = {
        {QStringLiteral("HTML-dokumenter"), options().htmlFilter},
        {QStringLiteral("Typografiark"), QStringLiteral("*.css")},
        {QStringLiteral("Skabeloner"), QStringLiteral("*.pws")},
    };
    if (forOpening) {
        filters.append({QStringLiteral("Tekstfiler"), QStringLiteral("*.txt")});
        filters.append({QStringLiteral("Alle filer"), QStringLiteral("*")});
    }
    return filters;
}

// ----- new and open ------------------------------------------------------------

int TfrmPW4::NewDocumentTab(bool named)
{
    QString caption;
    if (named)
        caption = QStringLiteral("%1 %2").arg(NewDocumentName).arg(++m_newDocumentCounter);
    return m_documents->addDocument(caption);
}

void TfrmPW4::NewDocument()
{
    NewDocumentTab(true);
    ShowActiveDocument();
    ActiveEditor()->setFocus();
}

void TfrmPW4::openWithDialog()
{
    Prompter::FileDialog dialog;
    dialog.caption = QStringLiteral("Åbn");
    dialog.filters = documentFilters(true);
    // The first time in a run the dialog starts in the chosen folder.
    dialog.folder = m_lastOpenFolder.isEmpty() ? options().openFolder : m_lastOpenFolder;
    const QStringList files = m_prompter.openFiles(dialog);
    if (!files.isEmpty())
        m_lastOpenFolder = QFileInfo(files.first()).absolutePath();
    for (const QString &path : files)
        FilAabn(path);
}

void TfrmPW4::OpenFiles(const QString &fileListText)
{
    for (const QString &path : FileListMessage::paths(fileListText)) {
        const QFileInfo info(path);
        // Style sheets and scripts go to their own editor once it exists.
        if (info.isFile())
            FilAabn(info.canonicalFilePath());
    }
}

bool TfrmPW4::FilAabenTjek(const QString &path)
{
    for (int tab = 0; tab < m_documents->count(); ++tab) {
        if (m_documents->pathAt(tab) == path) {
            m_documents->setCurrentIndex(tab);
            ShowActiveDocument();
            return true;
        }
    }
    return false;
}

bool TfrmPW4::loadInto(int tab, const QString &path, bool convert)
{
    TLEdit *editor = m_documents->editorAt(tab);
    const QFileInfo info(path);
    QString problem;
    if (!info.exists())
        problem = QStringLiteral("Filen %1 findes ikke.");
    else if (info.isDir())
        problem = QStringLiteral("%1 er en mappe, ikke en fil.");
    else {
        try {
            editor->LoadFromFile(path);
        } catch (const TLEditError &error) {
            problem = QLatin1String(error.what()) == QLatin1String(TLEditError::OutOfMemory)
                          ? QStringLiteral("Filen %1 er for stor til at blive åbnet.")
                          : QStringLiteral("Filen %1 kan ikke læses.");
        }
    }
    if (!problem.isEmpty()) {
        m_prompter.message({Product::Caption, problem.arg(QDir::toNativeSeparators(path)), Prompter::Icon::Warning,
                            Prompter::Ok});
        return false;
    }
    if (convert && m_hooks.openConversion && options().danishLetterCodes) {
        editor->SetText(m_hooks.openConversion(editor->GetText()));
    }
    editor->ClearModified();
    editor->ClearUndo();
    m_documents->setPathAt(tab, path);
    m_documents->setTimeAt(tab, modificationTime(path));
    return true;
}

void TfrmPW4::FilAabn(const QString &path)
{
    if (FilAabenTjek(path))
        return;
    const int active = m_documents->currentIndex();
    const bool reuse = ActiveEditor()->GetTextLength() == 0 && m_documents->pathAt(active).isEmpty();
    const int tab = reuse ? active : NewDocumentTab(false);
    if (!loadInto(tab, path, true)) {
        // Nothing is left behind by a file that could not be opened.
        if (!reuse)
            m_documents->removeDocument(tab);
        m_documents->setCurrentIndex(active);
        ShowActiveDocument();
        return;
    }
    ActiveEditor()->setFocus();
    ShowActiveDocument();
}

// ----- save --------------------------------------------------------------------

bool TfrmPW4::FilGem(int tab)
{
    const QString path = m_documents->pathAt(tab);
    if (path.isEmpty() || DocumentNaming::isTemporaryCopy(path))
        return FilGemsom(tab);
    if (EnsureWritable(path, false, m_prompter))
        return false;
    TLEdit *editor = m_documents->editorAt(tab);
    if (FileClasses::isHtmlFile(path, options().htmlFilter) && m_hooks.beforeHtmlSave)
        m_hooks.beforeHtmlSave(*editor, tab);
    // A failure to write reaches the error report; the document stays modified.
    const bool convert = (m_danishCodesForced || options().danishLetterCodes) && m_hooks.saveConversion;
    if (convert)
        editor->SaveTextToFile(path, m_hooks.saveConversion(editor->GetText()));
    else
        editor->SaveToFile(path);
    editor->ClearModified();
    m_documents->setTimeAt(tab, modificationTime(path));
    return true;
}

bool TfrmPW4::FilGemsom(int tab)
{
    const bool htmlNames = options().htmlExtension;
    Prompter::FileDialog dialog;
    dialog.caption = QStringLiteral("Gem som");
    const QString path = m_documents->pathAt(tab);
    dialog.folder = path.isEmpty() ? m_state.fileFolder : QFileInfo(path).absolutePath();
    dialog.fileName = path.isEmpty() ? QString() : QFileInfo(path).fileName();
    dialog.filters = documentFilters(false);
    dialog.defaultSuffix = htmlNames ? QString() : QStringLiteral("htm");
    QString chosen = m_prompter.saveFile(dialog);
    if (chosen.isEmpty())
        return false;
    TLEdit *editor = m_documents->editorAt(tab);
    if (QFileInfo(chosen).suffix() == QLatin1String("pws")) {
        // A template: the document itself stays as it was.
        editor->SaveToFile(chosen);
        return true;
    }
    if (htmlNames)
        chosen = DocumentNaming::withHtmlExtension(chosen);
    m_documents->setPathAt(tab, chosen);
    if (!FilGem(tab))
        return false;
    StatusbarOpdater(chosen);
    UpdateDocumentCaption(tab);
    return true;
}

void TfrmPW4::saveAll()
{
    for (int tab = 0; tab < m_documents->count(); ++tab) {
        if (!m_documents->editorAt(tab)->IsModified())
            continue;
        m_documents->setCurrentIndex(tab);
        ShowActiveDocument();
        FilGem(tab);
    }
}

void TfrmPW4::saveWithDanishCodes()
{
    m_danishCodesForced = true;
    const auto restore = qScopeGuard([this] { m_danishCodesForced = false; });
    const int tab = m_documents->currentIndex();
    if (FilGem(tab)) {
        StatusbarOpdater(m_documents->pathAt(tab));
        UpdateDocumentCaption(tab);
    }
}

// ----- close -------------------------------------------------------------------

bool TfrmPW4::CloseDocument()
{
    const int tab = m_documents->currentIndex();
    TLEdit *editor = m_documents->editorAt(tab);
    const QString path = m_documents->pathAt(tab);
    if (editor->IsModified()) {
        QString question = QStringLiteral("Skal ændringerne i %1 gemmes?").arg(m_documents->captionAt(tab));
        if (!path.isEmpty())
            question += QStringLiteral(" (%1)").arg(QFileInfo(path).fileName());
        const Prompter::Button answer = m_prompter.message({QStringLiteral("Luk fil"), question, Prompter::Icon::Warning,
                                                            Prompter::Yes | Prompter::No | Prompter::Cancel});
        if (answer == Prompter::Cancel)
            return false;
        if (answer == Prompter::Yes && !FilGem(tab))
            return false;
    }
    const QString savedPath = m_documents->pathAt(tab);
    if (!savedPath.isEmpty())
        RecentFiles::SkrivSidsteFil(m_settings, savedPath);
    if (m_documents->count() == 1) {
        if (m_documents->masterTab() == 0)
            m_documents->setMasterTab(-1);
        editor->SetText(QString());
        editor->ClearModified();
        editor->ClearUndo();
        m_documents->setCaptionAt(0, QStringLiteral("%1 1").arg(NewDocumentName));
        m_documents->setPathAt(0, QString());
        m_documents->setTimeAt(0, QDateTime());
        for (int slot = 1; slot <= 5; ++slot)
            editor->SetBookmark(slot, 1);
    } else {
        m_documents->removeDocument(tab);
    }
    ShowActiveDocument();
    return true;
}

bool TfrmPW4::closeAll()
{
    for (int tab = m_documents->count() - 1; tab >= 0; --tab) {
        m_documents->setCurrentIndex(tab);
        ShowActiveDocument();
        if (!CloseDocument())
            return false;
    }
    return true;
}

void TfrmPW4::toggleMasterTab()
{
    const int tab = m_documents->currentIndex();
    m_documents->setMasterTab(m_documents->masterTab() == tab ? -1 : tab);
}

// ----- showing -----------------------------------------------------------------

void TfrmPW4::StatusbarOpdater(const QString &path)
{
    m_status->setPanelText(0, path.isEmpty() ? QStringLiteral("Dokumentet er ikke gemt") : QDir::toNativeSeparators(path));
    m_status->setPanelText(4, QLocale().toString(QDate::currentDate(), QLocale::ShortFormat));
}

void TfrmPW4::UpdateDocumentCaption(int tab)
{
    TLEdit *editor = m_documents->editorAt(tab);
    const QString title = DocumentNaming::titleOf(*editor);
    const QString path = m_documents->pathAt(tab);
    if (options().fileNameOnTabs && !path.isEmpty())
        m_documents->setCaptionAt(tab, QFileInfo(path).fileName());
    else
        m_documents->setCaptionAt(tab, m_hooks.captionOfTitle ? m_hooks.captionOfTitle(title) : title);
    if (tab == m_documents->currentIndex())
        setWindowTitle(QStringLiteral("%1 %2 - %3").arg(Product::Caption, Product::VersionText, title));
}

void TfrmPW4::ShowActiveDocument()
{
    const int tab = m_documents->currentIndex();
    StatusbarOpdater(m_documents->pathAt(tab));
    UpdateDocumentCaption(tab);
    m_aids->showEditorState();
    ActiveEditor()->setFocus();
}

// ----- other programs and dropped files ----------------------------------------

void TfrmPW4::CheckExternalChanges()
{
    if (m_documents->count() == 1 && ActiveEditor()->GetTextLength() == 0)
        return;
    for (int tab = 0; tab < m_documents->count(); ++tab) {
        const QString path = m_documents->pathAt(tab);
        if (path.isEmpty())
            continue;
        const QFileInfo info(path);
        if (!info.isReadable())
            continue;
        const QDateTime now = info.lastModified();
        if (now <= m_documents->timeAt(tab))
            continue;
        // Recorded first, so that a question still open does not come twice.
        m_documents->setTimeAt(tab, now);
        const Prompter::Button answer = m_prompter.message(
            {QStringLiteral("Dokument ændret"),
             QStringLiteral("Et andet program har ændret \r\n%1\r\nØnsker du at genindlæse dokumentet?")
                 .arg(QDir::toNativeSeparators(path)),
             Prompter::Icon::Question, Prompter::Yes | Prompter::No});
        if (answer == Prompter::Yes) {
            loadInto(tab, path, false);
            if (tab == m_documents->currentIndex())
                ShowActiveDocument();
        }
    }
}

void TfrmPW4::dropFiles(const QStringList &paths, const QPoint &windowPoint)
{
    QWidget *target = childAt(windowPoint);
    if (target && (target == m_documents || m_documents->isAncestorOf(target))) {
        for (const QString &path : paths)
            FilAabn(path.left(DroppedNameLength));
    } else {
        m_prompter.message({Product::Caption, QStringLiteral("Du kan kun slippe filer i tekstbehandleren og i fillisten."),
                            Prompter::Icon::Information, Prompter::Ok});
    }
    raise();
    activateWindow();
}

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

void TfrmPW4::dragEnterEvent(QDragEnterEvent *event)
{
    if (!localFiles(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void TfrmPW4::dropEvent(QDropEvent *event)
{
    const QStringList paths = localFiles(event->mimeData());
    if (paths.isEmpty())
        return;
    event->acceptProposedAction();
    dropFiles(paths, event->position().toPoint());
}

bool TfrmPW4::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && qobject_cast<TLEdit *>(watched)
        && switchDocumentByKey(static_cast<QKeyEvent *>(event)))
        return true;
    if (watched == m_status && event->type() == QEvent::MouseButtonPress) {
        m_status->setPanelText(0, QStringLiteral("Dokumentet indeholder %1 %2.")
                                      .arg(ActiveEditor()->GetTextLength())
                                      .arg(QStringLiteral("tegn")));
        return false;
    }
    // An editor takes dropped text itself, but dropped files open as documents.
    if (event->type() == QEvent::DragEnter || event->type() == QEvent::DragMove) {
        auto *drag = static_cast<QDragMoveEvent *>(event);
        if (!localFiles(drag->mimeData()).isEmpty()) {
            drag->acceptProposedAction();
            return true;
        }
    } else if (event->type() == QEvent::Drop) {
        auto *drop = static_cast<QDropEvent *>(event);
        const QStringList paths = localFiles(drop->mimeData());
        if (!paths.isEmpty()) {
            drop->acceptProposedAction();
            auto *widget = static_cast<QWidget *>(watched);
            dropFiles(paths, widget->mapTo(this, drop->position().toPoint()));
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void TfrmPW4::refreshRecentFiles()
{
    m_recentMenu->clear();
    const QStringList paths = RecentFiles::HentSidsteFiler(m_settings);
    for (int n = 0; n < paths.size(); ++n) {
        const QString path = paths[n];
        m_recentMenu->addAction(QStringLiteral("%1. %2").arg(n + 1).arg(QDir::toNativeSeparators(path)), this,
                                [this, path] { FilAabn(path); });
    }
    m_recentMenu->setEnabled(!paths.isEmpty());
}
