#include "render/striptextpainter.h"

#include "document/menudata.h"
#include "render/drawcolour.h"
#include "render/fontcollector.h"
#include "render/pricelanguage.h"
#include "render/pricelinepainter.h"
#include "render/renderstate.h"
#include "render/textblocklayout.h"
#include "render/textfont.h"

#include <QPainter>

#include <algorithm>

namespace zorvan {

namespace {

QStringView FirstCharacter(QStringView text)
{
    if (text.size() >= 2 && text[0].isHighSurrogate() && text[1].isLowSurrogate())
        return text.left(2);
    return text.left(1);
}

// Entries are "face,file;". A face is matched as a whole entry, so that
// "Sans" is not taken for collected once "Open Sans" is.
bool FontListHasFace(const QString &list, const QString &face)
{
    const QString entry = face + u',';
    return list.startsWith(entry) || list.contains(u';' + entry);
}

void CollectFont(RenderState &state, const QString &face)
{
    if (!state.fontCollector || FontListHasFace(state.usedFontList, face))
        return;
    const QString file = state.fontCollector->CollectFontFile(face, state.workFolder);
    if (!file.isEmpty())
        state.usedFontList += face + u',' + file + u';';
}

QRectF Unite(const QRectF &a, const QRectF &b)
{
    const double left = std::min(a.left(), b.left());
    const double top = std::min(a.top(), b.top());
    const double right = std::max(a.right(), b.right());
    const double bottom = std::max(a.bottom(), b.bottom());
    return QRectF(left, top, right - left, bottom - top);
}

class StripTextPainter {
public:
    StripTextPainter(StripDrawContext &ctx, int column, int row)
        : m_ctx(ctx), m_state(ctx.state), m_strip(ctx.strip), m_box(ctx.stripBox), m_column(column),
          m_row(row)
    {
        // A size factor of zero leaves the box without height or width; the
        // text still takes its size from the grid cell it stands in.
        const QRectF cell = m_state.cellGrid.at(column, row);
        const double ratio = m_state.screenRatio;
        m_cellWidth = m_strip.XSizeFactor > 0.0 ? m_box.width() / m_strip.XSizeFactor
                      : ratio > 0.0             ? cell.width() / ratio
                                                : 0.0;
        m_cellHeight = m_strip.YSizeFactor > 0.0 ? m_box.height() / m_strip.YSizeFactor
                       : ratio > 0.0             ? cell.height() / ratio
                                                 : 0.0;
    }

    void drawBlock(int item);

private:
    void drawLines(int item, const TextParams &block, const TextFont &font, const BlockSizes &sizes,
                   QRectF layout, const PriceBlockMeasure &prices, double anchorX, Colour textColour,
                   Colour shadowColour);

