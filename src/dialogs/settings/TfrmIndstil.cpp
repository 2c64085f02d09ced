#include "dialogs/settings/TfrmIndstil.h"

#include "core/ProductTexts.h"
#include "core/Prompter.h"
#include "workbench/HelpLine.h"
#include "dialogs/settings/SyntaxColourBox.h"
#include "editor/DocumentEditorSetup.h"
#include "editor/TLEdit.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFont>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>
#include <QSlider>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

const QString SampleText = QStringLiteral("<FONT SIZE=\"5\" FACE=\"Verdana,Arial\">Noget almindelig tekst</FONT>\r\n"
                                          "<!-- \"En kommentar\"--><% Next %><?php echo(\"php\\n\"); ?>");

// The context of this dialog in the program's help.
constexpr int HelpContext = 80;

} // namespace

TfrmIndstil::TfrmIndstil(OptionsModel &options, Prompter &prompter, QWidget *parent, const Shortcuts::Places &shortcuts)
    : QDialog(parent)
    , m_model(options)
    , m_prompter(prompter)
    , m_shortcuts(shortcuts)
{
    setWindowTitle(QStringLiteral("Indstillinger"));

    m_help = new HelpLine(this);
    m_pages = new QTabWidget(this);
    m_pages->addTab(buildTextEditorPage(), QStringLiteral("Tekstbehandler"));
    m_pages->addTab(buildProgramPathsPage(), QStringLiteral("Programstier"));
    m_pages->addTab(buildDefaultsPage(), QStringLiteral("Standardoplysninger"));
    m_pages->addTab(buildInterfacePage(), QStringLiteral("Brugerflade"));
    m_pages->addTab(buildHtmlPage(), QStringLiteral("HTML-faciliteter"));

    auto *buttons = new QDialogButtonBox(this);
    QPushButton *ok = buttons->addButton(QStringLiteral("&OK"), QDialogButtonBox::AcceptRole);
    ok->setDefault(true);
    QPushButton *cancel = buttons->addButton(QStringLiteral("Annuller"), QDialogButtonBox::RejectRole);
    m_applyButton = buttons->addButton(QStringLiteral("&Anvend"), QDialogButtonBox::ApplyRole);
    QPushButton *help = buttons->addButton(QStringLiteral("&Hjælp"), QDialogButtonBox::HelpRole);
    for (QPushButton *b : {ok, cancel, m_applyButton, help})
        b->setObjectName(b->text().remove(QLatin1Char('&')));
    m_help->attach(ok, QStringLiteral("Gemmer og anvender indstillingerne og lukker dialogboksen."));
    m_help->attach(cancel, QStringLiteral("Lukker dialogboksen og fortryder ændringer, der ikke er gemt."));
    m_help->attach(m_applyButton, QStringLiteral("Anvender indstillingerne uden at gemme dem."));
    m_help->attach(help, QStringLiteral("Viser hjælpen til indstillingerne."));
    connect(buttons, &QDialogButtonBox::accepted, this, &TfrmIndstil::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &TfrmIndstil::reject);
    connect(m_applyButton, &QPushButton::clicked, this, &TfrmIndstil::apply);
    connect(help, &QPushButton::clicked, this, [this] { Q_EMIT helpRequested(HelpContext); });
    connect(new QShortcut(QKeySequence(Qt::Key_F1), this), &QShortcut::activated, this,
            [this] { Q_EMIT helpRequested(HelpContext); });

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_pages);
    layout->addWidget(buttons);
    layout->addWidget(m_help);

    // What the controls cannot show (a value out of range) is applied as they show it.
    showOptions(m_model.options());
    apply();
    m_pages->setCurrentIndex(TextEditorPage);
}

TfrmIndstil::~TfrmIndstil() = default;

void TfrmIndstil::setElementNames(const QSet<QString> &names)
{
    m_elementNames = names;
    refreshSample();
}

void TfrmIndstil::showPage(Page page)
{
    m_pages->setCurrentIndex(page);
}

void TfrmIndstil::showHelpFileField(int index)
{
    m_pages->setCurrentIndex(ProgramPathsPage);
    m_helpFiles.at(index)->setFocus();
}

