#include "workbench/HelpLine.h"

#include <QEvent>

const QString HelpLine::InitialText = QStringLiteral(
    "Hjælp: Før musen hen over en beskrivelse eller en kontrol for at se hjælpeteksten.");

HelpLine::HelpLine(QWidget *parent)
    : QLabel(InitialText, parent)
{
    setFrameShape(QFrame::StyledPanel);
    setWordWrap(true);
    // Help texts quote markup ("Indsætter META-elementet <meta ...>"), which must be shown, not rendered.
    setTextFormat(Qt::PlainText);
}

void HelpLine::attach(QWidget *control, const QString &text, QWidget *label)
{
    for (QWidget *w : {control, label}) {
        if (!w)
            continue;
        const bool known = m_texts.contains(w);
        m_texts.insert(w, text);
        if (known)
            continue;
        w->installEventFilter(this);
        connect(w, &QObject::destroyed, this, [this](QObject *gone) { m_texts.remove(gone); });
    }
}

bool HelpLine::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Enter || event->type() == QEvent::FocusIn) {
        const auto found = m_texts.constFind(watched);
        if (found != m_texts.constEnd())
            setText(*found);
    }
    return QLabel::eventFilter(watched, event);
}
