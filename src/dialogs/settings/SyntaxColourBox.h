#pragma once

#include "core/SyntaxColours.h"

#include <QGroupBox>

#include <array>

class HelpLine;
class Prompter;
class QCheckBox;
class QPushButton;

// The group of the user's own colours: a text and a background button for
// each kind of markup, and "&Ens baggrund".
class SyntaxColourBox : public QGroupBox
{
    Q_OBJECT

public:
    SyntaxColourBox(Prompter &prompter, HelpLine &help, QWidget *parent = nullptr);

    // Shows the colours without announcing a change.
    void setColours(const SyntaxColours::Scheme &colours, bool sameBackground);
    SyntaxColours::Scheme colours() const { return m_colours; }
    bool sameBackground() const;

    QPushButton *textButton(int pair) const { return m_buttons.at(pair).text; }
    QPushButton *backgroundButton(int pair) const { return m_buttons.at(pair).background; }
    QCheckBox *sameBackgroundBox() const { return m_sameBackground; }

Q_SIGNALS:
    // The user chose a colour or ticked "&Ens baggrund".
    void changed();

private:
    struct Buttons
    {
        QPushButton *text = nullptr;
        QPushButton *background = nullptr;
    };
    void choose(int pair, bool background);
    void showColours();

    Prompter &m_prompter;
    SyntaxColours::Scheme m_colours;
    std::array<Buttons, SyntaxColours::UserKeys.size()> m_buttons;
    QCheckBox *m_sameBackground = nullptr;
};
