#pragma once

#include <QListWidget>

// The publishing window's log: numbered lines "%d: %s" of connection,
// state and error texts. Secrets handed to it never reach a line, on the
// screen or in the saved file.
class FtpLog : public QListWidget
{
    Q_OBJECT

public:
    explicit FtpLog(QWidget *parent = nullptr);

    void add(const QString &text);
    // A text that is blotted out wherever it would appear (the password).
    void setSecret(const QString &secret) { m_secret = secret; }
    QStringList lines() const;
    // Replaces the file with the lines; false when it cannot be written.
    bool save(const QString &path) const;

private:
    QString m_secret;
};
