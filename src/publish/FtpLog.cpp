#include "publish/FtpLog.h"

#include <QSaveFile>

FtpLog::FtpLog(QWidget *parent)
    : QListWidget(parent)
{
    setObjectName(QStringLiteral("lbLog"));
    setToolTip(QStringLiteral("Log"));
}

void FtpLog::add(const QString &text)
{
    QString shown = text;
    if (!m_secret.isEmpty())
        shown.replace(m_secret, QStringLiteral("********"));
    addItem(QStringLiteral("%1: %2").arg(count() + 1).arg(shown));
    scrollToBottom();
}

QStringList FtpLog::lines() const
{
    QStringList lines;
    for (int row = 0; row < count(); ++row)
        lines << item(row)->text();
    return lines;
}

bool FtpLog::save(const QString &path) const
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    for (const QString &line : lines())
        file.write(line.toUtf8() + '\n');
    return file.commit();
}