    StripDrawContext &m_ctx;
    RenderState &m_state;
    const StripData &m_strip;
    const QRectF m_box;
    const int m_column;
    const int m_row;
    double m_cellWidth = 0.0;
    double m_cellHeight = 0.0;
    // One string format serves the whole strip; its alignment is the one the
    // previous block left behind until a block sets its own.
    TextAlign m_formatAlign = TextAlign::Near;
};

void StripTextPainter::drawBlock(int item)
{
    const TextParams &block = m_strip.block(item);
    Colour textColour = block.TextColor;
    Colour shadowColour = block.DropShadowColor;
    if (m_state.whitePrint && (m_strip.SubImageFileName.isEmpty() || m_strip.ImageHiddenOnWhite)) {
        textColour = kBlack;
        shadowColour = kWhite;
    }
    const bool bare = m_strip.SubImageFrameIndex < 1 && m_strip.SubImageFileName.isEmpty();
    if ((block.Text.isEmpty() && bare) || !(m_box.width() > 0.0))
        return;

    const BlockSizes sizes = ComputeBlockSizes(block, m_cellHeight, m_state.imageResolution);
    if ((m_state.fontCollection || m_state.outputRender) && !block.Text.isEmpty())
        CollectFont(m_state, block.Font);
    const TextFont font(block.Font, sizes.emPixels, block.Bold, block.Italics);
    if (!font.isValid())
        return;

    // The layout rectangle is one line of this font tall.
    const QRectF tall(m_box.x(), m_box.y(), m_box.width(), m_box.height() * 10.0);
    const QRectF first = font.measure(FirstCharacter(block.Text), tall, m_formatAlign);
    QRectF layout(m_box.x(), first.y(), m_box.width(), first.height());
    const int lineHeight = static_cast<int>(first.height());
    if (m_state.text.lastMeasuredLineHeight == kUnmeasuredLineHeight)
        m_state.text.firstMeasuredLineHeight = lineHeight;
    if (lineHeight == m_state.text.lastMeasuredLineHeight)
        m_state.text.lineHeightChanged = false;
    m_state.text.lastMeasuredLineHeight = lineHeight;
    layout.translate(block.Xref * m_cellWidth, block.Yref * m_cellHeight);

    PriceBlockMeasure prices;
    prices.digitWidth = MeasureDigitWidth(font, m_box);
    prices.tabSpacing = m_strip.PriceTabSpacingFactor * prices.digitWidth;
    prices.caloriesSpacing = m_strip.CaloriesSpacingFactor * prices.digitWidth;
    int blockWidth = 0;
    if (!block.Text.isEmpty()) {
        if (item == Prices) {
            prices = MeasurePriceBlock(font, block.Text, m_strip.PriceTabSpacingFactor,
                                       m_strip.CaloriesSpacingFactor, block.GroupAlignment, m_box);
            m_state.priceTabSpacing.at(m_column, m_row) = static_cast<int>(prices.tabSpacing);
            TextStepResults &r = m_state.text;
            r.leftOverflow = prices.leftOverflow;
            r.rightOverflow = prices.rightOverflow;
            r.tabSpan = prices.tabSpan;
            r.tabsUsed = prices.tabsUsed;
            blockWidth = prices.blockWidth;
        } else {
            blockWidth = MeasureItemBlockWidth(font, block.Text);
        }
        layout.setWidth(blockWidth);
    }
    m_formatAlign = TextAlignFromGroupAlignment(block.GroupAlignment);

    // The reference point becomes the block's left edge, centre or right edge.
    if (block.CenterInStrip)
        layout.moveLeft(m_box.x() + (static_cast<int>(m_box.width()) - blockWidth) * 0.5);
    else if (item != Prices && m_formatAlign == TextAlign::Center)
        layout.translate(-blockWidth * 0.5, 0.0);
    else if (item != Prices && m_formatAlign == TextAlign::Far)
        layout.translate(-blockWidth, 0.0);
    // Widened so that nothing is clipped, keeping the anchored edge in place.
    const int widen = static_cast<int>(prices.digitWidth * 1.2);
    layout.setWidth(layout.width() + widen);
    if (m_formatAlign == TextAlign::Far)
        layout.translate(-widen, 0.0);
    else if (m_formatAlign == TextAlign::Center)
        layout.translate(-(widen / 2), 0.0);

    const double anchorX = item == Prices ? PriceAnchorX(block, prices, m_box, m_cellWidth) : 0.0;

    if (!StripHasText(m_strip))
        return;
    // The "[]" placeholder shows on the screen only, never in what is saved or printed.
    if (m_state.outputRender && block.Text == QLatin1String("[]"))
        return;
    drawLines(item, block, font, sizes, layout, prices, anchorX, textColour, shadowColour);
}

void StripTextPainter::drawLines(int item, const TextParams &block, const TextFont &font,
                                 const BlockSizes &sizes, QRectF layout, const PriceBlockMeasure &prices,
                                 double anchorX, Colour textColour, Colour shadowColour)
{
    QPainter &painter = m_ctx.painter;
    const QColor text = ToQColor(textColour);
    const QColor shadow = ToQColor(shadowColour);
    const bool withShadow = shadowColour != kNoColour;
    const QPointF boardTopLeft(m_state.boardRect.left, m_state.boardRect.top);
    QRectF &recorded = m_state.textScreenRects.at(m_column, m_row)[static_cast<std::size_t>(item)];
    bool anyRecorded = false;

    PriceLine price;
    price.groupAlignment = block.GroupAlignment;
    price.anchorX = anchorX;
    price.tabSpacing = prices.tabSpacing;
    price.caloriesSpacing = prices.caloriesSpacing;
    price.font = &font;
    price.caloriesColour = m_strip.CaloriesTextColor;
    price.caloriesItalics = m_strip.CaloriesItalics;
    price.whitePrint = m_state.whitePrint;
    price.outlineColour = m_state.currentTextColour;
    price.shadowOffset = sizes.shadowOffset;

    const QList<QStringView> lines = BlockLines(block.Text, item == Prices ? 2 : -1);
    for (QStringView line : lines) {
        TextFont caloriesFont;
        if (item == Prices && (line.contains(u'<') || line.contains(u'>'))) {
            caloriesFont = TextFont(block.Font, sizes.emPixels, block.Bold, m_strip.CaloriesItalics);
            price.caloriesFont = &caloriesFont;
        } else {
            price.caloriesFont = nullptr;
        }
        price.text = line;
        if (withShadow) {
            const QRectF moved = layout.translated(sizes.shadowOffset, sizes.shadowOffset);
            if (item == Prices) {
                price.shadow = true;
                price.layout = moved;
                price.colour = shadow;
                DrawPriceLine(painter, price, m_state.text);
            } else {
                font.draw(painter, line, moved, m_formatAlign, shadow);
            }
        }
        QRectF drawn = layout;
        if (item == Prices) {
            price.shadow = false;
            price.layout = layout;
            price.colour = text;
            drawn = DrawPriceLine(painter, price, m_state.text);
        } else {
            font.draw(painter, line, layout, m_formatAlign, text);
        }
        // A price line of bare "^" draws nothing and leaves no rectangle.
        if (!line.isEmpty() && !drawn.isNull()) {
            const QRectF screen = DrawnLineToScreen(drawn, sizes.fontPoints, m_state.screenRatio, boardTopLeft);
            recorded = anyRecorded ? Unite(recorded, screen) : screen;
            anyRecorded = true;
        }
        layout.translate(0.0, sizes.linePitch);
    }
}

} // namespace

void DrawStripTexts(StripDrawContext &ctx, int column, int row)
{
    StripTextPainter painter(ctx, column, row);
    for (int item = MainItem; item < kTextItemCount; ++item)
        painter.drawBlock(item);
}

} // namespace zorvan
