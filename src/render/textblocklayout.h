#pragma once

#include "render/textfont.h"

#include <QPointF>
#include <QRectF>
#include <QStringView>

namespace zorvan {

struct TextParams;

// Sizes of one text block. A block's size follows the height of its grid cell,
// so a layout keeps its look on backgrounds of any resolution.
struct BlockSizes {
    double fontPoints = 0.0; // on a surface of the image's resolution
    double emPixels = 0.0;
    double linePitch = 0.0;
    // Shadows are offset by a tenth of the point size, taken as pixels, and
    // never by less than one pixel.
    double shadowOffset = 1.0;
};

// dotsPerInch below 1 counts as 96.
BlockSizes ComputeBlockSizes(const TextParams &block, double cellHeight, int dotsPerInch);

// Average width of a digit, padding included, as every block widens its
// layout by it and the prices space their columns with it.
double MeasureDigitWidth(const TextFont &font, const QRectF &layout);

// Width of a main or sub item block: its widest line, truncated.
int MeasureItemBlockWidth(const TextFont &font, QStringView text);

// What the prices block measures before it is drawn.
struct PriceBlockMeasure {
    double digitWidth = 0.0;
    double tabSpacing = 0.0;
    double caloriesSpacing = 0.0;
    // Of the two price lines, the larger of each.
    double leftOverflow = 0.0;
    double rightOverflow = 0.0;
    double tabSpan = 0.0;
    bool tabsUsed = false;
    int blockWidth = 0;
};

PriceBlockMeasure MeasurePriceBlock(const TextFont &font, QStringView text, double tabSpacingFactor,
                                    double caloriesSpacingFactor, int groupAlignment,
                                    const QRectF &stripBox);

// Where the prices block's rightmost column is anchored, graphics space.
double PriceAnchorX(const TextParams &prices, const PriceBlockMeasure &m, const QRectF &stripBox,
                    double cellWidth);

// The screen rectangle recorded for a drawn line: trimmed of the space below
// the descenders, mapped to screen space and drawn in a little, so that
// outlines and hit tests hug the letters.
QRectF DrawnLineToScreen(const QRectF &drawn, double fontPoints, double screenRatio,
                         const QPointF &boardTopLeft);

} // namespace zorvan