void TfrmIndstil::showEvent(QShowEvent *event)
{
    m_sample->SetText(SampleText);
    m_sample->ClearModified();
    m_applyButton->setEnabled(false);
    m_help->reset();
    QDialog::showEvent(event);
}

void TfrmIndstil::accept()
{
    SettingsOptions shown = shownOptions();
    const bool checkListChanged = m_model.save(shown, m_prompter);
    showOptions(shown); // the user data folder may have been replaced
    apply();
    if (checkListChanged)
        Q_EMIT checkExclusionsChanged();
    QDialog::accept();
}

void TfrmIndstil::reject()
{
    showOptions(m_model.stored());
    apply();
    QDialog::reject();
}

void TfrmIndstil::apply()
{
    m_model.apply(shownOptions());
    const SettingsOptions &options = m_model.options();
    refreshSample();
    if (!Shortcuts::update(m_shortcuts, options.desktopShortcut, options.sendToShortcut)) {
        m_prompter.message({Product::Caption,
                            QStringLiteral("%1 kunne ikke oprette eller fjerne sine genveje.").arg(Product::Name),
                            Prompter::Icon::Warning, Prompter::Ok});
    }
    m_applyButton->setEnabled(false);
    Q_EMIT applied();
}

void TfrmIndstil::showOptions(const SettingsOptions &options)
{
    m_showing = true;
    m_tabSize->setValue(options.tabSize);
    m_delay->setValue(options.completionDelay);
    m_font = options;
    if (QAbstractButton *scheme = m_schemes->button(options.colourScheme))
        scheme->setChecked(true);
    m_colours->setColours(options.colourScheme == SyntaxColours::UserDefined ? options.userColours : options.colours(),
                          options.sameBackground);
    m_browsers->clear();
    for (const BrowserEntry &browser : options.browsers) {
        auto *item = new QListWidgetItem(browser.name, m_browsers);
        item->setData(Qt::UserRole, browser.path);
    }
    for (const auto &[box, member] : std::as_const(m_checks))
        box->setChecked(options.*member);
    for (const auto &[field, member] : std::as_const(m_texts))
        field->setText(options.*member);
    m_userColours = options.userColours;
    m_showing = false;
    updateEnabling();
    refreshSample();
}

SettingsOptions TfrmIndstil::shownOptions() const
{
    SettingsOptions o;
    static_cast<EditorOptions &>(o) = m_font;
    o.tabSize = m_tabSize->value();
    o.completionDelay = m_delay->value();
    o.colourScheme = m_schemes->checkedId();
    o.userColours = o.colourScheme == SyntaxColours::UserDefined ? m_colours->colours() : m_userColours;
    o.sameBackground = m_colours->sameBackground();
    for (int i = 0; i < m_browsers->count(); ++i)
        o.browsers.append({m_browsers->item(i)->text(), m_browsers->item(i)->data(Qt::UserRole).toString()});
    for (const auto &[box, member] : m_checks)
        o.*member = box->isChecked();
    for (const auto &[field, member] : m_texts)
        o.*member = field->text();
    return o;
}

void TfrmIndstil::changed()
{
    if (m_showing)
        return;
    m_applyButton->setEnabled(true);
    updateEnabling();
    refreshSample();
}

void TfrmIndstil::updateEnabling()
{
    m_existingDateOnly->setEnabled(m_autoDate->isChecked());
    m_browserMenu->setEnabled(m_browsers->count() > 1);
    m_colours->setEnabled(m_schemes->checkedId() == SyntaxColours::UserDefined);
    const bool chosen = m_browsers->currentItem() && m_browsers->currentItem()->isSelected();
    m_editBrowser->setEnabled(chosen);
    m_deleteBrowser->setEnabled(chosen);
    m_help->attach(m_generator, QStringLiteral("Indsætter META-elementet %1").arg(shownOptions().generatorElement()));
}

void TfrmIndstil::refreshSample()
{
    const SettingsOptions shown = shownOptions();
    DocumentEditorLook look;
    look.options = shown;
    look.colours = shown.colours();
    look.elementNames = m_elementNames;
    applyLook(*m_sample, look);
    m_sample->refreshHighlight();
}
