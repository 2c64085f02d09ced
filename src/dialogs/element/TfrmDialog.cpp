#include "dialogs/element/TfrmDialog.h"

#include "core/OptionsModel.h"
#include "core/ProductTexts.h"
#include "core/Prompter.h"
#include "workbench/HelpLine.h"
#include "dialogs/colour/TEditWebColor.h"
#include "dialogs/element/CommonPanel.h"
#include "dialogs/element/DialogKinds.h"
#include "dialogs/element/DialogTitles.h"
#include "dialogs/element/ElementDialogSettings.h"
#include "dialogs/element/ElementPanels.h"
#include "dialogs/element/HelperPanels.h"
#include "dialogs/element/HtmlVersions.h"
#include "dialogs/element/LinkPanels.h"
#include "dialogs/element/MediaPanelFactory.h"
#include "documents/DocumentList.h"
#include "editor/TLEdit.h"
#include "files/RelativePaths.h"
#include "files/SaveFirst.h"
#include "html/HeadPlacement.h"
#include "resources/ElementEvents.h"
#include "resources/LibraryLists.h"
#include "workbench/CommandRegistry.h"
#include "workbench/Workbench.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

namespace {

// Colour fields can also open the other colour dialog.
bool isColourKey(int helpKey)
{
    return helpKey == 7 || (helpKey >= 9 && helpKey <= 12) || helpKey == 305;
}

} // namespace

TfrmDialog::TfrmDialog(int kind, ElementEdit &edit, const Services &services, QWidget *parent)
    : QDialog(parent)
    , m_kind(kind)
    , m_edit(edit)
    , m_services(services)
    , m_help(new HelpLine(this))
{
    setObjectName(QStringLiteral("frmDialog"));
    setWindowTitle(dialogTitle(kind, edit.EditMode));
    m_services.helpText = [lookUp = services.helpText](int key) {
        const QString text = lookUp(key);
        return isColourKey(key) ? text + QStringLiteral(". Tast SHIFT+F8 for at skifte farvedialogboks.") : text;
    };
    m_panel = makePanel(kind);
    // Shift+F8 switches every colour field between the web and the system colour dialog.
    connect(new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F8), this), &QShortcut::activated, this, [this] {
        for (TEditWebColor *field : findChildren<TEditWebColor *>())
            field->setWebDialog(!field->webDialog());
    });

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_panel);
    if (m_panel->hasCommonPanel()) {
        const QStringList events = ElementEvents(m_panel->elementName(), services.lists.EventGroups, services.lists.EventMap);
        m_common = new CommonPanel(CommonFields::fromEdit(edit, events), m_panel->elementName(), services.workbench.settings(),
                                   kind, *m_help, m_services.helpText, services.textEditor, this);
        m_common->setEnabled(m_panel->commonPanelEnabled());
        connect(m_panel, &ElementPanel::commonPanelEnabledChanged, m_common, &QWidget::setEnabled);
        layout->addWidget(m_common);
    }
    auto *buttons = new QDialogButtonBox(this);
    QPushButton *ok = buttons->addButton(QStringLiteral("&OK"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("btnOK"));
    ok->setDefault(true);
    QPushButton *cancel = buttons->addButton(QStringLiteral("Annuller"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("btnAnnuller"));
    m_help->attach(ok, m_panel->okHelp());
    m_help->attach(cancel, QStringLiteral("Ser bort fra de foretagne valg og lukker dialogboksen."));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &TfrmDialog::reject);
    layout->addWidget(buttons);
    layout->addWidget(m_help);
    if (!m_panel->showsHelpLine())
        m_help->hide();
}

TfrmDialog::~TfrmDialog()
{
    // However the dialog ends, the values it was handed are spent.
    if (m_common)
        ElementDialogSettings::setAdvancedOpen(m_services.workbench.settings(), m_kind, m_common->advancedShown());
    m_edit.clear();
}

