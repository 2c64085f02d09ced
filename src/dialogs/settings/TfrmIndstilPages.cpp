// The five pages of the settings dialog and their commands.
#include "dialogs/settings/TfrmIndstil.h"

#include "core/ProductTexts.h"
#include "core/Prompter.h"
#include "workbench/HelpLine.h"
#include "dialogs/settings/SyntaxColourBox.h"
#include "editor/DocumentEditorSetup.h"
#include "editor/TLEdit.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDir>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

using S = SettingsOptions;

// A label with an access key for its control; pointing at it shows the control's help.
QLabel *buddyLabel(const QString &caption, QWidget *buddy, HelpLine &help)
{
    auto *label = new QLabel(caption);
    label->setBuddy(buddy);
    const QString text = help.helpFor(buddy);
    if (!text.isEmpty())
        help.attach(label, text);
    return label;
}

} // namespace

QCheckBox *TfrmIndstil::addCheck(const QString &caption, bool SettingsOptions::*member, const QString &help)
{
    auto *box = new QCheckBox(caption);
    m_checks.append({box, member});
    m_help->attach(box, help);
    watch(box);
    return box;
}

QLineEdit *TfrmIndstil::addText(QString SettingsOptions::*member, const QString &help)
{
    auto *field = new QLineEdit;
    m_texts.append({field, member});
    m_help->attach(field, help);
    connect(field, &QLineEdit::textChanged, this, &TfrmIndstil::changed);
    return field;
}

void TfrmIndstil::watch(QAbstractButton *button)
{
    connect(button, &QAbstractButton::toggled, this, &TfrmIndstil::changed);
}

QWidget *TfrmIndstil::folderField(QLineEdit *field, const QString &chooserCaption)
{
    auto *row = new QWidget;
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    auto *choose = new QPushButton(QStringLiteral("Vælg..."));
    layout->addWidget(field, 1);
    layout->addWidget(choose);
    m_help->attach(choose, m_help->helpFor(field));
    connect(choose, &QPushButton::clicked, this, [this, field, chooserCaption] {
        const QString start = QDir(field->text()).exists() && !field->text().isEmpty() ? field->text() : QString();
        const QString folder = m_prompter.chooseFolder(chooserCaption, start);
        if (!folder.isEmpty())
            field->setText(QDir::toNativeSeparators(folder));
    });
    return row;
}

