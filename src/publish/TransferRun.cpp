#include "publish/TransferRun.h"

#include "publish/TSimpleFTP.h"

QString TransferSummary::text() const
{
    return QStringLiteral("%1 af %2 filer overført").arg(done).arg(count);
}

TransferRun::TransferRun(TSimpleFTP &ftp, QObject *parent)
    : QObject(parent)
    , m_ftp(ftp)
{
    connect(&ftp, &TSimpleFTP::OnTransferProgress, this, [this](const TFTPProgressInfo &info) {
        if (m_sinceFileStarted.isValid())
            emit fileProgress(info.BytesTransferred, int(m_sinceFileStarted.elapsed() / 1000));
    });
}

QString TransferRun::attempt(const std::function<bool()> &operation, const QString &fallbackReason)
{
    // The component's messages are the reasons the user reads.
    const bool silent = m_ftp.SilentExceptions();
    m_ftp.setSilentExceptions(false);
    QString reason;
    try {
        if (!operation())
            reason = fallbackReason;
    } catch (const FtpException &error) {
        reason = error.message();
    }
    m_ftp.setSilentExceptions(silent);
    return reason;
}

void TransferRun::beginFile(const QString &name, qint64 size, bool sending, int number, int count)
{
    m_ftp.setFilesProgress(number - 1, count);
    m_sinceFileStarted.start();
    emit fileStarted(name, size, sending, number, count);
}

void TransferRun::finishFile(const QString &name, TransferSummary &summary)
{
    m_sinceFileStarted.invalidate();
    ++summary.done;
    emit fileFinished(name);
}

bool TransferRun::failFile(const QString &name, const QString &reason, TransferSummary &summary)
{
    m_sinceFileStarted.invalidate();
    summary.notSent.append(name);
    emit fileFailed(name, reason);
    return m_ftp.Connected();
}

void TransferRun::leaveRest(const QStringList &names, qsizetype from, TransferSummary &summary)
{
    summary.stopped = true;
    summary.notSent.append(names.mid(from));
}
