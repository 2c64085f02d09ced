#pragma once

#include "html/ColourText.h"

#include <QList>
#include <QWidget>

// A grid of colour cells; clicking one picks its colour.
class ColourGrid : public QWidget
{
    Q_OBJECT
public:
    ColourGrid(int columns, QWidget *parent = nullptr);

    void setColours(const QList<RgbColour> &colours);
    const QList<RgbColour> &colours() const { return m_colours; }
    // The cell's rectangle, for a click at its middle.
    QRect cellRect(int index) const;

    QSize sizeHint() const override;

signals:
    void picked(RgbColour colour);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    int cellSize() const;
    int m_columns;
    QList<RgbColour> m_colours;
};
