#include "dialogs/element/LinkPanels.h"

#include "core/OptionsModel.h"
#include "core/Prompter.h"
#include "workbench/HelpLine.h"
#include "dialogs/element/ElementDialogSettings.h"
#include "dialogs/element/PanelControls.h"
#include "documents/DocumentList.h"
#include "editor/TLEdit.h"
#include "files/RelativePaths.h"
#include "files/SaveFirst.h"
#include "html/MarkupWriting.h"
#include "resources/DialogHelpKeys.h"
#include "workbench/CommandRegistry.h"
#include "workbench/Workbench.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

// A label for the field, attached to the same help text.
QLabel *helpedLabelFor(const QString &caption, QWidget *field, HelpLine &help, const QString &helpText)
{
    QLabel *label = labelFor(caption, field);
    help.attach(field, helpText, label);
    return label;
}

Prompter::FileDialog htmlFileDialog(const QString &htmlFilter, const QString &folder)
{
    Prompter::FileDialog dialog;
    dialog.caption = QStringLiteral("HTML-dokumenter");
    dialog.folder = folder;
    dialog.filters = {{QStringLiteral("HTML-dokumenter"), htmlFilter}, {QStringLiteral("Alle filer"), QStringLiteral("*")}};
    return dialog;
}

// An HTML file for the link, as a path relative to the document (which is
// offered to be saved first when it has no name).
std::optional<QString> chooseLinkedFile(Workbench &workbench)
{
    DocumentList &documents = workbench.documents();
    if (!EnsureSavedForRelativePath(
            QStringLiteral("Henvisning"), [&documents] { return !documents.active().path.isEmpty(); },
            [&workbench] { workbench.commands().require(QStringLiteral("actGem")).trigger(); }, workbench.prompter()))
        return std::nullopt;
    const QString document = documents.active().path;
    const QString chosen = workbench.prompter().openFile(
        htmlFileDialog(workbench.options().options().htmlFilter, QFileInfo(document).absolutePath()));
    if (chosen.isEmpty())
        return std::nullopt;
    return RelativePath(document, chosen, true);
}

QStringList frameNamesOfOpenDocuments(DocumentList &documents)
{
    QStringList names;
    for (int index = 0; index < documents.count(); ++index)
        names += frameNames(*documents.at(index).text);
    return names;
}

} // namespace

LinkPanel::LinkPanel(const Start &start, PanelServices services, FileChooser chooseFile, ShortcutChooser chooseShortcuts,
                     ReferenceChooser choosePageLinks, ReferenceChooser chooseTargets, QWidget *parent)
    : ElementPanel(parent)
    , m_chooseFile(std::move(chooseFile))
    , m_chooseShortcuts(std::move(chooseShortcuts))
    , m_choosePageLinks(std::move(choosePageLinks))
    , m_chooseTargets(std::move(chooseTargets))
    , m_address(textField("edAdresse", this, start.values.address))
    , m_target(new QComboBox(this))
    , m_name(textField("edNavn", this, start.values.name))
    , m_description(textField("edBeskrivelse", this, start.values.description))
{
    setObjectName(QStringLiteral("panHenvisning"));
    m_target->setObjectName(QStringLiteral("cbDestinationsramme"));
    m_target->setEditable(true);
    m_target->addItems(start.targets);
    m_target->setCurrentIndex(-1);
    m_target->setEditText(start.values.target);

    auto *choose = namedButton(QStringLiteral("Vælg..."), "btnVaelg", this);
    connect(choose, &QPushButton::clicked, this, &LinkPanel::takeFile);
    auto *explorer = namedButton(QStringLiteral(" &Explorer..."), "btnExplorer", this);
    connect(explorer, &QPushButton::clicked, this, &LinkPanel::takeShortcuts);
    // There is no Netscape bookmark file to read here.
    auto *netscape = namedButton(QStringLiteral("Nets&cape..."), "btnNetscape", this);
    netscape->setEnabled(false);
    auto *pages = namedButton(QStringLiteral("&Websider..."), "btnWebsider", this);
    connect(pages, &QPushButton::clicked, this, [this] { takeReferences(m_choosePageLinks(), false); });
    auto *targets = namedButton(QStringLiteral("M&ål..."), "btnMaal", this);
    connect(targets, &QPushButton::clicked, this, [this] { takeReferences(m_chooseTargets(), true); });

    using namespace DialogHelpKeys::ElementDialog;
    HelpLine &help = services.help;
    auto *form = new QFormLayout(this);
    auto *addressRow = new QHBoxLayout;
    addressRow->addWidget(m_address, 1);
    addressRow->addWidget(choose);
    form->addRow(helpedLabelFor(QStringLiteral("&Adresse:"), m_address, help, services.helpText(LinkAddress)), addressRow);
    auto *sources = new QHBoxLayout;
    for (QPushButton *source : {explorer, netscape, pages, targets})
        sources->addWidget(source);
    form->addRow(sources);
    form->addRow(helpedLabelFor(QStringLiteral("&Destinationsramme:"), m_target, help, services.helpText(LinkTarget)), m_target);
    form->addRow(helpedLabelFor(QStringLiteral("Na&vn:"), m_name, help, services.helpText(LinkName)), m_name);
    form->addRow(helpedLabelFor(QStringLiteral("&Beskrivelse:"), m_description, help, services.helpText(LinkText)),
                 m_description);
    help.attach(choose, QStringLiteral("Klik for at vælge en fil."));
    help.attach(explorer,
                QStringLiteral("Henter adresser fra Internet Stifinder-genveje (.URL-filer). Vælg flere for at "
                               "indsætte en henvisning til hver af dem."));
}

