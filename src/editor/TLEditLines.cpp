#include "editor/TLEditLines.h"

#include "editor/TLEdit.h"

#include <QMouseEvent>
#include <QPainter>

TLEditLines::TLEditLines(QWidget *parent)
    : QWidget(parent)
{
    QFont numbers(QStringLiteral("Arial"));
    numbers.setPointSize(7);
    setFont(numbers);
    setFixedWidth(m_width);
}

void TLEditLines::SetEditor(TLEdit *editor)
{
    for (const auto &c : std::as_const(m_connections))
        disconnect(c);
    m_connections.clear();
    m_editor = editor;
    if (editor) {
        const auto refresh = [this] { update(); };
        m_connections = {connect(editor, &TLEdit::OnVertScroll, this, refresh), connect(editor, &TLEdit::OnChange, this, refresh),
                         connect(editor, &QObject::destroyed, this, refresh)};
    }
    update();
}

void TLEditLines::SetIndent(int pixels)
{
    m_indent = std::max(0, pixels);
    update();
}

void TLEditLines::SetPenColor(const QColor &colour)
{
    m_pen = colour;
    update();
}

void TLEditLines::SetShadow(bool on)
{
    m_shadow = on;
    update();
}

void TLEditLines::SetTransparent(bool on)
{
    m_transparent = on;
    update();
}

int TLEditLines::firstRowTop() const
{
    // The editor's first row, in this control's coordinates.
    return m_editor->viewport()->mapTo(window(), QPoint(0, 0)).y() - mapTo(window(), QPoint(0, 0)).y();
}

QFont TLEditLines::numberFont() const
{
    QFont numbers = font();
    if (m_editor)
        numbers.setPointSizeF(m_editor->Font().pointSizeF());
    return numbers;
}

QList<TLEditLines::Label> TLEditLines::labels() const
{
    QList<Label> list;
    if (!m_editor)
        return list;
    const int rowHeight = std::max(1, m_editor->GetRowHeight());
    const int lineCount = m_editor->GetLineCount();
    int line = m_editor->GetTopLine();
    int y = firstRowTop();
    bool first = true;
    while (y < height() && line <= lineCount) {
        list.append({line, y});
        int rows = m_editor->GetLineRows(line);
        if (first)
            rows -= m_editor->GetTopRowsHidden();
        first = false;
        y += std::max(1, rows) * rowHeight;
        ++line;
    }
    return list;
}

void TLEditLines::widenFor(int line)
{
    const int needed = QFontMetrics(numberFont()).horizontalAdvance(QString::number(line)) + m_indent + 7;
    if (needed > m_width) {
        m_width = needed;
        setFixedWidth(m_width);
    }
}

void TLEditLines::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    if (!m_transparent)
        p.fillRect(rect(), Qt::gray);
    if (m_indent > 0)
        p.fillRect(0, 0, m_indent, height(), palette().button());
    if (m_editor) {
        const QList<Label> shown = labels();
        if (!shown.isEmpty())
            widenFor(shown.last().line);
        const int rowHeight = std::max(1, m_editor->GetRowHeight());
        p.setPen(m_pen);
        p.setFont(numberFont());
        for (const Label &label : shown) {
            const QRect row(m_indent, label.y, width() - m_indent - 2, rowHeight);
            p.drawText(row, Qt::AlignRight | Qt::AlignVCenter, QString::number(label.line));
        }
    }
    if (m_shadow) {
        const QRect area(m_indent, 0, width() - m_indent - 1, height() - 1);
        p.setPen(palette().light().color());
        p.drawLine(area.topLeft(), area.topRight());
        p.drawLine(area.topLeft(), area.bottomLeft());
        p.setPen(palette().dark().color());
        p.drawLine(area.bottomLeft(), area.bottomRight());
        p.drawLine(area.topRight(), area.bottomRight());
    }
}

void TLEditLines::mousePressEvent(QMouseEvent *event)
{
    QWidget::mousePressEvent(event);
    m_pressedLine = 0;
    if (!m_editor)
        return;
    const int y = event->position().toPoint().y();
    for (const Label &label : labels()) {
        if (y >= label.y)
            m_pressedLine = label.line;
    }
    if (m_pressedLine == 0)
        m_pressedLine = m_editor->GetTopLine();
}