ElementPanel *TfrmDialog::makePanel(int kind)
{
    Workbench &workbench = m_services.workbench;
    const PanelServices services{workbench.settings(), *m_help, m_services.helpText, workbench.prompter(),
                                 workbench.options().options().webColourDialog};
    if (HelperPanel *panel = makeHelperPanel(
            kind, m_edit.EditMode, services, [&workbench, this] { return choosePageLinks(workbench, this); }, this))
        return panel;
    if (kind == DialogKind::HorizontalLine)
        return new LinePanel(m_edit.EditMode ? HorizontalLineValues::fromEdit(m_edit)
                                             : HorizontalLineValues::read(workbench.settings()),
                             services, this);
    if (kind == DialogKind::List) {
        ListValues values = m_edit.EditMode ? ListValues::fromEdit(m_edit) : ListValues();
        // An edited list comes selected with its items up to its end tag.
        const QString selected = workbench.activeEditor().GetSelText();
        if (!selected.isEmpty())
            values.takeItems(selected);
        return new ListItemsPanel(values, services, this);
    }
    if (kind == DialogKind::Title) {
        auto *panel = new TitlePanel(m_edit.EditMode
                                         ? m_edit.slot(ElementEdit::ContentSlot)
                                         : workbench.activeEditor()
                                               .firstTextBetween(QStringLiteral("<title>"), QStringLiteral("</title>"))
                                               .value_or(QString())
                                               .trimmed(),
                                     services, this);
        panel->placeInHead = [&workbench](EditableText &text) {
            return PositionInHead(text, QStringLiteral("title"), true, workbench.prompter(), Product::Caption);
        };
        return panel;
    }
    if (kind == DialogKind::Page) {
        PagePanel::Start start;
        start.versions = HtmlVersions::load(workbench.programFolder());
        start.version = ElementDialogSettings::docType(workbench.settings());
        start.encoding = workbench.documents().active().encoding;
        start.values.title = workbench.documents().active().caption;
        if (m_edit.EditMode)
            start.values.bodyValues = BodyValues::fromEdit(m_edit);
        return new PagePanel(
            start, services, m_edit.EditMode,
            [this](const QString &caption, bool picture) { return chooseRelativeFile(caption, picture); }, this);
    }
    if (kind == DialogKind::Frameset)
        return new FramesetFieldsPanel(FramesetValues::fromEdit(m_edit), services, this);
    if (kind == DialogKind::TableCell || kind == DialogKind::TableRow)
        return new TableCellFieldsPanel(m_edit.EditMode ? TableCellValues::fromEdit(m_edit) : TableCellValues(),
                                        kind == DialogKind::TableRow, services, this);
    if (ElementPanel *media = makeMediaPanel(kind, m_edit, workbench, services, this))
        return media;
    if (kind == DialogKind::Link)
        return makeLinkPanel(m_edit, workbench, services, this);
    if (kind == DialogKind::Email)
        return makeEmailPanel(m_edit, workbench, services, this);
    if (kind == DialogKind::NoFrames && m_services.noFramesText)
        return new NoFramesPanel(*m_services.noFramesText, services, this);
    return new AlignmentPanel(m_edit.EditMode ? AlignmentValues::fromEdit(kind, m_edit) : AlignmentValues::forKind(kind),
                              services, this);
}

std::optional<QString> TfrmDialog::chooseRelativeFile(const QString &caption, bool picture)
{
    Workbench &workbench = m_services.workbench;
    DocumentList &documents = workbench.documents();
    // A path relative to the document needs the document's own place first.
    if (!EnsureSavedForRelativePath(
            caption, [&documents] { return !documents.active().path.isEmpty(); },
            [&workbench] { workbench.commands().require(QStringLiteral("actGem")).trigger(); }, workbench.prompter()))
        return std::nullopt;
    const QString document = documents.active().path;
    // The user's own stylesheets lie in the user data folder; the program's
    // folder cannot be written, so it is no place to start.
    const QString ownStylesheets = QDir(workbench.options().options().userDataFolder).filePath(QStringLiteral("typografiark"));
    Prompter::FileDialog dialog;
    dialog.caption = caption;
    dialog.folder = !picture && QFileInfo(ownStylesheets).isDir() ? ownStylesheets : QFileInfo(document).absolutePath();
    if (picture)
        dialog.filters = {{QStringLiteral("Billedfiler"), QStringLiteral("*.gif *.jpg *.jpeg *.png")},
                          {QStringLiteral("Alle filer"), QStringLiteral("*")}};
    else
        dialog.filters = {{QStringLiteral("Typografiark"), QStringLiteral("*.css")},
                          {QStringLiteral("Alle filer"), QStringLiteral("*")}};
    const QString chosen = workbench.prompter().openFile(dialog);
    if (chosen.isEmpty())
        return std::nullopt;
    return RelativePath(document, chosen, true);
}

void TfrmDialog::accept()
{
    if (m_panel->accepts())
        QDialog::accept();
}

void TfrmDialog::apply()
{
    Workbench &workbench = m_services.workbench;
    TLEdit &editor = workbench.activeEditor();
    // A read-only document is not touched, and nothing is kept either.
    if (editor.IsReadOnly())
        return;
    if (m_common)
        m_common->remember();
    PanelContext context{editor, m_common ? m_common->fields() : CommonFields(),
                         workbench.options().options().emptyElementSuffix(), workbench.settings(), m_edit.EditMode};
    editor.beginEdit();
    m_panel->apply(context);
    editor.endEdit();
    // A written title is the tab's caption and the window's.
    if (m_kind == DialogKind::Title || (m_kind == DialogKind::Page && !m_edit.EditMode))
        workbench.documents().announceTitleWritten(workbench.documents().activeIndex());
}

bool OpenElementDialog(int kind, ElementEdit &edit, const TfrmDialog::Services &services)
{
    TfrmDialog dialog(kind, edit, services, &services.workbench.window());
    if (!services.workbench.prompter().runDialog(dialog))
        return false;
    dialog.apply();
    return true;
}
