#pragma once

#include "document/columnrow.h"

#include <QPointF>
#include <QRectF>

namespace zorvan {

class MenuData;
class RenderState;

// A point is inside a rectangle when x <= px < x + width and y <= py < y + height.
bool RectContains(const QRectF &rect, const QPointF &point);

struct TextHit {
    ColumnRow strip = kNoStrip;
    int textItem = -1;
};

// The hit tests of a left click, over the strips in use, on the rectangles
// the last drawing recorded (screen space).

// Prices before sub items before main items, then the higher column, then the
// higher row: where blocks overlap, the one drawn on top wins.
TextHit HitTestText(const MenuData &doc, const RenderState &render, const QPointF &point);
// Strips with a picture, by their drawn strip box. Of overlapping pictures the
// second found scanning backwards wins: the lower column, then the lower row.
ColumnRow HitTestPicture(const MenuData &doc, const RenderState &render, const QPointF &point);
// Strips with a fill, by the box computed from their cell, same rule.
ColumnRow HitTestFilledStrip(const MenuData &doc, const RenderState &render, const QPointF &point);
// The first grid cell containing the point.
ColumnRow HitTestCell(const MenuData &doc, const RenderState &render, const QPointF &point);

} // namespace zorvan
