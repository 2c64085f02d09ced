#pragma once

#include "publish/ProgressFigures.h"

#include <QDialog>

class QLabel;
class QProgressBar;
class QPushButton;

// The progress of a running transfer, at the bottom right of the screen and
// above the other windows: the current file's bar and figures, and those of
// all files so far. "Annuller" asks the transfer to stop.
class TfrmProgress : public QDialog
{
    Q_OBJECT

public:
    explicit TfrmProgress(QWidget *parent = nullptr);

    // A file begins, goes on and is done; the window shows the figures.
    void startFile(const QString &name, qint64 size, bool sending, int number, int count);
    void showProgress(qint64 bytes, int seconds);
    void finishFile();

    QProgressBar *const bar;
    QLabel *const number; // "%d af %d"
    QLabel *const fileTransferred;
    QLabel *const fileTime;
    QLabel *const fileRemaining;
    QLabel *const allTransferred;
    QLabel *const allTime;
    QLabel *const rate;
    QPushButton *const cancel;

signals:
    void cancelRequested();

protected:
    void showEvent(QShowEvent *event) override;
    void reject() override;

private:
    void showFigures();
    // The bottom right corner of the screen, frame included.
    void placeInCorner();

    ProgressFigures m_figures;
};