QWidget *TfrmIndstil::buildTextEditorPage()
{
    auto *page = new QWidget;

    m_tabSize = new QSpinBox;
    m_tabSize->setObjectName(QStringLiteral("Tabulator"));
    m_tabSize->setRange(0, TLEdit::MaxTabStopSize);
    m_help->attach(m_tabSize, QStringLiteral("Sætter, hvor mange tegn tabulatoren rykker pr. gang."));
    auto *tabLabel = buddyLabel(QStringLiteral("&Tabulatorstørrelse:"), m_tabSize, *m_help);
    connect(m_tabSize, &QSpinBox::valueChanged, this, &TfrmIndstil::changed);

    QCheckBox *autoIndent = addCheck(QStringLiteral("Autoindryk"), &S::autoIndent,
                                     QStringLiteral("Starter en ny linie med samme indrykning som linien over."));
    QCheckBox *completion = addCheck(QStringLiteral("K&odefærdiggørelse"), &S::codeCompletion,
                                     QStringLiteral("Viser en liste over elementer, attributter og værdier, mens du skriver."));

    m_delay = new QSlider(Qt::Horizontal);
    m_delay->setObjectName(QStringLiteral("Forsinkelse"));
    m_delay->setRange(100, 1500);
    m_delay->setSingleStep(100);
    m_delay->setPageStep(100);
    m_delay->setTickInterval(100);
    m_delay->setTickPosition(QSlider::TicksBelow);
    m_help->attach(m_delay,
                   QStringLiteral("Bestemmer, hvor længe der går, fra kodefærdiggørelseslisten aktiveres og til den vises."));
    auto *delayLabel = buddyLabel(QStringLiteral("&Forsinkelse:"), m_delay, *m_help);
    connect(m_delay, &QSlider::valueChanged, this, &TfrmIndstil::changed);

    QCheckBox *wrap = addCheck(QStringLiteral("T&ekstombrydning"), &S::wordWrap,
                               QStringLiteral("Ombryder lange linier, så de passer i vinduets bredde."));
    auto *font = new QPushButton(QStringLiteral("Skrifttype..."));
    font->setObjectName(QStringLiteral("Skrifttype"));
    m_help->attach(font, QStringLiteral("Vælger skrifttype, størrelse og stil for teksten i dokumenterne."));
    connect(font, &QPushButton::clicked, this, &TfrmIndstil::chooseFont);

    auto *options = new QFormLayout;
    options->addRow(tabLabel, m_tabSize);
    options->addRow(autoIndent);
    options->addRow(completion);
    options->addRow(delayLabel, m_delay);
    options->addRow(wrap);
    options->addRow(font);

    auto *schemeBox = new QGroupBox(QStringLiteral(" Kodefarver "));
    auto *schemeLayout = new QVBoxLayout(schemeBox);
    m_schemes = new QButtonGroup(this);
    const struct
    {
        const char *caption;
        int scheme;
        const char *help;
    } schemes[] = {
        {"&Ingen", SyntaxColours::NoColours, "Viser al kode i almindelige farver."},
        {"Pagewick &1", SyntaxColours::Pagewick1, "Farvelægger koden på grå baggrund."},
        {"Pagewick &2", SyntaxColours::Pagewick2, "Farvelægger koden med hvide elementer på mørkeblå baggrund."},
        {"&Brugerdefineret", SyntaxColours::UserDefined, "Farvelægger koden med dine egne farver."},
    };
    for (const auto &s : schemes) {
        auto *button = new QRadioButton(QString::fromUtf8(s.caption));
        button->setObjectName(QStringLiteral("Kodefarve%1").arg(s.scheme));
        m_schemes->addButton(button, s.scheme);
        m_help->attach(button, QString::fromUtf8(s.help));
        schemeLayout->addWidget(button);
    }
    schemeLayout->addStretch();
    connect(m_schemes, &QButtonGroup::idClicked, this, &TfrmIndstil::chooseScheme);

    m_colours = new SyntaxColourBox(m_prompter, *m_help);
    connect(m_colours, &SyntaxColourBox::changed, this, &TfrmIndstil::changed);

    m_sample = new TLEdit;
    m_sample->setObjectName(QStringLiteral("Eksempel"));
    configureDocumentEditor(*m_sample, {});
    m_sample->SetWantTab(false); // Tab moves on to the next control of the dialog
    m_sample->setMinimumHeight(70);
    m_help->attach(m_sample, QStringLiteral("Viser et eksempel på koden med den valgte skrifttype og de valgte farver."));

    auto *top = new QHBoxLayout;
    top->addLayout(options, 1);
    top->addWidget(schemeBox);
    top->addWidget(m_colours);
    auto *layout = new QVBoxLayout(page);
    layout->addLayout(top);
    layout->addWidget(m_sample, 1);
    return page;
}

