#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>

class TSimpleFTP;

// How a run of uploads or downloads ended.
struct TransferSummary
{
    int count = 0; // files the run was given
    int done = 0; // files that arrived whole
    // Every file that did not arrive, by its remote name, in the run's order:
    // those that failed and those left when the connection ended.
    QStringList notSent;
    // The connection ended the run (the user's stop, or the server went away).
    bool stopped = false;

    // "%d af %d filer overført".
    QString text() const;
};

// What uploads and downloads share: the events a progress window shows, and
// the rule that ends a run. A run works through a connected TSimpleFTP with
// the component's own blocking calls; while one blocks, the thread's events
// are processed, so a window stays responsive and its stop command can call
// the component's Abort, which ends the run (the files not yet tried count as
// not sent). Every failure is told through fileFailed with its reason; none
// is silent. While a run goes, the component raises its failures (the run
// catches them), so nothing else should use it meanwhile: the caller keeps
// its own busy state. Signals are emitted on the component's thread; a run
// object serves one run.
class TransferRun : public QObject
{
    Q_OBJECT

public:
    explicit TransferRun(TSimpleFTP &ftp, QObject *parent = nullptr);

signals:
    // A file begins: its remote name, size in bytes, direction, its number
    // counted from 1 and the number of files in the run.
    void fileStarted(const QString &name, qint64 size, bool sending, int number, int count);
    // Bytes of the current file so far, and whole seconds since it began.
    void fileProgress(qint64 bytes, int seconds);
    void fileFinished(const QString &name);
    void fileFailed(const QString &name, const QString &reason);
    // A line for the status bar: "Sender %s", "Henter %s".
    void status(const QString &text);
    // A line for the log that concerns no single file (a folder that could
    // not be made, a record that could not be written).
    void problem(const QString &text);

protected:
    TSimpleFTP &ftp() const { return m_ftp; }
    // Runs one of the component's operations with its failures as a reason:
    // empty when it succeeded.
    QString attempt(const std::function<bool()> &operation, const QString &fallbackReason);
    void beginFile(const QString &name, qint64 size, bool sending, int number, int count);
    void finishFile(const QString &name, TransferSummary &summary);
    // Tells the file's failure and whether the run goes on: not once the
    // connection has ended.
    bool failFile(const QString &name, const QString &reason, TransferSummary &summary);
    // The connection ended: the files from this position on are not sent.
    static void leaveRest(const QStringList &names, qsizetype from, TransferSummary &summary);

private:
    TSimpleFTP &m_ftp;
    QElapsedTimer m_sinceFileStarted;
};
