#pragma once

#include <QWidget>

struct SiteRecord;
class HelpLine;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QSpinBox;

// The properties panel of the publishing window: the fields of one site.
// While connected the panel is disabled and its fields look greyed.
class FtpSitePanel : public QWidget
{
    Q_OBJECT

public:
    explicit FtpSitePanel(HelpLine &help, QWidget *parent = nullptr);

    // Clears server, password, user and start folder ("Ny").
    void clearLogin();
    // The fields as a site without title, and a site shown in the fields.
    SiteRecord record() const;
    void load(const SiteRecord &site);

    QLineEdit *const server;
    QLineEdit *const startFolder;
    QLineEdit *const user;
    QLineEdit *const password;
    QCheckBox *const savePassword;
    QCheckBox *const passive;
    QLineEdit *const proxy;
    QComboBox *const transferType;
    QComboBox *const fileSystem;
    QSpinBox *const port;
    QComboBox *const protocol;
    QLineEdit *const certificateFile;
    QLineEdit *const privateKeyFile;

private:
    void showProtocolFields();

    QLabel *m_certificateLabel;
    QLabel *m_privateKeyLabel;
};