QWidget *TfrmIndstil::buildProgramPathsPage()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(addCheck(QStringLiteral("&Gem dokument ved åbning i browser"), &S::saveBeforeBrowsing,
                               QStringLiteral("Gemmer dokumentet, før det vises i en browser.")));

    auto *browserBox = new QGroupBox(QStringLiteral(" Browsere "));
    m_browsers = new QListWidget;
    m_browsers->setObjectName(QStringLiteral("Browsere"));
    m_help->attach(m_browsers, QStringLiteral("De eksterne browsere, som dokumenterne kan vises i."));
    connect(m_browsers, &QListWidget::itemSelectionChanged, this, &TfrmIndstil::updateEnabling);
    connect(m_browsers, &QListWidget::itemDoubleClicked, this, &TfrmIndstil::editBrowser);
    auto *add = new QPushButton(QStringLiteral("&Tilføj"));
    m_editBrowser = new QPushButton(QStringLiteral("&Rediger"));
    m_deleteBrowser = new QPushButton(QStringLiteral("&Slet"));
    for (QPushButton *b : {add, m_editBrowser, m_deleteBrowser})
        b->setObjectName(b->text().remove(QLatin1Char('&')));
    m_help->attach(add, QStringLiteral("Tilføjer en ekstern browser til listen."));
    m_help->attach(m_editBrowser, QStringLiteral("Ændrer navn og sti for den valgte browser."));
    m_help->attach(m_deleteBrowser, QStringLiteral("Fjerner den valgte browser fra listen."));
    connect(add, &QPushButton::clicked, this, &TfrmIndstil::addBrowser);
    connect(m_editBrowser, &QPushButton::clicked, this, &TfrmIndstil::editBrowser);
    connect(m_deleteBrowser, &QPushButton::clicked, this, &TfrmIndstil::deleteBrowser);
    m_browserMenu = addCheck(QStringLiteral("Vis &menu"), &S::browserMenu,
                             QStringLiteral("Viser en menu med browserne, når et dokument skal vises i en ekstern browser."));
    m_browserMenu->setObjectName(QStringLiteral("VisMenu"));
    auto *browserButtons = new QVBoxLayout;
    for (QWidget *w : std::initializer_list<QWidget *>{add, m_editBrowser, m_deleteBrowser, m_browserMenu})
        browserButtons->addWidget(w);
    browserButtons->addStretch();
    auto *browserLayout = new QHBoxLayout(browserBox);
    browserLayout->addWidget(m_browsers, 1);
    browserLayout->addLayout(browserButtons);
    layout->addWidget(browserBox);

    layout->addWidget(addCheck(QStringLiteral("Benyt &Internet Explorer som intern browser"), &S::internalExplorer,
                               QStringLiteral("Viser dokumenterne i den indbyggede browser.")));
    layout->addWidget(addCheck(QStringLiteral("&Benyt lokal server"), &S::useLocalServer,
                               QStringLiteral("Viser dokumenterne gennem en webserver på din egen maskine.")));
    auto *server = new QFormLayout;
    QLineEdit *address = addText(&S::localServer, QStringLiteral("Adressen på webserveren på din egen maskine."));
    server->addRow(buddyLabel(QStringLiteral("Ser&veradresse:"), address, *m_help), address);
    QLineEdit *root = addText(&S::serverFolder, QStringLiteral("Den mappe, den lokale server viser sider fra."));
    server->addRow(buddyLabel(QStringLiteral("Ro&dmappe:"), root, *m_help),
                   folderField(root, QStringLiteral("Vælg den lokale servers rodmappe:")));
    layout->addLayout(server);

    auto *helpBox = new QGroupBox(QStringLiteral(" Hjælpefiler "));
    auto *helpGrid = new QGridLayout(helpBox);
    QString SettingsOptions::*const files[] = {&S::helpFile1, &S::helpFile2, &S::helpFile3};
    QString SettingsOptions::*const names[] = {&S::helpName1, &S::helpName2, &S::helpName3};
    for (int i = 0; i < 3; ++i) {
        m_helpFiles[i] = addText(files[i], QStringLiteral("Hjælpefil nummer %1 i menuen Hjælp.").arg(i + 1));
        m_helpFiles[i]->setObjectName(QStringLiteral("Hjaelpefil%1").arg(i + 1));
        auto *choose = new QPushButton(QStringLiteral("Vælg..."));
        m_help->attach(choose, QStringLiteral("Finder hjælpefil nummer %1.").arg(i + 1));
        connect(choose, &QPushButton::clicked, this, [this, i] { chooseHelpFile(i); });
        QLineEdit *name = addText(names[i], QStringLiteral("Navnet på hjælpefil nummer %1 i menuen Hjælp.").arg(i + 1));
        helpGrid->addWidget(buddyLabel(QStringLiteral("Hjælpefil &%1:").arg(i + 1), m_helpFiles[i], *m_help), i, 0);
        helpGrid->addWidget(m_helpFiles[i], i, 1);
        helpGrid->addWidget(choose, i, 2);
        helpGrid->addWidget(buddyLabel(QStringLiteral("Navn:"), name, *m_help), i, 3);
        helpGrid->addWidget(name, i, 4);
    }
    helpGrid->setColumnStretch(1, 2);
    helpGrid->setColumnStretch(4, 1);
    layout->addWidget(helpBox);
    layout->addStretch();
    return page;
}