void LinkPanel::takeFile()
{
    const std::optional<QString> path = m_chooseFile();
    if (!path)
        return;
    m_address->setText(*path);
    if (m_description->text().isEmpty())
        m_description->setText(QFileInfo(*path).fileName());
}

void LinkPanel::takeShortcuts()
{
    const QList<InternetShortcut> shortcuts = readInternetShortcuts(m_chooseShortcuts());
    if (shortcuts.isEmpty())
        return;
    m_shortcuts = shortcuts;
    m_address->setText(shortcuts.first().address);
    if (m_description->text().isEmpty())
        m_description->setText(shortcuts.first().name);
}

void LinkPanel::takeReferences(const QList<LinkItem> &rows, bool targets)
{
    if (rows.isEmpty())
        return;
    m_shortcuts.clear();
    for (const LinkItem &row : rows)
        m_shortcuts.append({row.target, row.description});
    const QString first = rows.first().target;
    m_address->setText(targets ? QLatin1Char('#') + QStringView(first).mid(first.startsWith(u'#') ? 1 : 0) : first);
    if (m_description->text().isEmpty())
        m_description->setText(rows.first().description);
}

LinkValues LinkPanel::values() const
{
    LinkValues values;
    values.address = m_address->text().trimmed();
    values.target = m_target->currentText().trimmed();
    values.name = m_name->text().trimmed();
    values.description = m_description->text();
    return values;
}

void LinkPanel::apply(PanelContext &context)
{
    const LinkValues link = values();
    if (!link.target.isEmpty())
        ElementDialogSettings::setLastTarget(context.settings, link.target);
    InsertAtCaret(context.text, buildLink(link, context.common, m_shortcuts.mid(1), context.emptyElementSuffix));
    m_shortcuts.clear();
}

// ---------------------------------------------------------------------------

EmailPanel::EmailPanel(const EmailLink &start, PanelServices services, QWidget *parent)
    : ElementPanel(parent)
    , m_otherFields(start.otherFields)
    , m_address(textField("edEmail", this, start.address))
    , m_description(textField("edBeskrivelse", this, start.description))
    , m_subject(textField("edEmne", this, start.subject))
    , m_body(textField("edTekst", this, start.body))
{
    setObjectName(QStringLiteral("panEmail"));
    using namespace DialogHelpKeys::ElementDialog;
    HelpLine &help = services.help;
    auto *form = new QFormLayout(this);
    form->addRow(helpedLabelFor(QStringLiteral("&E-mail-adresse:"), m_address, help, services.helpText(LinkAddress)), m_address);
    form->addRow(helpedLabelFor(QStringLiteral("&Beskrivelse:"), m_description, help, services.helpText(LinkText)),
                 m_description);
    form->addRow(helpedLabelFor(QStringLiteral("&Titel på e-mail:"), m_subject, help,
                                QStringLiteral("Emnet, som den nye e-mail får, når der klikkes på henvisningen.")),
                 m_subject);
    form->addRow(helpedLabelFor(QStringLiteral("Te&kst i e-mail:"), m_body, help,
                                QStringLiteral("Teksten, som den nye e-mail begynder med.")),
                 m_body);
}

EmailLink EmailPanel::values() const
{
    EmailLink link;
    link.address = m_address->text().trimmed();
    link.description = m_description->text();
    link.subject = m_subject->text();
    link.body = m_body->text();
    link.otherFields = m_otherFields;
    return link;
}

void EmailPanel::apply(PanelContext &context)
{
    InsertAtCaret(context.text, buildEmailLink(values(), context.common));
}

// ---------------------------------------------------------------------------

ElementPanel *makeLinkPanel(const ElementEdit &edit, Workbench &workbench, const PanelServices &services, QWidget *parent)
{
    LinkPanel::Start start;
    if (edit.EditMode)
        start.values = LinkValues::fromEdit(edit);
    else
        start.values.description = workbench.activeEditor().GetSelText();
    start.targets = linkTargetItems(ElementDialogSettings::lastTarget(workbench.settings()),
                                    frameNamesOfOpenDocuments(workbench.documents()));
    // Browsers keep no favourites folder of their own here: the user's home folder is where to look.
    return new LinkPanel(
        start, services, [&workbench] { return chooseLinkedFile(workbench); },
        [&workbench] { return workbench.prompter().openFiles(internetShortcutDialog(QDir::homePath())); },
        [&workbench, parent] { return choosePageLinks(workbench, parent); },
        [&workbench, parent] { return chooseInternalTargets(workbench, parent); }, parent);
}

ElementPanel *makeEmailPanel(const ElementEdit &edit, Workbench &workbench, const PanelServices &services, QWidget *parent)
{
    if (edit.EditMode)
        return new EmailPanel(EmailLink::fromEdit(edit), services, parent);
    const SettingsOptions &options = workbench.options().options();
    EmailLink start;
    start.address = options.email;
    start.description = workbench.activeEditor().GetSelText();
    if (start.description.isEmpty())
        start.description = options.description;
    return new EmailPanel(start, services, parent);
}
