#pragma once

#include <QDialog>
#include <QTimer>

// The start-up window, shown while the main window is created, and again as
// the About window.
class TfrmSplash : public QDialog
{
    Q_OBJECT

public:
    explicit TfrmSplash(QWidget *parent = nullptr);

    // "%d.%d.%d.%d" of the build's version, empty when the build has none.
    static QString releaseText();

    // Modal; closes itself after 10 seconds, on Esc or on a mouse click.
    void showAsAbout();

protected:
    void mousePressEvent(QMouseEvent *event) override;

private:
    QTimer m_closeTimer;
};
