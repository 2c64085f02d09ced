#include "dialogs/element/HelperPanels.h"

#include "core/ProductTexts.h"
#include "core/Prompter.h"
#include "workbench/HelpLine.h"
#include "dialogs/element/DialogKinds.h"
#include "dialogs/element/PanelControls.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QStandardPaths>

namespace {

} // namespace

// ---------------------------------------------------------------------------

UserCodePanel::UserCodePanel(bool editMode, const PanelServices &services, QWidget *parent)
    : HelperPanel(parent)
    , m_editMode(editMode)
    , m_description(textField("edBeskrivelse", this))
    , m_startCode(textField("edStartkode", this))
    , m_endCode(textField("edSlutkode", this))
{
    setObjectName(QStringLiteral("panBrugerKode"));
    auto *form = new QFormLayout(this);
    form->addRow(labelFor(QStringLiteral("&Beskrivelse:"), m_description), m_description);
    form->addRow(labelFor(QStringLiteral("&Startkode:"), m_startCode), m_startCode);
    form->addRow(labelFor(QStringLiteral("Sl&utkode:"), m_endCode), m_endCode);
    services.help.attach(m_description, QStringLiteral("Brugerkodens navn i listen og i menuen."));
    services.help.attach(m_startCode, QStringLiteral("Koden, der indsættes før markeringen."));
    services.help.attach(m_endCode, QStringLiteral("Koden, der indsættes efter markeringen."));
}

QString UserCodePanel::okHelp() const
{
    return m_editMode ? QStringLiteral("Retter brugerkoden.") : QStringLiteral("Tilføjer brugerkoden.");
}

void UserCodePanel::setCode(const UserCode &code)
{
    m_description->setText(code.description);
    m_startCode->setText(code.startCode);
    m_endCode->setText(code.endCode);
}

UserCode UserCodePanel::code() const
{
    return {m_description->text(), m_startCode->text(), m_endCode->text()};
}

// ---------------------------------------------------------------------------

BrowserEntryPanel::BrowserEntryPanel(const PanelServices &services, QWidget *parent)
    : HelperPanel(parent)
    , m_prompter(services.prompter)
    , m_name(textField("edNavn", this))
    , m_path(textField("edSti", this))
{
    setObjectName(QStringLiteral("panBrowser"));
    QPushButton *choose = namedButton(QStringLiteral("Vælg..."), "btnVaelg", this);
    QPushButton *explorer = namedButton(QStringLiteral("&Explorer"), "btnExplorer", this);
    QPushButton *netscape = namedButton(QStringLiteral("Nets&cape"), "btnNetscape", this);
    connect(choose, &QPushButton::clicked, this, &BrowserEntryPanel::choosePath);
    connect(explorer, &QPushButton::clicked, this,
            [this] { findBrowser(QStringLiteral("Internet Explorer"), QStringLiteral("iexplore")); });
    connect(netscape, &QPushButton::clicked, this,
            [this] { findBrowser(QStringLiteral("Netscape"), QStringLiteral("netscape")); });

    auto *grid = new QGridLayout(this);
    grid->addWidget(labelFor(QStringLiteral("&Navn:"), m_name), 0, 0);
    grid->addWidget(m_name, 0, 1, 1, 2);
    grid->addWidget(labelFor(QStringLiteral("&Sti og filnavn:"), m_path), 1, 0);
    grid->addWidget(m_path, 1, 1);
    grid->addWidget(choose, 1, 2);
    auto *known = new QHBoxLayout;
    known->addWidget(explorer);
    known->addWidget(netscape);
    known->addStretch();
    grid->addLayout(known, 2, 1, 1, 2);

    services.help.attach(m_name, QStringLiteral("Det navn, browseren vises med i listen og i menuen."));
    services.help.attach(m_path, QStringLiteral("Browserprogrammets sti og filnavn."));
    services.help.attach(choose, QStringLiteral("Klik for at vælge en fil."));
    services.help.attach(explorer, QStringLiteral("Finder Internet Explorer i programmernes søgesti."));
    services.help.attach(netscape, QStringLiteral("Finder Netscape i programmernes søgesti."));
}