QWidget *TfrmIndstil::buildDefaultsPage()
{
    auto *page = new QWidget;
    auto *form = new QFormLayout(page);
    QLineEdit *email = addText(&S::email, QStringLiteral("Den adresse, e-mail-henvisninger får, når du ikke angiver en anden."));
    form->addRow(buddyLabel(QStringLiteral("&E-mail-adresse:"), email, *m_help), email);
    QLineEdit *description = addText(&S::description,
                                     QStringLiteral("Den tekst, e-mail-henvisninger viser, når intet er markeret."));
    form->addRow(buddyLabel(QStringLiteral("Be&skrivelse:"), description, *m_help), description);
    QLineEdit *openFolder = addText(&S::openFolder, QStringLiteral("Den mappe, Åbn-dialogen starter i."));
    form->addRow(buddyLabel(QStringLiteral("Å&bn-dialogen starter i:"), openFolder, *m_help),
                 folderField(openFolder, QStringLiteral("Vælg den mappe, du ønsker, Åbn-dialogen skal starte i:")));
    QLineEdit *userData = addText(&S::userDataFolder,
                                  QStringLiteral("Den mappe, projekter, foretrukne og andre af dine egne filer gemmes i."));
    userData->setObjectName(QStringLiteral("BrugerdataMappe"));
    form->addRow(buddyLabel(QStringLiteral("Br&ugerdatamappe:"), userData, *m_help),
                 folderField(userData, QStringLiteral("Vælg den mappe, du ønsker, brugerdata skal placeres i:")));
    QLineEdit *html = addText(&S::htmlFilter, QStringLiteral("Filnavnemønstre for HTML-dokumenter, adskilt af semikolon."));
    form->addRow(buddyLabel(QStringLiteral("HT&ML-filer:"), html, *m_help), html);
    QLineEdit *script = addText(&S::scriptFilter, QStringLiteral("Filnavnemønstre for skriptfiler, adskilt af semikolon."));
    form->addRow(buddyLabel(QStringLiteral("S&kriptfiler:"), script, *m_help), script);
    return page;
}

QWidget *TfrmIndstil::buildInterfacePage()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    const struct
    {
        const char *caption;
        bool SettingsOptions::*member;
        const char *help;
    } checks[] = {
        {"&Placér genvej på Skrivebord", &S::desktopShortcut, "Lægger en genvej til Pagewick på skrivebordet."},
        {"Pla&cér i Stifinders \"Overfør til\"-menu", &S::sendToShortcut,
         "Gør Pagewick til et af de programmer, filhåndteringen kan åbne filer med."},
        {"&Billeder i filhåndteringen", &S::imagesInFileList, "Viser et eksempel på det valgte billede i fillisten."},
        {"&Skabelon-dialogboks ved klik på \"Nyt dokument\"-knap", &S::templateDialog,
         "Lader dig vælge en skabelon, når du opretter et nyt dokument med knappen."},
        {"&Filnavn i stedet for titel på faneblade", &S::fileNameOnTabs,
         "Viser dokumenternes filnavne i stedet for deres titler på fanebladene."},
        {"&Lineal i intern browser", &S::browserRuler, "Viser en lineal over den interne browser."},
        {"Be&nyt arkivflag ved projektopdatering til Internet", &S::useArchiveFlag,
         "Sender kun de filer, der er ændret siden sidste overførsel, når et projekt opdateres."},
    };
    for (const auto &c : checks)
        layout->addWidget(addCheck(QString::fromUtf8(c.caption), c.member, QString::fromUtf8(c.help)));
    layout->addStretch();
    return page;
}

