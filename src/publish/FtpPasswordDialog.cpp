#include "publish/FtpPasswordDialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

FtpPasswordDialog::FtpPasswordDialog(QWidget *parent)
    : QDialog(parent)
    , m_password(new QLineEdit)
{
    setWindowTitle(QStringLiteral("Adgangskode"));
    m_password->setObjectName(QStringLiteral("txtAdgangskode"));
    m_password->setEchoMode(QLineEdit::Password);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Annuller"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *form = new QFormLayout(this);
    auto *label = new QLabel(QStringLiteral("&Adgangskode:"));
    label->setBuddy(m_password);
    form->addRow(label, m_password);
    form->addRow(buttons);
}

QString FtpPasswordDialog::password() const
{
    return m_password->text();
}
