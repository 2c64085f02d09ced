#pragma once

#include <QColor>
#include <QFont>
#include <QPointer>
#include <QWidget>

class TLEdit;

// The line-number gutter beside the active editor. It numbers the lines shown
// by its editor, grows wider for large numbers and remembers the line under
// the last mouse press.
class TLEditLines : public QWidget
{
    Q_OBJECT

public:
    explicit TLEditLines(QWidget *parent = nullptr);

    TLEdit *Editor() const { return m_editor; }
    void SetEditor(TLEdit *editor);
    int Indent() const { return m_indent; }
    void SetIndent(int pixels);
    QColor PenColor() const { return m_pen; }
    void SetPenColor(const QColor &colour);
    bool Shadow() const { return m_shadow; }
    void SetShadow(bool on);
    bool Transparent() const { return m_transparent; }
    void SetTransparent(bool on);

    // The font of the numbers: the gutter's own, at the size of its editor's text.
    QFont numberFont() const;

    // The line under the last mouse press, 0 before any.
    int pressedLine() const { return m_pressedLine; }

    // The numbers shown and where: line number and top of its row.
    struct Label
    {
        int line;
        int y;
    };
    QList<Label> labels() const;

    QSize sizeHint() const override { return {m_width, 100}; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    int firstRowTop() const;
    void widenFor(int line);

    QPointer<TLEdit> m_editor;
    QList<QMetaObject::Connection> m_connections;
    int m_indent = 0;
    QColor m_pen = Qt::white;
    bool m_shadow = false;
    bool m_transparent = false;
    int m_width = 24;
    int m_pressedLine = 0;
};
