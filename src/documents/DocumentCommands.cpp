#include "documents/DocumentCommands.h"

#include "core/DanishLocale.h"
#include "core/OptionsModel.h"
#include "core/ProductTexts.h"
#include "core/SettingsStore.h"
#include "documents/DocumentArea.h"
#include "documents/DocumentIo.h"
#include "documents/DocumentList.h"
#include "documents/DocumentNaming.h"
#include "documents/RecentFiles.h"
#include "editor/TLEdit.h"
#include "files/FileProtection.h"
#include "html/CharacterReferences.h"
#include "workbench/CommandRegistry.h"
#include "workbench/TFriendlyStatusBar.h"
#include "workbench/Workbench.h"

#include <QAction>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QMenu>
#include <QScopeGuard>
#include <QWidget>

namespace {

const QString NewDocumentName = QStringLiteral("Nyt dokument");

// Dropped names are kept to the length the program has always taken.
constexpr int DroppedNameLength = 255;

} // namespace

DocumentCommands::DocumentCommands(Workbench &workbench)
    : QObject(&workbench.window())
    , m_workbench(workbench)
{
    attachCommands();
    connect(&workbench.documents(), &DocumentList::titleWritten, this, &DocumentCommands::UpdateDocumentCaption);
}

void DocumentCommands::attachCommands()
{
    CommandRegistry &commands = m_workbench.commands();
    commands.handle(QStringLiteral("actNy"), [this] { NewDocument(); });
    commands.handle(QStringLiteral("actAabn"), [this] { openWithDialog(); });
    commands.handle(QStringLiteral("actLuk"), [this] { CloseDocument(); });
    commands.handle(QStringLiteral("actLukAlle"), [this] { closeAll(); });
    commands.handle(QStringLiteral("actGem"), [this] { saveCurrent(false); });
    commands.handle(QStringLiteral("actGemSom"), [this] { FilGemsom(m_workbench.documentArea().currentIndex()); });
    commands.handle(QStringLiteral("actGemAlle"), [this] { saveAll(); });
    commands.handle(QStringLiteral("actGemKoder"), [this] { saveWithDanishCodes(); });
    commands.handle(QStringLiteral("actUdskriv"),
                    [this] { m_printer.print(m_workbench.activeEditor(), m_workbench.prompter()); });
    commands.enableWhile(QStringLiteral("actUdskriv"), CommandCause::Modified,
                         [this] { return m_workbench.activeEditor().GetTextLength() > 0; });
    commands.handle(QStringLiteral("actIndstilPrinter"), [this] { m_printer.setUp(m_workbench.prompter()); });
    commands.handle(QStringLiteral("actModerside"), [this] { toggleMasterTab(); });
    commands.checkWhile(QStringLiteral("actModerside"), CommandCause::View, [this] {
        const DocumentList &documents = m_workbench.documents();
        return documents.masterIndex() == documents.activeIndex();
    });

    QAction &newDocument = commands.add(QStringLiteral("actNytDokument"), QStringLiteral("Nyt dokument"));
    connect(&newDocument, &QAction::triggered, this, &DocumentCommands::NewDocument);

    connect(commands.menu(QStringLiteral("mnuFiler")), &QMenu::aboutToShow, this, &DocumentCommands::refreshRecentFiles);
    refreshRecentFiles();
}

TLEdit &DocumentCommands::editorAt(int tab) const
{
    return *m_workbench.documentArea().editorAt(tab);
}

