#include "editor/TLEdit.h"
#include "editor/TLEditLines.h"
#include "editor/TRuler.h"

#include <QHBoxLayout>
#include <QImage>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {

TEST(TRuler, TicksGrowAtBigMarksAndNumbersFromTheZeroMark)
{
    TRuler ruler;
    EXPECT_EQ(ruler.size(), QSize(91, 17));
    ruler.SetOffset(10);
    const QList<TRuler::Tick> ticks = ruler.ticks();
    ASSERT_EQ(ticks.size(), 17); // 0 to 80: 10 + 80 is the last pixel inside 91
    const struct
    {
        int index;
        int distance;
        int length;
        bool numbered;
    } expected[] = {{0, 0, 10, true}, {1, 5, 2, false}, {5, 25, 5, false}, {10, 50, 10, true}, {16, 80, 2, false}};
    for (const auto &e : expected) {
        EXPECT_EQ(ticks[e.index].distance, e.distance);
        EXPECT_EQ(ticks[e.index].length, e.length) << e.distance;
        EXPECT_EQ(ticks[e.index].numbered, e.numbered) << e.distance;
    }
    ruler.setOrientation(TRuler::roVerticalLeft);
    ruler.resize(17, 200);
    EXPECT_EQ(ruler.ticks().last().distance, 185);
}

TEST(TRuler, PaintsTicksFromTheEdgeItNames)
{
    TRuler ruler;
    ruler.SetPenColor(Qt::red);
    const QImage top = ruler.grab().toImage();
    EXPECT_EQ(top.pixelColor(25, 4), QColor(Qt::red)); // a big mark, 5 long
    EXPECT_NE(top.pixelColor(5, 4), QColor(Qt::red)); // a small mark is 2 long
    EXPECT_EQ(top.pixelColor(5, 1), QColor(Qt::red));

    ruler.setOrientation(TRuler::roHorizontalBottom);
    const QImage bottom = ruler.grab().toImage();
    EXPECT_EQ(bottom.pixelColor(25, 16), QColor(Qt::red));
    EXPECT_NE(bottom.pixelColor(25, 0), QColor(Qt::red));
}

TEST(TRuler, AVerticalRulerIsWideEnoughForItsNumbers)
{
    TRuler ruler;
    ruler.setOrientation(TRuler::roVerticalLeft);
    EXPECT_LT(ruler.sizeHint().width(), ruler.sizeHint().height()) << "narrow across";
    ruler.resize(ruler.sizeHint().width(), 2000);
    const QFontMetrics metrics(ruler.font());
    int numbers = 0;
    for (const TRuler::Tick &tick : ruler.ticks()) {
        if (!tick.numbered)
            continue;
        ++numbers;
        EXPECT_LE(metrics.horizontalAdvance(QString::number(tick.distance)) + 1, ruler.width()) << tick.distance;
    }
    EXPECT_EQ(numbers, 40);
}

class GutterTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_window.resize(400, 300);
        auto *row = new QHBoxLayout(&m_window);
        row->setContentsMargins(0, 0, 0, 0);
        row->setSpacing(0);
        m_gutter = new TLEditLines;
        m_editor = new TLEdit;
        row->addWidget(m_gutter);
        row->addWidget(m_editor);
        m_gutter->SetEditor(m_editor);
        m_window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&m_window));
    }

    QWidget m_window;
    TLEditLines *m_gutter = nullptr;
    TLEdit *m_editor = nullptr;
};

TEST_F(GutterTest, NumbersTheRowsTheEditorShows)
{
    QString text;
    for (int i = 1; i <= 200; ++i)
        text += QStringLiteral("line %1\n").arg(i);
    m_editor->SetText(text);
    QList<TLEditLines::Label> labels = m_gutter->labels();
    ASSERT_FALSE(labels.isEmpty());
    EXPECT_EQ(labels.first().line, 1);
    const int rowHeight = m_editor->GetRowHeight();
    EXPECT_EQ(labels[1].y - labels[0].y, rowHeight);
    // Each number sits on its line's row.
    const std::optional<QPoint> third = m_editor->PointFromPosition(3, 0);
    ASSERT_TRUE(third.has_value());
    EXPECT_EQ(labels[2].y, m_editor->viewport()->mapTo(&m_window, *third).y());

    m_editor->SetTopLine(150);
    labels = m_gutter->labels();
    EXPECT_EQ(labels.first().line, 150);
    QTest::mouseClick(m_gutter, Qt::LeftButton, {}, QPoint(5, labels[2].y + 1));
    EXPECT_EQ(m_gutter->pressedLine(), 152);
}

TEST_F(GutterTest, WrappedLinesTakeTheirRowsAndLargeNumbersWidenTheGutter)
{
    m_editor->SetWordWrap(true);
    m_editor->SetText(QString(600, QLatin1Char('w')) + QStringLiteral(" end\nnext"));
    QCoreApplication::processEvents();
    const QList<TLEditLines::Label> labels = m_gutter->labels();
    ASSERT_GE(labels.size(), 2);
    EXPECT_EQ(labels[1].y - labels[0].y, m_editor->GetLineRows(1) * m_editor->GetRowHeight());

    m_editor->SetWordWrap(false);
    m_editor->SetText(QString(2000000, QLatin1Char('\n')));
    m_editor->SetTopLine(1999990);
    const int before = m_gutter->width();
    m_gutter->grab();
    EXPECT_GT(m_gutter->width(), before);
}

TEST_F(GutterTest, NumbersAreAsLargeAsTheEditorsTextAndFitTheGutter)
{
    for (const int points : {10, 18}) {
        QFont font = m_editor->Font();
        font.setPointSize(points);
        m_editor->SetFont(font);
        QString text;
        for (int i = 1; i <= 120; ++i)
            text += QStringLiteral("%1\n").arg(i);
        m_editor->SetText(text);
        m_editor->SetTopLine(100);
        m_gutter->grab();
        EXPECT_EQ(m_gutter->numberFont().pointSize(), points);
        const QFontMetrics metrics(m_gutter->numberFont());
        for (const TLEditLines::Label &label : m_gutter->labels())
            EXPECT_LE(metrics.horizontalAdvance(QString::number(label.line)) + 2, m_gutter->width()) << label.line;
    }
}

TEST_F(GutterTest, ForgetsAnEditorThatIsDestroyed)
{
    delete m_editor;
    EXPECT_EQ(m_gutter->Editor(), nullptr);
    EXPECT_TRUE(m_gutter->labels().isEmpty());
    m_gutter->grab(); // paints without an editor
}

} // namespace
