#include "editor/TRuler.h"

#include <QPainter>

TRuler::TRuler(QWidget *parent)
    : QWidget(parent)
{
    QFont small = font();
    small.setPointSize(7);
    setFont(small);
    resize(sizeHint());
}

QSize TRuler::sizeHint() const
{
    if (horizontal())
        return {91, 17};
    return {std::max(17, fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 2), 91};
}

void TRuler::setOrientation(Orientation orientation)
{
    m_orientation = orientation;
    update();
}

void TRuler::SetOffset(int pixels)
{
    m_offset = pixels;
    update();
}

void TRuler::SetSpacing(int perMarks, int perBigMarks, int perNumbers)
{
    m_perMarks = std::max(1, perMarks);
    m_perBigMarks = std::max(1, perBigMarks);
    m_perNumbers = std::max(1, perNumbers);
    update();
}

void TRuler::SetPenColor(const QColor &colour)
{
    m_pen = colour;
    update();
}

void TRuler::SetText(const QString &text)
{
    m_text = text;
    update();
}

void TRuler::SetTransparent(bool on)
{
    m_transparent = on;
    update();
}

QList<TRuler::Tick> TRuler::ticks() const
{
    QList<Tick> list;
    const int far = horizontal() ? width() : height();
    // The first mark inside the ruler, when the zero mark lies before it.
    const int first = m_offset >= 0 ? 0 : ((-m_offset + m_perMarks - 1) / m_perMarks) * m_perMarks;
    for (int distance = first; m_offset + distance < far; distance += m_perMarks) {
        const bool numbered = distance % m_perNumbers == 0;
        const int length = numbered ? 10 : distance % m_perBigMarks == 0 ? 5 : 2;
        list.append({distance, length, numbered});
    }
    return list;
}

void TRuler::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    if (!m_transparent)
        p.fillRect(rect(), palette().window());
    p.setPen(m_pen);
    const QFontMetrics metrics(font());
    for (const Tick &tick : ticks()) {
        const int at = m_offset + tick.distance;
        QString label;
        if (tick.numbered) {
            label = QString::number(tick.distance);
            if (tick.distance == 0 && !m_text.isEmpty() && horizontal())
                label += QLatin1Char(' ') + m_text;
        }
        switch (m_orientation) {
        case roHorizontalTop:
            p.drawLine(at, 0, at, tick.length - 1);
            if (tick.numbered)
                p.drawText(at + 2, height() - 2, label);
            break;
        case roHorizontalBottom:
            p.drawLine(at, height() - tick.length, at, height() - 1);
            if (tick.numbered)
                p.drawText(at + 2, metrics.ascent(), label);
            break;
        case roVerticalLeft:
        case roVerticalRight: {
            const bool left = m_orientation == roVerticalLeft;
            if (left)
                p.drawLine(0, at, tick.length - 1, at);
            else
                p.drawLine(width() - tick.length, at, width() - 1, at);
            if (tick.numbered) {
                const int x = left ? 1 : width() - metrics.horizontalAdvance(label) - 1;
                p.drawText(x, at + metrics.ascent() + 1, label);
                if (tick.distance == 0 && !m_text.isEmpty())
                    p.drawText(x, at + 2 * metrics.ascent() + 2, m_text);
            }
            break;
        }
        }
    }
}
