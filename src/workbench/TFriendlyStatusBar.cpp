#include "workbench/TFriendlyStatusBar.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>

TFriendlyStatusBar::TFriendlyStatusBar(QWidget *parent)
    : QStatusBar(parent)
    , m_strip(new QWidget(this))
{
    setSizeGripEnabled(false);
    addWidget(m_strip, 1);
    auto *row = new QHBoxLayout(m_strip);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    for (int i = 0; i < PanelCount; ++i) {
        auto *panel = new QLabel(m_strip);
        panel->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
        panel->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
        panel->setTextFormat(Qt::PlainText);
        row->addWidget(panel);
        m_panels[i] = panel;
    }
    row->addStretch(1);
    m_progress = new QProgressBar(m_strip);
    m_progress->setObjectName(QStringLiteral("ProgressBar"));
    m_progress->hide();
    m_overwrite = new QLabel(QStringLiteral("Overskriv"), m_strip);
    m_overwrite->setObjectName(QStringLiteral("lblOverskriv"));
    m_overwrite->setEnabled(false);
    m_strip->installEventFilter(this);
}

bool TFriendlyStatusBar::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_strip && event->type() == QEvent::Resize)
        placeOverlays();
    return QStatusBar::eventFilter(watched, event);
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
    m_layout = layout;
    for (int i = 0; i < PanelCount; ++i)
        m_panels[i]->setFixedWidth(layout.panelWidths[i]);
    placeOverlays();
}

void TFriendlyStatusBar::placeOverlays()
{
    const int height = m_strip->height();
    m_progress->setGeometry(0, 0, m_layout.progressBarWidth, height);
    m_overwrite->setGeometry(m_layout.overwriteLabelX, 0, std::max(0, m_layout.panelWidths[3] - 12), height);
    m_overwrite->raise();
}