QList<Prompter::FileFilter> DocumentCommands::documentFilters(bool forOpening) const
{
    QList<Prompter::FileFilter> filters = {
        {QStringLiteral("HTML-dokumenter"), m_workbench.options().options().htmlFilter},
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

int DocumentCommands::NewDocumentTab(bool named)
{
    QString caption;
    if (named)
        caption = QStringLiteral("%1 %2").arg(NewDocumentName).arg(++m_newDocumentCounter);
    return m_workbench.documentArea().addDocument(caption);
}

// Commands that work in the editor leave the internal browser first.
void DocumentCommands::showCodeEditor()
{
    QAction &codeEditor = m_workbench.commands().require(QStringLiteral("actKodeeditor"));
    if (!codeEditor.isChecked())
        codeEditor.trigger();
}

void DocumentCommands::NewDocument()
{
    showCodeEditor();
    NewDocumentTab(true);
    ShowActiveDocument();
    m_workbench.activeEditor().setFocus();
}

void DocumentCommands::openWithDialog()
{
    Prompter::FileDialog dialog;
    dialog.caption = QStringLiteral("Åbn");
    dialog.filters = documentFilters(true);
    // The first time in a run the dialog starts in the chosen folder.
    dialog.folder = m_lastOpenFolder.isEmpty() ? m_workbench.options().options().openFolder : m_lastOpenFolder;
    const QStringList files = m_workbench.prompter().openFiles(dialog);
    if (!files.isEmpty())
        m_lastOpenFolder = QFileInfo(files.first()).absolutePath();
    for (const QString &path : files)
        FilAabn(path);
}

void DocumentCommands::openFiles(const QStringList &paths)
{
    for (const QString &path : paths) {
        const QFileInfo info(path);
        // Style sheets and scripts go to their own editor once it exists.
        if (info.isFile())
            FilAabn(info.canonicalFilePath());
    }
}

bool DocumentCommands::FilAabenTjek(const QString &path)
{
    const int tab = m_workbench.documents().indexOf(path);
    if (tab < 0)
        return false;
    m_workbench.documentArea().setCurrentIndex(tab);
    ShowActiveDocument();
    return true;
}

bool DocumentCommands::loadInto(int tab, const QString &path, bool opened)
{
    TLEdit &editor = editorAt(tab);
    std::variant<PageFile, DocumentError> read = DocumentIo::read(path);
    if (auto *page = std::get_if<PageFile>(&read)) {
        try {
            editor.loadPage(page->bytes, page->encoding);
        } catch (const TLEditError &error) {
            if (error.kind() != TLEditError::Kind::OutOfMemory)
                throw;
            read = DocumentError::of(DocumentError::Kind::TooLarge, path);
        }
    }
    if (const auto *error = std::get_if<DocumentError>(&read)) {
        m_workbench.prompter().message({Product::Caption, error->text, Prompter::Icon::Warning, Prompter::Ok});
        return false;
    }
    const PageFile &page = std::get<PageFile>(read);
    Document &document = m_workbench.documents().at(tab);
    document.path = path;
    document.fileTime = page.fileTime;
    document.encoding = page.encoding;
    document.lineBreak = page.lineBreak;
    if (opened)
        m_workbench.documents().announceOpened(tab);
    editor.ClearModified();
    editor.ClearUndo();
    return true;
}

void DocumentCommands::FilAabn(const QString &path)
{
    if (FilAabenTjek(path))
        return;
    DocumentArea &area = m_workbench.documentArea();
    const int active = area.currentIndex();
    const bool reuse = m_workbench.activeEditor().GetTextLength() == 0 && m_workbench.documents().at(active).path.isEmpty();
    const int tab = reuse ? active : NewDocumentTab(false);
    if (!loadInto(tab, path, true)) {
        // Nothing is left behind by a file that could not be opened.
        if (!reuse)
            area.removeDocument(tab);
        area.setCurrentIndex(active);
        ShowActiveDocument();
        return;
    }
    m_workbench.activeEditor().setFocus();
    ShowActiveDocument();
}

// ----- save --------------------------------------------------------------------

bool DocumentCommands::FilGem(int tab)
{
    DocumentList &documents = m_workbench.documents();
    const QString path = documents.at(tab).path;
    if (path.isEmpty() || DocumentNaming::isTemporaryCopy(path))
        return FilGemsom(tab);
    if (EnsureWritable(path, false, m_workbench.prompter()))
        return false;
    const SaveRequest request = documents.prepareSave(tab, m_danishCodesAsked);
    Document &document = documents.at(tab);
    TLEdit &editor = editorAt(tab);
    const std::optional<FileWriteError> error = DocumentIo::write(
        path, request.textToWrite ? request.textToWrite->toUtf8() : editor.utf8Text(), document.encoding);
    if (error)
        return offerSaveAs(tab, path, *error);
    editor.ClearModified();
    document.fileTime = DocumentIo::fileTime(path);
    documents.announceSaved(tab);
    return true;
}

bool DocumentCommands::FilGemsom(int tab)
{
    const bool htmlNames = m_workbench.options().options().htmlExtension;
    Document &document = m_workbench.documents().at(tab);
    Prompter::FileDialog dialog;
    dialog.caption = QStringLiteral("Gem som");
    dialog.folder = document.path.isEmpty() ? m_saveFolder : QFileInfo(document.path).absolutePath();
    dialog.fileName = document.path.isEmpty() ? QString() : QFileInfo(document.path).fileName();
    dialog.filters = documentFilters(false);
    dialog.defaultSuffix = htmlNames ? QString() : QStringLiteral("htm");
    QString chosen = m_workbench.prompter().saveFile(dialog);
    if (chosen.isEmpty())
        return false;
    if (QFileInfo(chosen).suffix() == QLatin1String("pws")) {
        // A template: the document itself stays as it was.
        FileEncoding encoding = document.encoding;
        const std::optional<FileWriteError> error = DocumentIo::write(chosen, editorAt(tab).utf8Text(), encoding);
        return !error || offerSaveAs(tab, chosen, *error);
    }
    if (htmlNames)
        chosen = DocumentNaming::withHtmlExtension(chosen);
    // A name that could not be written is not the document's.
    const QString previousPath = document.path;
    document.path = chosen;
    if (!FilGem(tab)) {
        document.path = previousPath;
        return false;
    }
    // The name it was saved under, which may be one chosen after this failed.
    StatusbarOpdater(document.path);
    UpdateDocumentCaption(tab);
    return true;
}

bool DocumentCommands::offerSaveAs(int tab, const QString &path, const FileWriteError &error)
{
    // The old file is whole and the document still modified; the user may
    // put it elsewhere.
    const Prompter::Button answer = m_workbench.prompter().message(
        {Product::Caption,
         QStringLiteral("Filen %1 kan ikke gemmes: %2.\n\nDokumentet er ikke gemt. Vil du gemme det et andet sted med Gem som?")
             .arg(QDir::toNativeSeparators(path), error.reason()),
         Prompter::Icon::Warning, Prompter::Yes | Prompter::No});
    return answer == Prompter::Yes && FilGemsom(tab);
}

void DocumentCommands::saveCurrent(bool danishCodes)
{
    // Asked for here, the references reach a save through "Gem som" as well.
    m_danishCodesAsked = danishCodes;
    const auto restore = qScopeGuard([this] { m_danishCodesAsked = false; });
    const int tab = m_workbench.documentArea().currentIndex();
    if (FilGem(tab)) {
        StatusbarOpdater(m_workbench.documents().at(tab).path);
        UpdateDocumentCaption(tab);
    }
}

void DocumentCommands::saveAll()
{
    DocumentArea &area = m_workbench.documentArea();
    for (int tab = 0; tab < area.count(); ++tab) {
        if (!editorAt(tab).IsModified())
            continue;
        area.setCurrentIndex(tab);
        ShowActiveDocument();
        FilGem(tab);
    }
}

void DocumentCommands::saveWithDanishCodes()
{
    saveCurrent(true);
}

// ----- close -------------------------------------------------------------------

bool DocumentCommands::CloseDocument()
{
    showCodeEditor();
    DocumentArea &area = m_workbench.documentArea();
    DocumentList &documents = m_workbench.documents();
    const int tab = area.currentIndex();
    TLEdit &editor = editorAt(tab);
    const QString path = documents.at(tab).path;
    if (editor.IsModified()) {
        QString question = QStringLiteral("Skal ændringerne i %1 gemmes?").arg(area.captionAt(tab));
        if (!path.isEmpty())
            question += QStringLiteral(" (%1)").arg(QFileInfo(path).fileName());
        const Prompter::Button answer = m_workbench.prompter().message(
            {QStringLiteral("Luk fil"), question, Prompter::Icon::Warning, Prompter::Yes | Prompter::No | Prompter::Cancel});
        if (answer == Prompter::Cancel)
            return false;
        if (answer == Prompter::Yes && !FilGem(tab))
            return false;
    }
    const QString savedPath = documents.at(tab).path;
    if (!savedPath.isEmpty())
        RecentFiles::SkrivSidsteFil(m_workbench.settings(), savedPath);
    if (area.count() == 1) {
        if (documents.masterIndex() == 0)
            documents.setMasterIndex(-1);
        editor.SetText(QString());
        editor.ClearModified();
        editor.ClearUndo();
        documents.setCaption(0, QStringLiteral("%1 1").arg(NewDocumentName));
        Document &document = documents.at(0);
        document.path.clear();
        document.fileTime = QDateTime();
        for (int slot = 1; slot <= 5; ++slot)
            editor.SetBookmark(slot, 1);
    } else {
        area.removeDocument(tab);
    }
    ShowActiveDocument();
    return true;
}

bool DocumentCommands::closeAll()
{
    showCodeEditor();
    DocumentArea &area = m_workbench.documentArea();
    for (int tab = area.count() - 1; tab >= 0; --tab) {
        area.setCurrentIndex(tab);
        ShowActiveDocument();
        if (!CloseDocument())
            return false;
    }
    return true;
}

void DocumentCommands::toggleMasterTab()
{
    DocumentList &documents = m_workbench.documents();
    const int tab = documents.activeIndex();
    documents.setMasterIndex(documents.masterIndex() == tab ? -1 : tab);
}

// ----- showing -----------------------------------------------------------------

void showDocumentStatus(TFriendlyStatusBar &status, const QString &path)
{
    status.setPanelText(0, path.isEmpty() ? QStringLiteral("Dokumentet er ikke gemt") : QDir::toNativeSeparators(path));
    status.setPanelText(4, danishLocale().toString(QDate::currentDate(), QLocale::ShortFormat));
}

void DocumentCommands::StatusbarOpdater(const QString &path)
{
    showDocumentStatus(m_workbench.status(), path);
}

void DocumentCommands::UpdateDocumentCaption(int tab)
{
    DocumentList &documents = m_workbench.documents();
    const QString title = DocumentNaming::titleOf(editorAt(tab));
    const QString path = documents.at(tab).path;
    if (m_workbench.options().options().fileNameOnTabs && !path.isEmpty())
        documents.setCaption(tab, QFileInfo(path).fileName());
    else
        documents.setCaption(tab, ReferencesToDanish(title)); // a title as a tab shows it
    if (tab == m_workbench.documentArea().currentIndex())
        m_workbench.window().setWindowTitle(QStringLiteral("%1 %2 - %3").arg(Product::Caption, Product::VersionText, title));
}

void DocumentCommands::ShowActiveDocument()
{
    const int tab = m_workbench.documentArea().currentIndex();
    StatusbarOpdater(m_workbench.documents().at(tab).path);
    UpdateDocumentCaption(tab);
    m_workbench.documents().announceActiveShown();
    m_workbench.activeEditor().setFocus();
}

// ----- other programs and dropped files ----------------------------------------

void DocumentCommands::CheckExternalChanges()
{
    DocumentList &documents = m_workbench.documents();
    if (documents.count() == 1 && m_workbench.activeEditor().GetTextLength() == 0)
        return;
    for (int tab = 0; tab < documents.count(); ++tab) {
        const QString path = documents.at(tab).path;
        if (path.isEmpty())
            continue;
        const QFileInfo info(path);
        if (!info.isReadable())
            continue;
        const QDateTime now = info.lastModified();
        if (now <= documents.at(tab).fileTime)
            continue;
        // Recorded first, so that a question still open does not come twice.
        documents.at(tab).fileTime = now;
        const Prompter::Button answer = m_workbench.prompter().message(
            {QStringLiteral("Dokument ændret"),
             QStringLiteral("Et andet program har ændret \r\n%1\r\nØnsker du at genindlæse dokumentet?")
                 .arg(QDir::toNativeSeparators(path)),
             Prompter::Icon::Question, Prompter::Yes | Prompter::No});
        if (answer == Prompter::Yes) {
            loadInto(tab, path, false);
            if (tab == m_workbench.documentArea().currentIndex())
                ShowActiveDocument();
        }
    }
}

void DocumentCommands::dropFiles(const QStringList &paths, const QPoint &windowPoint)
{
    QWidget &window = m_workbench.window();
    DocumentArea &area = m_workbench.documentArea();
    QWidget *target = window.childAt(windowPoint);
    if (target && (target == &area || area.isAncestorOf(target))) {
        for (const QString &path : paths)
            FilAabn(path.left(DroppedNameLength));
    } else {
        m_workbench.prompter().message({Product::Caption,
                                        QStringLiteral("Du kan kun slippe filer i tekstbehandleren og i fillisten."),
                                        Prompter::Icon::Information, Prompter::Ok});
    }
    window.raise();
    window.activateWindow();
}

void DocumentCommands::refreshRecentFiles()
{
    QMenu *recent = m_workbench.commands().menu(QStringLiteral("mnuSenesteFiler"));
    recent->clear();
    const QStringList paths = RecentFiles::HentSidsteFiler(m_workbench.settings());
    for (int n = 0; n < paths.size(); ++n) {
        const QString &path = paths[n];
        recent->addAction(QStringLiteral("%1. %2").arg(n + 1).arg(QDir::toNativeSeparators(path)), this,
                          [this, path] { FilAabn(path); });
    }
    recent->setEnabled(!paths.isEmpty());
}
