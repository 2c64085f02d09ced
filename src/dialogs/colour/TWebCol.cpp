#include "dialogs/colour/TWebCol.h"

#include "dialogs/colour/ColourGrid.h"
#include "dialogs/colour/UserColours.h"
#include "dialogs/colour/WebColour.h"

#include <QDialogButtonBox>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>

namespace {

const QString NoValue = QStringLiteral("-");

QList<RgbColour> webPaletteColours()
{
    QList<RgbColour> colours;
    for (int red = 0; red < WebColour::Levels; ++red)
        for (int green = 0; green < WebColour::Levels; ++green)
            for (int blue = 0; blue < WebColour::Levels; ++blue)
                colours.append(WebColour::colour({red, green, blue}));
    return colours;
}

} // namespace

TWebCol::TWebCol(RgbColour start, const QList<RgbColour> &userColours, QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Webfarver"));
    auto *sliders = new QGridLayout;
    const char *names[] = {"&Rød:", "&Grøn:", "&Blå:"};
    for (int channel = 0; channel < 3; ++channel) {
        auto *caption = new QLabel(QString::fromUtf8(names[channel]), this);
        m_sliders[channel] = new QSlider(Qt::Horizontal, this);
        m_sliders[channel]->setRange(0, WebColour::Levels - 1);
        m_sliders[channel]->setPageStep(1);
        m_sliders[channel]->setTickPosition(QSlider::TicksBelow);
        caption->setBuddy(m_sliders[channel]);
        m_values[channel] = new QLabel(this);
        m_values[channel]->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("0000")));
        sliders->addWidget(caption, channel, 0);
        sliders->addWidget(m_sliders[channel], channel, 1);
        sliders->addWidget(m_values[channel], channel, 2);
        connect(m_sliders[channel], &QSlider::valueChanged, this, [this] {
            m_isWebColour = true;
            showPositions();
        });
    }
    m_preview = new QFrame(this);
    m_preview->setFrameShape(QFrame::Box);
    m_preview->setAutoFillBackground(true);
    m_preview->setMinimumSize(fontMetrics().height() * 4, fontMetrics().height() * 2);
    m_code = new QLabel(this);
    sliders->addWidget(m_preview, 3, 1);
    sliders->addWidget(m_code, 3, 2);

    m_palette = new ColourGrid(18, this);
    m_palette->setColours(webPaletteColours());
    m_user = new ColourGrid(8, this);
    m_user->setColours(userColours);
    connect(m_palette, &ColourGrid::picked, this, &TWebCol::pick);
    connect(m_user, &ColourGrid::picked, this, &TWebCol::pick);
    auto *add = new QPushButton(QStringLiteral("&Tilføj til brugerfarver"), this);
    connect(add, &QPushButton::clicked, this, &TWebCol::addToUserColours);

    auto *buttons = new QDialogButtonBox(this);
    buttons->addButton(QStringLiteral("&OK"), QDialogButtonBox::AcceptRole)->setDefault(true);
    buttons->addButton(QStringLiteral("Annuller"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(sliders);
    layout->addWidget(new QLabel(QStringLiteral("Webpalet:"), this));
    layout->addWidget(m_palette);
    layout->addWidget(new QLabel(QStringLiteral("Brugerfarver:"), this));
    layout->addWidget(m_user);
    layout->addWidget(add, 0, Qt::AlignLeft);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    pick(start);
}

void TWebCol::pick(RgbColour colour)
{
    const std::optional<WebColour::Positions> positions = WebColour::positions(colour);
    m_isWebColour = positions.has_value();
    const WebColour::Positions shown = positions.value_or(WebColour::Positions{});
    const int values[] = {shown.red, shown.green, shown.blue};
    for (int channel = 0; channel < 3; ++channel) {
        const QSignalBlocker blocker(m_sliders[channel]);
        m_sliders[channel]->setValue(values[channel]);
    }
    if (m_isWebColour)
        showPositions();
    else
        showNoWebColour();
}

void TWebCol::showPositions()
{
    for (int channel = 0; channel < 3; ++channel)
        m_values[channel]->setNum(m_sliders[channel]->value() * WebColour::Step);
    const RgbColour shown = colour();
    QPalette preview = m_preview->palette();
    preview.setColor(QPalette::Window, QColor(shown.red, shown.green, shown.blue));
    m_preview->setPalette(preview);
    m_code->setText(ColorToHtml(shown));
}

void TWebCol::showNoWebColour()
{
    for (QLabel *value : m_values)
        value->setText(NoValue);
    m_code->setText(NoValue);
    m_preview->setPalette(palette());
}

RgbColour TWebCol::colour() const
{
    return WebColour::colour({m_sliders[0]->value(), m_sliders[1]->value(), m_sliders[2]->value()});
}

QString TWebCol::code() const
{
    return m_code->text();
}

QList<RgbColour> TWebCol::userColours() const
{
    return m_user->colours();
}

void TWebCol::addToUserColours()
{
    QList<RgbColour> colours = m_user->colours();
    colours.append(colour());
    while (colours.size() > UserColours::Count)
        colours.removeFirst();
    m_user->setColours(colours);
}
