#include "editing/hittest.h"

#include "document/menudata.h"
#include "render/boardgeometry.h"
#include "render/renderstate.h"

#include <algorithm>

namespace zorvan {

namespace {

int LastColumn(const MenuData &doc)
{
    return std::min(doc.NumberOfColumns, kMaxColumns) - 1;
}

int LastRow(const MenuData &doc)
{
    return std::min(doc.NumberOfRows, kMaxRows) - 1;
}

// Columns and rows from the last down to 0; stops at the second strip that
// qualifies and contains the point, and answers the last one found.
template<typename Qualifies, typename BoxOf>
ColumnRow SecondFoundBackwards(const MenuData &doc, const QPointF &point, Qualifies qualifies, BoxOf boxOf)
{
    ColumnRow found = kNoStrip;
    int count = 0;
    for (int c = LastColumn(doc); c >= 0; --c) {
        for (int r = LastRow(doc); r >= 0; --r) {
            if (!qualifies(doc.strip(c, r)) || !RectContains(boxOf(c, r), point))
                continue;
            found = {c, r};
            if (++count == 2)
                return found;
        }
    }
    return found;
}

} // namespace

bool RectContains(const QRectF &rect, const QPointF &point)
{
    return rect.x() <= point.x() && point.x() < rect.x() + rect.width() && rect.y() <= point.y() &&
           point.y() < rect.y() + rect.height();
}

TextHit HitTestText(const MenuData &doc, const RenderState &render, const QPointF &point)
{
    for (int k = kTextItemCount - 1; k >= 0; --k)
        for (int c = LastColumn(doc); c >= 0; --c)
            for (int r = LastRow(doc); r >= 0; --r)
                if (RectContains(render.textScreenRects.at(c, r)[size_t(k)], point))
                    return {{c, r}, k};
    return {};
}

ColumnRow HitTestPicture(const MenuData &doc, const RenderState &render, const QPointF &point)
{
    return SecondFoundBackwards(
        doc, point, [](const StripData &s) { return !s.SubImageFileName.isEmpty(); },
        [&render](int c, int r) { return render.stripScreenRects.at(c, r); });
}

ColumnRow HitTestFilledStrip(const MenuData &doc, const RenderState &render, const QPointF &point)
{
    return SecondFoundBackwards(
        doc, point, [](const StripData &s) { return s.BackGroundColor != kNoColour; },
        [&render, &doc](int c, int r) { return StripRectInScreenSpace(render, doc, c, r); });
}

ColumnRow HitTestCell(const MenuData &doc, const RenderState &render, const QPointF &point)
{
    for (int c = 0; c <= LastColumn(doc); ++c)
        for (int r = 0; r <= LastRow(doc); ++r)
            if (RectContains(render.cellGrid.at(c, r), point))
                return {c, r};
    return kNoStrip;
}

} // namespace zorvan
