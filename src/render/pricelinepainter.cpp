#include "render/pricelinepainter.h"

#include "render/drawcolour.h"
#include "render/inkcapture.h"
#include "render/pricelanguage.h"
#include "render/renderstate.h"
#include "render/textfont.h"

#include <QPainter>
#include <QPen>

#include <algorithm>

namespace zorvan {

namespace {

constexpr double kOutlinePenWidth = 4.0;

// A probe point hits a box from its left and top edges up to, but not
// including, its right and bottom edges.
bool BoxHolds(const QRectF &box, const QPoint &p)
{
    return p.x() >= box.left() && p.x() < box.right() && p.y() >= box.top() && p.y() < box.bottom();
}

struct Extent {
    double left = 100000.0;
    double right = -100000.0;
};

struct Part {
    const QString &text;
    QRectF box;
    bool calories;
    bool outlined;
    bool *hit;
};

class LinePainter {
public:
    LinePainter(QPainter &painter, const PriceLine &line, TextStepResults &results)
        : m_painter(painter), m_line(line), m_results(results),
          m_align(TextAlignFromGroupAlignment(line.groupAlignment))
    {
        const Colour calories = line.whitePrint ? Colour(0x404040) : line.caloriesColour;
        m_caloriesColour = ToQColor(calories);
        m_outlineColour = line.whitePrint ? QColor(Qt::black) : ToQColor(line.outlineColour);
        m_spaceWidth = line.font->measure(u"          ", line.layout, m_align).width() / 10.0;
        if (results.digitWidthProbe >= 0)
            results.digitWidthAnswer = line.font->measure(u"0000000000", line.layout, m_align).width() / 10.0;
    }

    void drawSegment(const PriceSegment &s, double anchor)
    {
        const TextFont &font = *m_line.font;
        QRectF right = s.right.isEmpty() ? QRectF() : font.measure(s.right, m_line.layout, m_align);
        QRectF left = s.left.isEmpty() ? QRectF() : font.measure(s.left, m_line.layout, m_align);
        const double wL = left.width() + m_line.caloriesSpacing;
        const bool hasLeft = !s.left.isEmpty();
        switch (m_align) {
        case TextAlign::Far:
            right.moveLeft(anchor - right.width());
            if (hasLeft)
                left.moveLeft(anchor - wL);
            break;
        case TextAlign::Center:
            right.moveLeft(hasLeft ? anchor + wL / 2.0 - right.width() : anchor - right.width() / 2.0);
            if (hasLeft)
                left.moveLeft(anchor - wL / 2.0);
            break;
        case TextAlign::Near:
            right.moveLeft(hasLeft ? anchor + wL - right.width() : anchor);
            if (hasLeft)
                left.moveLeft(anchor);
            break;
        }
        // Room on both sides so that nothing of the part is clipped.
        for (QRectF *box : {&right, &left}) {
            box->translate(-2.0 * m_spaceWidth, 0.0);
            box->setWidth(box->width() + 3.6 * m_spaceWidth);
        }
        if (!s.right.isEmpty())
            drawPart({s.right, right, s.caloriesIsRight, s.outlineRight, &m_results.rightPartHit}, false);
        if (hasLeft)
            drawPart({s.left, left, !s.caloriesIsRight, s.outlineLeft, &m_results.leftPartHit}, true);
    }

    QRectF extent() const
    {
        if (m_extent.left > m_extent.right)
            return QRectF();
        return QRectF(m_extent.left, m_line.layout.y(), m_extent.right - m_extent.left,
                      m_line.layout.height());
    }

private:
    const TextFont &fontFor(bool caloriesPart) const
    {
        return caloriesPart && m_line.caloriesFont ? *m_line.caloriesFont : *m_line.font;
    }

    void drawPart(const Part &part, bool isLeft)
    {
        if (m_line.shadow) {
            // The shadow of a left part never leans: it keeps the block font.
            const bool italicShadow = !isLeft && part.calories && m_line.caloriesItalics;
            fontFor(italicShadow).draw(m_painter, part.text, part.box.translated(m_line.shadowOffset, 0.0),
                                       m_align, m_line.colour);
            return;
        }
        QRectF outline = part.box;
        if (m_align == TextAlign::Center)
            outline.translate(m_spaceWidth, 0.0);
        else if (m_align == TextAlign::Far)
            outline.translate(2.0 * m_spaceWidth, 0.0);
        outline.setWidth(outline.width() - 2.0 * m_spaceWidth);
        outline.setHeight(outline.height() - m_spaceWidth / 2.0);
        m_extent.left = std::min(m_extent.left, outline.left());
        m_extent.right = std::max(m_extent.right, outline.right());
        if (part.outlined) {
            const double half = kOutlinePenWidth / 2.0;
            ReportInk(m_painter, outline.adjusted(-half, -half, half, half), 2.0);
        }
        if (part.outlined && !InkOnly()) {
            m_painter.save();
            m_painter.setRenderHint(QPainter::Antialiasing, false);
            m_painter.setBrush(Qt::NoBrush);
            m_painter.setPen(QPen(part.calories ? m_caloriesColour : m_outlineColour, kOutlinePenWidth));
            m_painter.drawRect(outline);
            m_painter.restore();
        }
        QPoint &probe = m_results.priceProbePoint;
        if (probe.x() > 0 && BoxHolds(part.box, probe)) {
            *part.hit = true;
            probe = QPoint(0, 0);
        }
        fontFor(part.calories).draw(m_painter, part.text, part.box, m_align,
                                    part.calories ? m_caloriesColour : m_line.colour);
    }

    QPainter &m_painter;
    const PriceLine &m_line;
    TextStepResults &m_results;
    TextAlign m_align;
    QColor m_caloriesColour;
    QColor m_outlineColour;
    double m_spaceWidth = 0.0;
    Extent m_extent;
};

} // namespace

QRectF DrawPriceLine(QPainter &painter, const PriceLine &line, TextStepResults &results)
{
    if (line.text.isEmpty() || !line.font || !line.font->isValid())
        return QRectF();
    LinePainter lp(painter, line, results);
    for (const PriceSegment &s : SplitPriceLine(line.text))
        lp.drawSegment(s, line.anchorX - s.column * line.tabSpacing);
    return line.shadow ? QRectF() : lp.extent();
}

} // namespace zorvan
