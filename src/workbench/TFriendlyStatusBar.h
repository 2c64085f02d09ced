#pragma once

#include "workbench/StatusBarLayout.h"

#include <QStatusBar>

#include <array>

class QLabel;
class QProgressBar;

// The main window's status bar: six panels of set widths, a progress bar that
// lies over panel 0 while a long operation runs, and the "Overskriv" label.
class TFriendlyStatusBar : public QStatusBar
{
    Q_OBJECT

public:
    static constexpr int PanelCount = 6;

    explicit TFriendlyStatusBar(QWidget *parent = nullptr);

    void setPanelText(int panel, const QString &text);
    QString panelText(int panel) const;
    int panelWidth(int panel) const;

    QProgressBar *progressBar() const { return m_progress; }
    QLabel *overwriteLabel() const { return m_overwrite; }

    void applyLayout(const StatusBarLayout &layout);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void placeOverlays();

    StatusBarLayout m_layout;
    QWidget *m_strip;
    std::array<QLabel *, PanelCount> m_panels{};
    QProgressBar *m_progress;
    QLabel *m_overwrite;
};
