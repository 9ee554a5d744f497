#pragma once

#include "document/columnrow.h"

#include <QPointF>

namespace zorvan {

class MenuData;
class RenderState;

// What lies under a point of the preview, from the rectangles the last
// drawing recorded. Only strips of the grid in use are looked at. A point is
// inside a rectangle when x <= px < x + width and y <= py < y + height.
namespace striphits {

struct TextHit {
    ColumnRow strip = kNoStrip;
    int textItem = -1;
};

// Prices first, then sub items, then main item; within each the last column
// and the last row first.
TextHit Text(const MenuData &doc, const RenderState &render, const QPointF &point);
// A strip with a picture whose drawn box holds the point. Scanning from the
// last column and row, the second strip found wins over the first.
ColumnRow Picture(const MenuData &doc, const RenderState &render, const QPointF &point);
// The same for strips with a fill, by the box computed from the cell.
ColumnRow FilledStrip(const MenuData &doc, const RenderState &render, const QPointF &point);
// The grid cell holding the point, from the first column and row.
ColumnRow Cell(const MenuData &doc, const RenderState &render, const QPointF &point);

} // namespace striphits
} // namespace zorvan
