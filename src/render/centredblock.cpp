#include "render/centredblock.h"

#include "document/menudata.h"
#include "render/boardgeometry.h"
#include "render/renderstate.h"
#include "render/textblocklayout.h"

namespace zorvan {

std::optional<double> CentredBlockXref(const RenderState &state, const MenuData &doc, int column, int row,
                                       int textItem)
{
    if (!doc.inGrid(column, row) || textItem < 0 || textItem >= kTextItemCount || !HasDrawableBoard(state))
        return std::nullopt;
    const StripData &strip = doc.strip(column, row);
    TextParams block = strip.block(textItem);
    const QRectF box = StripRectInGraphicsSpace(state, doc, column, row);
    const QRectF cell = state.cellGrid.at(column, row);
    // The same cell sizes the drawing uses, graphics space.
    const double cellWidth = strip.XSizeFactor > 0.0 ? box.width() / strip.XSizeFactor
                                                     : cell.width() / state.screenRatio;
    const double cellHeight = strip.YSizeFactor > 0.0 ? box.height() / strip.YSizeFactor
                                                      : cell.height() / state.screenRatio;
    if (!(cellWidth > 0.0) || !(box.width() > 0.0))
        return std::nullopt;
    const BlockSizes sizes = ComputeBlockSizes(block, cellHeight, state.imageResolution);
    const TextFont font(block.Font, sizes.emPixels, block.Bold, block.Italics);
    if (!font.isValid())
        return std::nullopt;

    if (textItem == Prices) {
        // Prices hang from the anchor of their rightmost column.
        const PriceBlockMeasure m = MeasurePriceBlock(font, block.Text, strip.PriceTabSpacingFactor,
                                                      strip.CaloriesSpacingFactor, block.GroupAlignment, box);
        block.CenterInStrip = true;
        return (PriceAnchorX(block, m, box, cellWidth) - box.x()) / cellWidth;
    }
    const int blockWidth = MeasureItemBlockWidth(font, block.Text);
    double left = (static_cast<int>(box.width()) - blockWidth) * 0.5;
    if (block.GroupAlignment == AlignCenter)
        left += blockWidth * 0.5;
    else if (block.GroupAlignment == AlignRight)
        left += blockWidth;
    return left / cellWidth;
}

} // namespace zorvan
