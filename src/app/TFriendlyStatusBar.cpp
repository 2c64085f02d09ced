#include "app/TFriendlyStatusBar.h"

#include <QLabel>
#include <QProgressBar>

TFriendlyStatusBar::TFriendlyStatusBar(QWidget *parent)
    : QStatusBar(parent)
    , m_strip(new QWidget(this))
{
    setSizeGripEnabled(false);
    addWidget(m_strip, 1);
    for (int i = 0; i < PanelCount; ++i) {
        auto *panel = new QLabel(m_strip);
        panel->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
        panel->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
        panel->setTextFormat(Qt::PlainText);
        m_panels[i] = panel;
    }
    m_progress = new QProgressBar(m_strip);
    m_progress->setObjectName(QStringLiteral("ProgressBar"));
    m_progress->hide();
    m_overwrite = new QLabel(QStringLiteral("Overskriv"), m_strip);
    m_overwrite->setObjectName(QStringLiteral("lblOverskriv"));
    m_overwrite->setEnabled(false);
    m_strip->setMinimumHeight(m_panels[0]->sizeHint().height());
}

void TFriendlyStatusBar::setPanelText(int panel, const QString &text)
{
    m_panels.at(panel)->setText(text);
}

QString TFriendlyStatusBar::panelText(int panel) const
{
    return m_panels.at(panel)->text();
}

int TFriendlyStatusBar::panelWidth(int panel) const
{
    return m_panels.at(panel)->width();
}

void TFriendlyStatusBar::applyLayout(const StatusBarLayout &layout)
{
    const int height = m_strip->height() > 0 ? m_strip->height() : m_strip->minimumHeight();
    int x = 0;
    for (int i = 0; i < PanelCount; ++i) {
        m_panels[i]->setGeometry(x, 0, layout.panelWidths[i], height);
        x += layout.panelWidths[i];
    }
    m_progress->setGeometry(0, 0, layout.progressBarWidth, height);
    m_overwrite->setGeometry(layout.overwriteLabelX, 0, layout.panelWidths[3] - 12, height);
    m_overwrite->raise();
}