QWidget *TfrmIndstil::buildHtmlPage()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);

    m_autoDate = addCheck(QStringLiteral("&Opdateringsdato, format:"), &S::autoDate,
                          QStringLiteral("Skriver datoen for seneste ændring i dokumentet, når det gemmes."));
    m_autoDate->setObjectName(QStringLiteral("Autodato"));
    QLineEdit *format = addText(&S::dateFormat,
                                QStringLiteral("Formatet for opdateringsdatoen: en tekst i anførselstegn "
                                               "og datoen skrevet med d, m og yyyy."));
    auto *dateRow = new QHBoxLayout;
    dateRow->addWidget(m_autoDate);
    dateRow->addWidget(format, 1);
    layout->addLayout(dateRow);
    m_existingDateOnly = addCheck(QStringLiteral("Op&dater kun eksisterende dato"), &S::existingDateOnly,
                                  QStringLiteral("Opdaterer kun en dato, der allerede står i dokumentet."));
    m_existingDateOnly->setObjectName(QStringLiteral("EksistDato"));
    layout->addWidget(m_existingDateOnly);
    m_generator = addCheck(QStringLiteral("Generator-&META-element "), &S::generator, QString());
    layout->addWidget(m_generator);

    const struct
    {
        const char *caption;
        bool SettingsOptions::*member;
        const char *help;
    } checks[] = {
        {"&Konverter automatisk æ, ø og å", &S::danishLetterCodes,
         "Skriver æ, ø og å som tegnreferencer, når dokumentet gemmes, og som bogstaver, når det åbnes."},
        {"&Brug Webfarvedialogboks ", &S::webColourDialog, "Vælger farver blandt de sikre webfarver."},
        {"Br&ug Webfontliste", &S::webFonts, "Vælger skrifttyper blandt de almindelige webskrifttyper."},
        {"&Anvend \"sikre\" koder til tekstjustering", &S::safeAlignment,
         "Justerer tekst med koder, som også ældre browsere forstår."},
        {"Anvend &XHTML-standard", &S::xhtml, "Skriver koden efter XHTML-standarden."},
        {"&Gem HTML-dokumenter som '.html'-filer", &S::htmlExtension,
         "Giver nye HTML-dokumenter endelsen '.html' i stedet for '.htm'."},
        {"B&evar ukendt indhold i HTML-kode ved højrekliksredigering", &S::keepUnknownAttributes,
         "Beholder attributter, som dialogboksene ikke kender, når et element redigeres."},
    };
    for (const auto &c : checks)
        layout->addWidget(addCheck(QString::fromUtf8(c.caption), c.member, QString::fromUtf8(c.help)));

    auto *check = new QHBoxLayout;
    QLineEdit *exclusions = addText(&S::checkExclusions,
                                    QStringLiteral("Elementer, som HTML-tjekket ikke tæller, adskilt af komma."));
    exclusions->setObjectName(QStringLiteral("Kodetjek"));
    check->addWidget(buddyLabel(QStringLiteral("&Tjek ikke for disse elementers slutkoder ved kodetjek:"), exclusions, *m_help));
    check->addWidget(exclusions, 1);
    layout->addLayout(check);
    layout->addStretch();
    return page;
}

void TfrmIndstil::chooseFont()
{
    QFont font = editorFont(m_font);
    if (!m_prompter.chooseFont(font))
        return;
    setEditorFont(m_font, font);
    changed();
}

void TfrmIndstil::chooseScheme(int scheme)
{
    if (m_colours->isEnabled())
        m_userColours = m_colours->colours();
    SettingsOptions shown;
    shown.colourScheme = scheme;
    m_colours->setColours(scheme == SyntaxColours::UserDefined ? m_userColours : shown.colours(), m_colours->sameBackground());
    changed();
}

void TfrmIndstil::addBrowser()
{
    if (m_browsers->count() >= SettingsOptions::MaxBrowsers) {
        m_prompter.message({Product::Caption,
                            QStringLiteral("Du kan kun tilknytte %1 eksterne browsere.").arg(SettingsOptions::MaxBrowsers),
                            Prompter::Icon::Warning, Prompter::Ok});
        return;
    }
    if (!m_browserEditor)
        return;
    const std::optional<BrowserEntry> entry = m_browserEditor({});
    if (!entry)
        return;
    auto *item = new QListWidgetItem(entry->name, m_browsers);
    item->setData(Qt::UserRole, entry->path);
    m_browsers->setCurrentItem(item);
    changed();
}

void TfrmIndstil::editBrowser()
{
    QListWidgetItem *item = m_browsers->currentItem();
    if (!item || !m_browserEditor)
        return;
    const std::optional<BrowserEntry> entry = m_browserEditor({item->text(), item->data(Qt::UserRole).toString()});
    if (!entry)
        return;
    item->setText(entry->name);
    item->setData(Qt::UserRole, entry->path);
    changed();
}

void TfrmIndstil::deleteBrowser()
{
    delete m_browsers->currentItem();
    changed();
}

void TfrmIndstil::chooseHelpFile(int index)
{
    Prompter::FileDialog dialog;
    dialog.caption = QStringLiteral("Find hjælpefil");
    dialog.filters = {{QStringLiteral("Hjælpefiler"), QStringLiteral("*.htm;*.html;*.pdf;*.chm;*.hlp")},
                      {QStringLiteral("Alle filer"), QStringLiteral("*")}};
    const QString path = m_prompter.openFile(dialog);
    if (!path.isEmpty())
        m_helpFiles.at(index)->setText(path);
}