bool BrowserEntryPanel::accepts()
{
    const BrowserEntry chosen = entry();
    if (!chosen.name.isEmpty() && !chosen.path.isEmpty())
        return true;
    m_prompter.message({Product::Caption, QStringLiteral("Du skal angive både stien til browseren og et navn."),
                        Prompter::Icon::Warning, Prompter::Ok});
    return false;
}

void BrowserEntryPanel::setEntry(const BrowserEntry &entry)
{
    m_name->setText(entry.name);
    m_path->setText(entry.path);
}

BrowserEntry BrowserEntryPanel::entry() const
{
    return {m_name->text().trimmed(), m_path->text().trimmed()};
}

void BrowserEntryPanel::choosePath()
{
    // Programs have no common file name ending here, so every file is offered.
    Prompter::FileDialog dialog;
    dialog.caption = QStringLiteral("Find Web-browser");
    if (!m_path->text().isEmpty())
        dialog.folder = QFileInfo(m_path->text()).absolutePath();
    dialog.filters = {{QStringLiteral("Programfiler"), QStringLiteral("*")}};
    const QString path = m_prompter.openFile(dialog);
    if (!path.isEmpty())
        m_path->setText(path);
}

void BrowserEntryPanel::findBrowser(const QString &name, const QString &program)
{
    m_name->setText(name);
    // Installed programs are found through the search path; another
    // browser's program must not stay beside this name.
    const QString found = QStandardPaths::findExecutable(program);
    m_path->setText(found);
    if (found.isEmpty())
        m_prompter.message({Product::Caption, QStringLiteral("%1 kan ikke finde %2").arg(Product::Name, program),
                            Prompter::Icon::Information, Prompter::Ok});
}

// ---------------------------------------------------------------------------

PasswordPanel::PasswordPanel(QWidget *parent)
    : HelperPanel(parent)
    , m_password(textField("edKode", this))
{
    setObjectName(QStringLiteral("panKode"));
    m_password->setEchoMode(QLineEdit::Password);
    m_password->setStyleSheet(QStringLiteral("lineedit-password-character: 42")); // "*"
    auto *form = new QFormLayout(this);
    form->addRow(labelFor(QStringLiteral("Adgangskode:"), m_password), m_password);
}

QString PasswordPanel::password() const
{
    return m_password->text();
}

// ---------------------------------------------------------------------------

