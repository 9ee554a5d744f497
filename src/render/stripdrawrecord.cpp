#include "render/stripdrawrecord.h"

#include "document/menudata.h"
#include "render/boardcomposer.h"
#include "render/inkcapture.h"
#include "render/stripdrawer.h"

#include <QPainter>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>

namespace zorvan {

namespace {

// Written into the text step's values before a strip's texts are drawn, so
// that afterwards it shows whether the strip set them.
constexpr double kUnsetOverflow = -1.0e300;

} // namespace

std::size_t StripRecordIndex(int column, int row)
{
    return static_cast<std::size_t>(column) * kStripRows + static_cast<std::size_t>(row);
}

bool SameRectBits(const QRectF &a, const QRectF &b)
{
    const auto bits = [](double v) { return std::bit_cast<std::uint64_t>(v); };
    return bits(a.x()) == bits(b.x()) && bits(a.y()) == bits(b.y()) && bits(a.width()) == bits(b.width())
           && bits(a.height()) == bits(b.height());
}

void DrawStripRecorded(QPainter &painter, const MenuData &doc, RenderState &state, int column, int row,
                       bool boxStep, StripDrawRecord &record, QRectF &ink, bool inkOnly)
{
    InkCapture capture(ink, inkOnly);
    if (boxStep) {
        DrawStrip(painter, doc, state, column, row, true);
        return;
    }
    TextStepResults &text = state.text;
    text.lastMeasuredLineHeight = kUnmeasuredLineHeight;
    text.lineHeightChanged = true;
    text.leftOverflow = kUnsetOverflow;
    DrawStrip(painter, doc, state, column, row, false);
    record.setsLineHeight = text.lastMeasuredLineHeight != kUnmeasuredLineHeight;
    record.firstLineHeight = text.firstMeasuredLineHeight;
    record.lineHeight = text.lastMeasuredLineHeight;
    record.matchesLineHeightWithin = !text.lineHeightChanged;
    record.setsPrices = text.leftOverflow != kUnsetOverflow;
    record.leftOverflow = text.leftOverflow;
    record.rightOverflow = text.rightOverflow;
    record.tabSpan = text.tabSpan;
    record.tabsUsed = text.tabsUsed;
}

QRect InkPixels(const QRectF &ink)
{
    if (ink.isEmpty())
        return QRect();
    // Sizes that are not numbers or lie far off the board are taken as
    // reaching everywhere rather than turned into pixels.
    constexpr double kFar = 1.0e7;
    const double edges[] = {ink.left(), ink.top(), ink.right(), ink.bottom()};
    if (std::any_of(std::begin(edges), std::end(edges), [](double v) { return !(std::abs(v) < kFar); }))
        return QRect(QPoint(-int(kFar), -int(kFar)), QPoint(int(kFar), int(kFar)));
    return ink.toAlignedRect();
}

TextStepResults FoldTextResults(const MenuData &doc, const std::vector<StripDrawRecord> &strips,
                                const TextStepResults &before, const TextStepResults &drawn)
{
    TextStepResults out = before;
    out.priceProbePoint = drawn.priceProbePoint;
    out.rightPartHit = drawn.rightPartHit;
    out.leftPartHit = drawn.leftPartHit;
    out.digitWidthAnswer = drawn.digitWidthAnswer;
    ForEachStripStep(doc, [&](int c, int r, bool boxStep) {
        if (boxStep)
            return;
        const StripDrawRecord &s = strips[StripRecordIndex(c, r)];
        if (s.setsLineHeight) {
            if (s.matchesLineHeightWithin || s.firstLineHeight == out.lastMeasuredLineHeight)
                out.lineHeightChanged = false;
            out.lastMeasuredLineHeight = s.lineHeight;
        }
        if (s.setsPrices) {
            out.leftOverflow = s.leftOverflow;
            out.rightOverflow = s.rightOverflow;
            out.tabSpan = s.tabSpan;
            out.tabsUsed = s.tabsUsed;
        }
    });
    return out;
}

} // namespace zorvan
