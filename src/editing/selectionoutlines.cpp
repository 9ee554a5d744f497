#include "editing/selectionoutlines.h"

#include "document/menudata.h"
#include "editing/editmode.h"
#include "editing/selection.h"
#include "render/boardgeometry.h"
#include "render/renderstate.h"

#include <QPainter>
#include <QPen>

#include <array>

namespace zorvan {

namespace {

QPen OutlinePen(const QColor &colour, double width)
{
    QPen pen(colour, width, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
    return pen;
}

bool InGrid(const MenuData &doc, const ColumnRow &strip)
{
    return doc.inGrid(strip.column, strip.row) && strip.column < kMaxColumns && strip.row < kMaxRows;
}

// The strip's other blocks, faint in the colour of the edited text.
void DrawOtherBlocks(QPainter &painter, const std::array<QRectF, kTextItemCount> &texts, int item, Colour c)
{
    painter.save();
    painter.setBrush(Qt::NoBrush);
    painter.setPen(OutlinePen(QColor(ColourRed(c), ColourGreen(c), ColourBlue(c), 128), 3.0));
    for (int k = 0; k < kTextItemCount; ++k)
        if (k != item && texts[size_t(k)].width() > 0)
            painter.drawRect(texts[size_t(k)]);
    painter.restore();
}

} // namespace

void DrawSelectionBoundary(QPainter &painter, bool thick, const QRectF &rect)
{
    const double width = thick ? 3.0 : 2.0;
    const QRectF r = rect.adjusted(2, 2, -2, -2);
    painter.save();
    painter.setBrush(Qt::NoBrush);
    painter.setPen(OutlinePen(Qt::black, width));
    painter.drawRect(r);
    QPen dashes = OutlinePen(Qt::white, width);
    dashes.setDashPattern({2.0, 2.0});
    painter.setPen(dashes);
    painter.drawRect(r);
    painter.restore();
}

void DrawTextSelection(QPainter &painter, const MenuData &doc, const RenderState &render, const Selection &selection)
{
    const ColumnRow strip = selection.textEditStrip;
    const int item = selection.editedTextItem;
    if (!InGrid(doc, strip) || item < 0 || item >= kTextItemCount)
        return;
    const auto &texts = render.textScreenRects.at(strip.column, strip.row);
    DrawSelectionBoundary(painter, true, texts[size_t(item)].adjusted(-4, -2, 4, 2));

    QRectF area;
    for (const QRectF &text : texts)
        if (text.width() != 0)
            area = area.isNull() ? text : area.united(text);
    bool centred = false;
    for (int k = 0; k < kTextItemCount; ++k)
        centred = centred || doc.StyleTemplate.block(k).CenterInStrip;
    if (area.isNull())
        return;
    if (centred) {
        const QRectF box = render.stripScreenRects.at(strip.column, strip.row);
        area = QRectF(box.x(), area.y(), box.width(), area.height());
    }
    DrawSelectionBoundary(painter, false, area);
    DrawOtherBlocks(painter, texts, item, selection.currentTextColour);
}

void DrawPictureOutline(QPainter &painter, const RenderState &render, const Selection &selection)
{
    const ColumnRow strip = selection.pictureEditStrip;
    if (strip.isNone() || strip.column >= kMaxColumns || strip.row >= kMaxRows)
        return;
    DrawSelectionBoundary(painter, true, render.stripScreenRects.at(strip.column, strip.row));
}

void DrawBackgroundOutline(QPainter &painter, const MenuData &doc, const RenderState &render,
                           const Selection &selection)
{
    const ColumnRow strip = selection.backgroundEditStrip;
    if (!InGrid(doc, strip))
        return;
    DrawSelectionBoundary(painter, true, StripRectInScreenSpace(render, doc, strip.column, strip.row));
}

void DrawSelectionOutlines(QPainter &painter, const EditModes &modes, const MenuData &doc, const RenderState &render,
                           const Selection &selection)
{
    if (modes.picture)
        DrawPictureOutline(painter, render, selection);
    if (modes.background)
        DrawBackgroundOutline(painter, doc, render, selection);
    if (modes.text)
        DrawTextSelection(painter, doc, render, selection);
}

} // namespace zorvan
