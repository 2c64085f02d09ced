#pragma once

#include <QDialog>

class QLineEdit;

// Asks for the password of a connection whose password is not kept; the
// typed text is not shown.
class FtpPasswordDialog : public QDialog
{
    Q_OBJECT

public:
    explicit FtpPasswordDialog(QWidget *parent = nullptr);

    QString password() const;

private:
    QLineEdit *m_password;
};