WindowOpenPanel::WindowOpenPanel(const PanelServices &services, ReferenceChooser choosePageLinks, QWidget *parent)
    : HelperPanel(parent)
    , m_address(textField("edAdresse", this))
    , m_name(textField("edNavn", this))
    , m_sizeOn(new QCheckBox(QStringLiteral("Størrelse"), this))
    , m_width(numberField("seBredde", 0, 2000, 0, this))
    , m_height(numberField("seHoejde", 0, 1600, 0, this))
    , m_positionOn(new QCheckBox(QStringLiteral("Placering"), this))
    , m_left(numberField("seVenstre", 0, 2000, 0, this))
    , m_top(numberField("seTop", 0, 1600, 0, this))
    , m_features(new QListWidget(this))
{
    setObjectName(QStringLiteral("panBrowservindue"));
    m_address->setText(WindowOpenValues().address);
    m_sizeOn->setObjectName(QStringLiteral("cbStoerrelse"));
    m_positionOn->setObjectName(QStringLiteral("cbPlacering"));
    m_features->setObjectName(QStringLiteral("clIndstillinger"));
    for (const QString &feature : windowFeatureItems())
        (new QListWidgetItem(feature, m_features))->setCheckState(Qt::Unchecked);
    // A size or place typed in is one the window should have.
    for (QSpinBox *field : {m_width, m_height})
        connect(field, &QSpinBox::valueChanged, m_sizeOn, [this] { m_sizeOn->setChecked(true); });
    for (QSpinBox *field : {m_left, m_top})
        connect(field, &QSpinBox::valueChanged, m_positionOn, [this] { m_positionOn->setChecked(true); });

    // Choosing the address among favourites needs windows the program does
    // not have yet.
    QPushButton *explorer = namedButton(QStringLiteral(" &Explorer "), "btnExplorer", this);
    QPushButton *netscape = namedButton(QStringLiteral("Nets&cape"), "btnNetscape", this);
    for (QPushButton *unavailable : {explorer, netscape})
        unavailable->setEnabled(false);
    QPushButton *pages = namedButton(QStringLiteral("&Websider"), "btnWebsider", this);
    connect(pages, &QPushButton::clicked, this, [this, choose = std::move(choosePageLinks)] {
        const QList<LinkItem> rows = choose();
        if (!rows.isEmpty())
            m_address->setText(rows.first().target);
    });

    auto *grid = new QGridLayout(this);
    grid->addWidget(labelFor(QStringLiteral("&Adresse:"), m_address), 0, 0);
    grid->addWidget(m_address, 0, 1, 1, 4);
    auto *choosers = new QHBoxLayout;
    for (QPushButton *chooser : {explorer, netscape, pages})
        choosers->addWidget(chooser);
    choosers->addStretch();
    grid->addLayout(choosers, 1, 1, 1, 4);
    grid->addWidget(labelFor(QStringLiteral("Na&vn:"), m_name), 2, 0);
    grid->addWidget(m_name, 2, 1, 1, 4);
    grid->addWidget(m_sizeOn, 3, 0);
    grid->addWidget(labelFor(QStringLiteral("&Bredde:"), m_width), 3, 1);
    grid->addWidget(m_width, 3, 2);
    grid->addWidget(labelFor(QStringLiteral("&Højde:"), m_height), 3, 3);
    grid->addWidget(m_height, 3, 4);
    grid->addWidget(m_positionOn, 4, 0);
    grid->addWidget(labelFor(QStringLiteral("Fra &venstre:"), m_left), 4, 1);
    grid->addWidget(m_left, 4, 2);
    grid->addWidget(labelFor(QStringLiteral("Fra &top:"), m_top), 4, 3);
    grid->addWidget(m_top, 4, 4);
    grid->addWidget(labelFor(QStringLiteral("&Indstillinger:"), m_features), 5, 0, Qt::AlignTop);
    grid->addWidget(m_features, 5, 1, 1, 4);

    services.help.attach(m_address, QStringLiteral("Adressen på den side, vinduet åbner."));
    services.help.attach(m_name, QStringLiteral("Vinduets navn, som henvisninger kan bruge som destination."));
    services.help.attach(m_sizeOn, QStringLiteral("Sæt kryds for at bestemme vinduets indre bredde og højde."));
    services.help.attach(m_positionOn, QStringLiteral("Sæt kryds for at bestemme vinduets placering på skærmen."));
    services.help.attach(m_features, QStringLiteral("De dele og egenskaber, vinduet skal have."));
}

WindowOpenValues WindowOpenPanel::values() const
{
    WindowOpenValues values;
    values.address = m_address->text().trimmed();
    values.name = m_name->text().trimmed();
    for (int row = 0; row < m_features->count(); ++row) {
        const QListWidgetItem *item = m_features->item(row);
        if (item->checkState() == Qt::Checked)
            values.features.append(item->text().section(u'=', 1));
    }
    if (m_sizeOn->isChecked())
        values.size = QSize(m_width->value(), m_height->value());
    if (m_positionOn->isChecked())
        values.position = QPoint(m_left->value(), m_top->value());
    return values;
}

// ---------------------------------------------------------------------------

HelperPanel *makeHelperPanel(int kind, bool editMode, const PanelServices &services, ReferenceChooser choosePageLinks,
                             QWidget *parent)
{
    switch (kind) {
    case DialogKind::UserCode:
        return new UserCodePanel(editMode, services, parent);
    case DialogKind::BrowserEntry:
        return new BrowserEntryPanel(services, parent);
    case DialogKind::Password:
        return new PasswordPanel(parent);
    case DialogKind::WindowOpenCall:
        return new WindowOpenPanel(services, std::move(choosePageLinks), parent);
    default:
        return nullptr;
    }
}
