#include "dialogs/colour/TEditWebColor.h"

#include "dialogs/colour/ColourChoosers.h"
#include "html/ColourText.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QToolButton>

namespace {

bool isAccepted(QChar c)
{
    return c == QLatin1Char('#') || c == QLatin1Char(':') || (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
        || (c >= QLatin1Char('a') && c <= QLatin1Char('f')) || (c >= QLatin1Char('A') && c <= QLatin1Char('F'));
}

} // namespace

TEditWebColor::TEditWebColor(Prompter &prompter, SettingsStore *settings, QWidget *parent)
    : QWidget(parent)
    , m_prompter(prompter)
    , m_settings(settings)
    , m_edit(new QLineEdit(this))
    , m_button(new QToolButton(this))
{
    m_edit->installEventFilter(this);
    m_edit->setMinimumWidth(m_edit->fontMetrics().horizontalAdvance(QStringLiteral("#DDDDDDDD")));
    m_button->setFocusPolicy(Qt::NoFocus);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_edit);
    layout->addWidget(m_button);
    setFocusProxy(m_edit);
    connect(m_edit, &QLineEdit::textChanged, this, [this](const QString &text) {
        showColour();
        emit textChanged(text);
    });
    connect(m_button, &QToolButton::clicked, this, &TEditWebColor::chooseColour);
    showColour();
}

QString TEditWebColor::text() const
{
    return m_edit->text();
}

void TEditWebColor::setText(const QString &text)
{
    m_edit->setText(text);
}

QColor TEditWebColor::buttonColour() const
{
    const RgbColour colour = HtmlToColor(m_edit->text());
    return QColor(colour.red, colour.green, colour.blue);
}

void TEditWebColor::showColour()
{
    const int side = m_edit->fontMetrics().height() - 4;
    QPixmap swatch(side, side);
    swatch.fill(buttonColour());
    QPainter(&swatch).drawRect(0, 0, side - 1, side - 1);
    m_button->setIcon(swatch);
}

void TEditWebColor::chooseColour()
{
    RgbColour colour = HtmlToColor(m_edit->text());
    const bool chosen = m_webDialog ? ChooseWebColour(m_prompter, m_settings, colour, window())
                                    : ChooseSystemColour(m_prompter, m_settings, colour);
    if (!chosen)
        return;
    m_edit->setText(ColorToHtml(colour));
    m_edit->setFocus();
}

bool TEditWebColor::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_edit || event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    const auto *key = static_cast<QKeyEvent *>(event);
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)
        return true;
    const QString typed = key->text();
    if (typed.isEmpty() || !typed.at(0).isPrint() || key->modifiers().testFlag(Qt::ControlModifier))
        return false;
    const qsizetype kept = m_edit->text().size() - m_edit->selectedText().size();
    return !std::all_of(typed.cbegin(), typed.cend(), isAccepted) || kept + typed.size() > MaxTyped;
}
