#include "workbench/BusyDisplay.h"

#include <QGuiApplication>
#include <QProgressBar>

BusyDisplay::BusyDisplay(QProgressBar *bar)
    : m_bar(bar)
{
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    if (m_bar) {
        m_bar->setRange(0, 100);
        m_bar->setValue(0);
        m_bar->show();
    }
}

BusyDisplay::~BusyDisplay()
{
    if (m_bar)
        m_bar->hide();
    QGuiApplication::restoreOverrideCursor();
}

ConversionProgress BusyDisplay::progress() const
{
    QProgressBar *bar = m_bar;
    if (!bar)
        return {};
    return [bar](int percent) {
        // Conversions tell their progress often; a repaint is only worth a change.
        if (bar->value() == percent)
            return;
        bar->setValue(percent);
        bar->repaint();
    };
}
