#include "publish/FtpSitePanel.h"

#include "publish/SiteRecord.h"
#include "workbench/HelpLine.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>

namespace {

QLineEdit *field(const char *name)
{
    auto *edit = new QLineEdit;
    edit->setObjectName(QString::fromLatin1(name));
    return edit;
}

QComboBox *choice(const char *name, const QStringList &items)
{
    auto *box = new QComboBox;
    box->setObjectName(QString::fromLatin1(name));
    box->addItems(items);
    return box;
}

QCheckBox *tick(const char *name, const QString &caption)
{
    auto *box = new QCheckBox(caption);
    box->setObjectName(QString::fromLatin1(name));
    return box;
}

} // namespace

FtpSitePanel::FtpSitePanel(HelpLine &help, QWidget *parent)
    : QWidget(parent)
    , server(field("txtServer"))
    , startFolder(field("txtStartBib"))
    , user(field("txtBruger"))
    , password(field("txtKodeord"))
    , savePassword(tick("chkGemKode", QStringLiteral("&Gem kode")))
    , passive(tick("chkPassiv", QStringLiteral("&Passiv")))
    , proxy(field("txtProxy"))
    , transferType(choice("cboOverfoersel", {QStringLiteral("Binær"), QStringLiteral("ASCII"), QStringLiteral("Ukendt")}))
    , fileSystem(choice("cboFilsystem", {QStringLiteral("Unix"), QStringLiteral("Ukendt")}))
    , port(new QSpinBox)
    , protocol(choice("cboProtokol", {QStringLiteral("FTP"), QStringLiteral("FTPS"), QStringLiteral("SFTP")}))
    , certificateFile(field("txtCertifikat"))
    , privateKeyFile(field("txtNoeglefil"))
{
    setObjectName(QStringLiteral("panEgenskaber"));
    password->setEchoMode(QLineEdit::Password);
    savePassword->setChecked(true);
    port->setObjectName(QStringLiteral("txtPort"));
    port->setRange(1, 65535);
    port->setValue(21);
    server->setPlaceholderText(QStringLiteral("ftp.udbyder.dk"));
    startFolder->setToolTip(
        QStringLiteral("Angiv det bibliotek, du ønsker at starte i - fx \"public_html\" eller \"public_html/grafik\""));
    server->setToolTip(QStringLiteral("Angiv navnet på din udbyders ftp-server - fx \"ftp.udbyder.dk\""));

    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(4, 4, 4, 4);
    grid->setVerticalSpacing(3);
    const auto row = [&](int line, int column, const QString &caption, QWidget *control, const QString &helpText) {
        auto *label = new QLabel(caption);
        label->setBuddy(control);
        grid->addWidget(label, line, column);
        grid->addWidget(control, line, column + 1);
        help.attach(control, helpText, label);
        return label;
    };
    row(0, 0, QStringLiteral("&Server:"), server,
        QStringLiteral("Angiv navnet på din udbyders ftp-server - fx \"ftp.udbyder.dk\"."));
    row(1, 0, QStringLiteral("St&artmappe:"), startFolder,
        QStringLiteral("Angiv den mappe på serveren, du ønsker at starte i - fx \"public_html\" eller \"public_html/grafik\"."));
    row(2, 0, QStringLiteral("&Bruger:"), user, QStringLiteral("Angiv dit brugernavn ( = brugerID = userID)."));
    row(3, 0, QStringLiteral("&Kodeord:"), password, QStringLiteral("Angiv dit kodeord."));
    grid->addWidget(savePassword, 4, 1);
    help.attach(savePassword, QStringLiteral("Sæt kryds, hvis kodeordet skal gemmes fra gang til gang."));
    row(5, 0, QStringLiteral("P&rotokol:"), protocol,
        QStringLiteral("Vælg FTP, eller FTPS eller SFTP for en krypteret forbindelse."));
    row(0, 2, QStringLiteral("Pro&xy:"), proxy, QStringLiteral("Angiv evt. proxy."));
    row(1, 2, QStringLiteral("Ftp-&port:"), port, QStringLiteral("Ftp foregår normalt via port 21."));
    row(2, 2, QStringLiteral("O&verførsel:"), transferType, QStringLiteral("Vælg \"Binær\" for at håndtere alle filtyper."));
    row(3, 2, QStringLiteral("F&ilsystem:"), fileSystem, QStringLiteral("Angiv filsystem på serveren."));
    grid->addWidget(passive, 4, 3);
    help.attach(passive,
                QStringLiteral("Sæt kryds for passiv overførsel. Nødvendigt ved nogle firewall- og gateway-konfigurationer."));
    m_certificateLabel = row(5, 2, QStringLiteral("&Certifikatfil:"), certificateFile,
                             QStringLiteral("Angiv evt. den certifikatfil, som serverens certifikat skal kontrolleres "
                                            "mod. Tom: systemets egne certifikater."));
    m_privateKeyLabel = row(6, 2, QStringLiteral("Privat &nøglefil:"), privateKeyFile,
                            QStringLiteral("Angiv evt. den private nøglefil, der skal logges på med. Tom: kodeordet."));
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    connect(protocol, &QComboBox::currentIndexChanged, this, &FtpSitePanel::showProtocolFields);
    showProtocolFields();
}

void FtpSitePanel::clearLogin()
{
    for (QLineEdit *edit : {server, password, user, startFolder})
        edit->clear();
}

SiteRecord FtpSitePanel::record() const
{
    SiteRecord site;
    site.server = server->text().trimmed();
    site.startFolder = startFolder->text().trimmed();
    site.user = user->text();
    site.savePassword = savePassword->isChecked();
    site.password = site.savePassword ? password->text() : QString();
    site.passive = passive->isChecked();
    site.proxy = proxy->text().trimmed();
    site.transferType = transferType->currentIndex();
    site.fileSystem = fileSystem->currentIndex();
    site.port = port->value();
    static const TransferProtocol protocols[] = {TransferProtocol::Ftp, TransferProtocol::Ftps, TransferProtocol::Sftp};
    site.protocol = protocols[std::clamp(protocol->currentIndex(), 0, 2)];
    site.trustedCertificateFile = certificateFile->text().trimmed();
    site.privateKeyFile = privateKeyFile->text().trimmed();
    return site;
}

void FtpSitePanel::load(const SiteRecord &site)
{
    server->setText(site.server);
    startFolder->setText(site.startFolder);
    user->setText(site.user);
    password->setText(site.password);
    savePassword->setChecked(site.savePassword);
    passive->setChecked(site.passive);
    proxy->setText(site.proxy);
    transferType->setCurrentIndex(std::clamp(site.transferType, 0, transferType->count() - 1));
    fileSystem->setCurrentIndex(std::clamp(site.fileSystem, 0, fileSystem->count() - 1));
    port->setValue(site.port);
    protocol->setCurrentIndex(int(site.protocol));
    certificateFile->setText(site.trustedCertificateFile);
    privateKeyFile->setText(site.privateKeyFile);
}

void FtpSitePanel::showProtocolFields()
{
    const bool ftps = protocol->currentIndex() == 1;
    const bool sftp = protocol->currentIndex() == 2;
    m_certificateLabel->setVisible(ftps);
    certificateFile->setVisible(ftps);
    m_privateKeyLabel->setVisible(sftp);
    privateKeyFile->setVisible(sftp);
}
