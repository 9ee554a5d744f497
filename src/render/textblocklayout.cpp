#include "render/textblocklayout.h"

#include "document/textparams.h"
#include "render/pricelanguage.h"

#include <algorithm>

namespace zorvan {

namespace {

double MeasuredWidth(const TextFont &font, QStringView text, const QRectF &layout)
{
    return font.measure(text, layout, TextAlign::Near).width();
}

// Width of a column measured up to its calories mark, with the calories
// spacing added when it has one.
double ColumnWidth(const TextFont &font, QStringView column, double caloriesSpacing,
                   const QRectF &layout)
{
    const CaloriesCut cut = CutAtCaloriesMark(column);
    return MeasuredWidth(font, cut.measured, layout) + (cut.marked ? caloriesSpacing : 0.0);
}

struct LineMeasure {
    double leftOverflow = 0.0;
    double rightOverflow = 0.0;
    double tabSpan = 0.0;
    bool tabs = false;
};

LineMeasure MeasurePriceLine(const TextFont &font, QStringView line, const PriceBlockMeasure &m,
                             int groupAlignment, const QRectF &layout)
{
    LineMeasure r;
    const int tabs = CountTabMarks(line);
    if (tabs > 0) {
        r.tabs = true;
        r.tabSpan = tabs * m.tabSpacing;
        const double half = groupAlignment == 1 ? 0.5 : 1.0;
        if (groupAlignment == 0 || groupAlignment == 1)
            r.rightOverflow = ColumnWidth(font, TextAfterLastTab(line), m.caloriesSpacing, layout) * half;
        if (groupAlignment == 1 || groupAlignment == 2)
            r.leftOverflow = ColumnWidth(font, TextBeforeFirstTab(line), m.caloriesSpacing, layout) * half;
    } else {
        r.tabSpan = ColumnWidth(font, line, m.caloriesSpacing, layout);
    }
    return r;
}

} // namespace

BlockSizes ComputeBlockSizes(const TextParams &block, double cellHeight, int dotsPerInch)
{
    const double dpi = dotsPerInch > 0 ? dotsPerInch : 96;
    BlockSizes s;
    s.fontPoints = (72.0 / dpi) * 0.736 * block.ScaleFactor * cellHeight;
    s.emPixels = TextFont::EmPixelsFromPoints(s.fontPoints, static_cast<int>(dpi));
    s.linePitch = s.fontPoints * (1.14 / (72.0 / dpi)) * block.LineSpacingFactor;
    s.shadowOffset = std::max(s.fontPoints * 0.1, 1.0);
    return s;
}

double MeasureDigitWidth(const TextFont &font, const QRectF &layout)
{
    return MeasuredWidth(font, u"00000000000000000000", layout) / 20.0;
}

int MeasureItemBlockWidth(const TextFont &font, QStringView text)
{
    return static_cast<int>(font.measure(text).width());
}

PriceBlockMeasure MeasurePriceBlock(const TextFont &font, QStringView text, double tabSpacingFactor,
                                    double caloriesSpacingFactor, int groupAlignment,
                                    const QRectF &stripBox)
{
    PriceBlockMeasure m;
    m.digitWidth = MeasureDigitWidth(font, stripBox);
    m.tabSpacing = tabSpacingFactor * m.digitWidth;
    m.caloriesSpacing = caloriesSpacingFactor * m.digitWidth;
    const PriceLinePair lines = SplitPriceLines(text);
    for (QStringView line : {lines.first, lines.second}) {
        const LineMeasure l = MeasurePriceLine(font, line, m, groupAlignment, stripBox);
        m.leftOverflow = std::max(m.leftOverflow, l.leftOverflow);
        m.rightOverflow = std::max(m.rightOverflow, l.rightOverflow);
        m.tabSpan = std::max(m.tabSpan, l.tabSpan);
        m.tabsUsed = m.tabsUsed || l.tabs;
    }
    m.blockWidth = static_cast<int>(m.leftOverflow + m.rightOverflow + m.tabSpan);
    return m;
}

double PriceAnchorX(const TextParams &prices, const PriceBlockMeasure &m, const QRectF &stripBox,
                    double cellWidth)
{
    if (!prices.CenterInStrip)
        return stripBox.x() + prices.Xref * cellWidth;
    double x = stripBox.x() + stripBox.width() / 2.0 + m.blockWidth / 2.0 - m.digitWidth;
    const int align = prices.GroupAlignment;
    if (m.tabsUsed) {
        if (align == 0 || align == 1)
            x -= 0.75 * m.rightOverflow;
    } else if (align == 0) {
        x -= m.blockWidth - 2.0 * m.digitWidth;
    } else if (align == 1) {
        x -= (m.blockWidth - 2.0 * m.digitWidth) / 2.0;
    }
    return x;
}

QRectF DrawnLineToScreen(const QRectF &drawn, double fontPoints, double screenRatio,
                         const QPointF &boardTopLeft)
{
    const double h0 = drawn.height() - fontPoints * 0.15;
    double x = drawn.x() * screenRatio + boardTopLeft.x();
    double y = drawn.y() * screenRatio + boardTopLeft.y();
    double w = drawn.width() * screenRatio;
    double h = h0 * screenRatio;
    x -= h / 16.0;
    const double inset = h / 10.0;
    return QRectF(x + inset, y + inset, w - 2.0 * inset, h - 2.0 * inset);
}

} // namespace zorvan
