#include "editing/striphits.h"

#include "document/menudata.h"
#include "render/boardgeometry.h"
#include "render/renderstate.h"

#include <algorithm>

namespace zorvan::striphits {

namespace {

bool Holds(const QRectF &r, const QPointF &p)
{
    return r.x() <= p.x() && p.x() < r.x() + r.width() && r.y() <= p.y() && p.y() < r.y() + r.height();
}

int Columns(const MenuData &doc)
{
    return std::clamp(doc.NumberOfColumns, 0, kMaxColumns);
}

int Rows(const MenuData &doc)
{
    return std::clamp(doc.NumberOfRows, 0, kMaxRows);
}

// Overlapping boxes go to the strip found second in the backward scan.
template<typename Test>
ColumnRow SecondFound(const MenuData &doc, Test holds)
{
    ColumnRow found = kNoStrip;
    int count = 0;
    for (int c = Columns(doc) - 1; c >= 0; --c) {
        for (int r = Rows(doc) - 1; r >= 0; --r) {
            if (!holds(c, r))
                continue;
            found = {c, r};
            if (++count == 2)
                return found;
        }
    }
    return found;
}

} // namespace

TextHit Text(const MenuData &doc, const RenderState &render, const QPointF &point)
{
    for (int k = kTextItemCount - 1; k >= 0; --k)
        for (int c = Columns(doc) - 1; c >= 0; --c)
            for (int r = Rows(doc) - 1; r >= 0; --r)
                if (Holds(render.textScreenRects.at(c, r)[k], point))
                    return {{c, r}, k};
    return {};
}

ColumnRow Picture(const MenuData &doc, const RenderState &render, const QPointF &point)
{
    return SecondFound(doc, [&](int c, int r) {
        return !doc.strip(c, r).SubImageFileName.isEmpty() && Holds(render.stripScreenRects.at(c, r), point);
    });
}

ColumnRow FilledStrip(const MenuData &doc, const RenderState &render, const QPointF &point)
{
    return SecondFound(doc, [&](int c, int r) {
        return doc.strip(c, r).BackGroundColor != kNoColour &&
               Holds(StripRectInScreenSpace(render, doc, c, r), point);
    });
}

ColumnRow Cell(const MenuData &doc, const RenderState &render, const QPointF &point)
{
    for (int c = 0; c < Columns(doc); ++c)
        for (int r = 0; r < Rows(doc); ++r)
            if (Holds(render.cellGrid.at(c, r), point))
                return {c, r};
    return kNoStrip;
}

} // namespace zorvan::striphits
