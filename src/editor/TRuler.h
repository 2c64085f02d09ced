#pragma once

#include <QColor>
#include <QWidget>

// A pixel ruler: ticks every few pixels from the zero mark, longer ones and
// numbers at larger steps, and a caption beside the zero mark.
class TRuler : public QWidget
{
    Q_OBJECT

public:
    enum Orientation { roHorizontalTop, roVerticalLeft, roHorizontalBottom, roVerticalRight };

    explicit TRuler(QWidget *parent = nullptr);

    Orientation orientation() const { return m_orientation; }
    void setOrientation(Orientation orientation);
    int Offset() const { return m_offset; }
    void SetOffset(int pixels);
    int PixelsPerMarks() const { return m_perMarks; }
    int PixelsPerBigMarks() const { return m_perBigMarks; }
    int PixelsPerNumbers() const { return m_perNumbers; }
    void SetSpacing(int perMarks, int perBigMarks, int perNumbers);
    QColor PenColor() const { return m_pen; }
    void SetPenColor(const QColor &colour);
    QString Text() const { return m_text; }
    void SetText(const QString &text);
    bool Transparent() const { return m_transparent; }
    void SetTransparent(bool on);

    // Across: 17 pixels, or on a vertical ruler as wide as a four-digit number.
    QSize sizeHint() const override;

    // The ticks as drawn: distance from the zero mark and length in pixels.
    struct Tick
    {
        int distance;
        int length;
        bool numbered;
    };
    QList<Tick> ticks() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    bool horizontal() const { return m_orientation == roHorizontalTop || m_orientation == roHorizontalBottom; }

    Orientation m_orientation = roHorizontalTop;
    int m_offset = 0;
    int m_perMarks = 5;
    int m_perBigMarks = 25;
    int m_perNumbers = 50;
    QColor m_pen = Qt::black;
    QString m_text;
    bool m_transparent = false;
};
