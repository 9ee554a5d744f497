#pragma once

#include <QRectF>

class QPainter;

namespace zorvan {

class MenuData;
class RenderState;
struct StripData;

// Everything the content step of a strip hands to the text drawing.
struct StripDrawContext {
    const MenuData &doc;
    RenderState &state;
    QPainter &painter;     // graphics space of the board bitmap
    const StripData &strip;
    QRectF stripBox;       // the strip box in graphics space, not enlarged
};

// Draws the strip's three text blocks (main item, sub items, prices) and
// records their screen rectangles in the render state. Called by the content
// step after the picture and its frame.
void DrawStripTexts(StripDrawContext &ctx, int column, int row);

} // namespace zorvan
