#include "dialogs/settings/SyntaxColourBox.h"

#include "core/Prompter.h"
#include "workbench/HelpLine.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QSignalBlocker>

namespace {

// Names of the pairs, in the order of SyntaxColours::UserKeys.
const char *const PairNames[] = {
    "Almindelig tekst", "Elementer", "Attributter", "Værdier", "Kommentarer", "Serverscript (ASP)", "PHP",
};
static_assert(std::size(PairNames) == SyntaxColours::UserKeys.size());

QIcon swatch(quint32 rgb)
{
    QPixmap pixmap(28, 12);
    pixmap.fill(QColor::fromRgb(rgb));
    return QIcon(pixmap);
}

} // namespace

SyntaxColourBox::SyntaxColourBox(Prompter &prompter, HelpLine &help, QWidget *parent)
    : QGroupBox(QStringLiteral(" Brugerdefineret farvning "), parent)
    , m_prompter(prompter)
{
    auto *grid = new QGridLayout(this);
    grid->addWidget(new QLabel(QStringLiteral("Tekst"), this), 0, 1, Qt::AlignHCenter);
    grid->addWidget(new QLabel(QStringLiteral("Baggrund"), this), 0, 2, Qt::AlignHCenter);
    for (int i = 0; i < int(m_buttons.size()); ++i) {
        const QString name = QString::fromUtf8(PairNames[i]);
        auto *label = new QLabel(name, this);
        grid->addWidget(label, i + 1, 0);
        for (const bool background : {false, true}) {
            auto *button = new QPushButton(this);
            button->setAccessibleName(name + (background ? QStringLiteral(", baggrund") : QStringLiteral(", tekst")));
            grid->addWidget(button, i + 1, background ? 2 : 1);
            connect(button, &QPushButton::clicked, this, [this, i, background] { choose(i, background); });
            help.attach(button,
                        background ? QStringLiteral("Vælger baggrundsfarven for %1.").arg(name.toLower())
                                   : QStringLiteral("Vælger tekstfarven for %1.").arg(name.toLower()),
                        background ? nullptr : label);
            (background ? m_buttons[i].background : m_buttons[i].text) = button;
        }
    }
    m_sameBackground = new QCheckBox(QStringLiteral("&Ens baggrund"), this);
    grid->addWidget(m_sameBackground, int(m_buttons.size()) + 1, 0, 1, 3);
    help.attach(m_sameBackground, QStringLiteral("Giver alle slags kode samme baggrundsfarve som almindelig tekst."));
    connect(m_sameBackground, &QCheckBox::toggled, this, [this](bool on) {
        if (on) {
            m_colours.useNormalBackground();
            showColours();
        }
        Q_EMIT changed();
    });
    showColours();
}

void SyntaxColourBox::setColours(const SyntaxColours::Scheme &colours, bool sameBackground)
{
    m_colours = colours;
    const QSignalBlocker blocker(m_sameBackground);
    m_sameBackground->setChecked(sameBackground);
    showColours();
}

bool SyntaxColourBox::sameBackground() const
{
    return m_sameBackground->isChecked();
}

void SyntaxColourBox::choose(int pair, bool background)
{
    SyntaxColours::Pair &colours = m_colours.*SyntaxColours::UserKeys.at(pair).pair;
    quint32 &rgb = background ? colours.background : colours.text;
    QColor colour = QColor::fromRgb(rgb);
    if (!m_prompter.chooseColour(colour))
        return;
    rgb = colour.rgb() & 0xFFFFFF;
    // A new normal background, or one background for all, reaches every kind.
    if (sameBackground() || (background && pair == 0))
        m_colours.useNormalBackground();
    showColours();
    Q_EMIT changed();
}

void SyntaxColourBox::showColours()
{
    for (int i = 0; i < int(m_buttons.size()); ++i) {
        const SyntaxColours::Pair &colours = m_colours.*SyntaxColours::UserKeys.at(i).pair;
        m_buttons[i].text->setIcon(swatch(colours.text));
        m_buttons[i].background->setIcon(swatch(colours.background));
    }
}
