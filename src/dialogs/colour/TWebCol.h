#pragma once

#include "html/ColourText.h"

#include <QDialog>

class ColourGrid;
class QFrame;
class QLabel;
class QSlider;

// "Webfarver": picks a colour of the web palette with three sliders, from the
// palette itself or from the user's own colours.
class TWebCol : public QDialog
{
    Q_OBJECT
public:
    TWebCol(RgbColour start, const QList<RgbColour> &userColours, QWidget *parent = nullptr);

    // The preview's colour and the code label's text.
    RgbColour colour() const;
    QString code() const;
    QList<RgbColour> userColours() const;

    // Sets the sliders from a picked colour; a colour off the palette clears them.
    void pick(RgbColour colour);
    void addToUserColours();

    QSlider *slider(int channel) const { return m_sliders[channel]; }
    QLabel *valueLabel(int channel) const { return m_values[channel]; }
    ColourGrid *webPalette() const { return m_palette; }

private:
    void showPositions();
    void showNoWebColour();
    QSlider *m_sliders[3] = {};
    QLabel *m_values[3] = {};
    QFrame *m_preview = nullptr;
    QLabel *m_code = nullptr;
    ColourGrid *m_palette = nullptr;
    ColourGrid *m_user = nullptr;
    bool m_isWebColour = true;
};
