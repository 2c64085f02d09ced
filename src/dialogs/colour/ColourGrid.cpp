#include "dialogs/colour/ColourGrid.h"

#include <QMouseEvent>
#include <QPainter>

ColourGrid::ColourGrid(int columns, QWidget *parent)
    : QWidget(parent)
    , m_columns(columns)
{
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void ColourGrid::setColours(const QList<RgbColour> &colours)
{
    m_colours = colours;
    updateGeometry();
    update();
}

int ColourGrid::cellSize() const
{
    // Cells follow the font, so that the grid scales with the screen.
    return fontMetrics().height();
}

QRect ColourGrid::cellRect(int index) const
{
    const int size = cellSize();
    return QRect((index % m_columns) * size, (index / m_columns) * size, size, size);
}

QSize ColourGrid::sizeHint() const
{
    const int rows = std::max<int>(1, (m_colours.size() + m_columns - 1) / m_columns);
    return QSize(m_columns * cellSize() + 1, rows * cellSize() + 1);
}

void ColourGrid::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::Shadow));
    for (int index = 0; index < m_colours.size(); ++index) {
        const RgbColour colour = m_colours.at(index);
        painter.setBrush(QColor(colour.red, colour.green, colour.blue));
        painter.drawRect(cellRect(index).adjusted(0, 0, -1, -1));
    }
}

void ColourGrid::mousePressEvent(QMouseEvent *event)
{
    for (int index = 0; index < m_colours.size(); ++index) {
        if (cellRect(index).contains(event->position().toPoint())) {
            emit picked(m_colours.at(index));
            return;
        }
    }
}
