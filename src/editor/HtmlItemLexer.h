#pragma once

#include "editor/ItemScanner.h"

#include <Qsci/qscilexercustom.h>

#include <QColor>
#include <QFont>
#include <QHash>
#include <QMap>

#include <functional>

struct HighlightWord;

// Colours the items of markup in a TLEdit. The colours of each word come from
// the program's highlight handler; each different pair of colours gets a style
// of its own. A long stretch that Scintilla asks for at once (a jump to the end
// of a large file) is coloured from a point shortly before what is shown; the
// stretch before it is coloured when it comes into view.
class HtmlItemLexer : public QsciLexerCustom
{
    Q_OBJECT

public:
    explicit HtmlItemLexer(QObject *parent = nullptr);

    const char *language() const override { return "HTML"; }
    QString description(int style) const override;
    void styleText(int start, int end) override;

    void setHandler(std::function<void(HighlightWord &)> handler);
    void setNormal(const QColor &foreground, const QColor &background, const QFont &font);
    void setMultilineItems(bool on) { m_multiline = on; }
    bool multilineItems() const { return m_multiline; }
    // Forgets the colours given by the handler; the text is coloured again.
    void reset();

    // Called by the editor when it has been updated on screen.
    void styleVisiblePending(int firstVisiblePosition, int lastVisiblePosition);

    static constexpr int SkipThreshold = 4 * 1024 * 1024;

private:
    struct Pair
    {
        QRgb foreground;
        QRgb background;
        friend bool operator==(const Pair &, const Pair &) = default;
    };
    friend size_t qHash(const Pair &p, size_t seed) { return qHashMulti(seed, p.foreground, p.background); }

    void styleRange(int start, int end, ItemScanner::State state);
    void forgetPendingFrom(int position);
    int styleFor(quint16 kind, const QByteArray &word);
    int styleForColours(QColor foreground, QColor background);
    ItemScanner::State stateBefore(int position) const;
    int lineStartOf(int position) const;
    long send(unsigned int message, unsigned long wParam = 0, long lParam = 0) const;

    std::function<void(HighlightWord &)> m_handler;
    QColor m_normalForeground = Qt::black;
    QColor m_normalBackground = Qt::white;
    QFont m_font;
    bool m_multiline = true;
    QHash<QByteArray, int> m_wordStyles; // kind and word -> style
    QHash<Pair, int> m_pairStyles;
    int m_nextStyle = 1;
    QMap<int, int> m_pending; // uncoloured stretches, start -> end
    ItemScanner::Result m_scan;
    QByteArray m_styles;
};
