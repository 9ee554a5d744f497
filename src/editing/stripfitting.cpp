#include "editing/stripfitting.h"

#include "document/menudata.h"
#include "render/renderstate.h"

#include <QRectF>

namespace zorvan {

namespace {

// The drawn text rectangles of the strip's blocks, united; empty when none was drawn.
QRectF DrawnTextUnion(const RenderState &render, ColumnRow cell)
{
    QRectF united;
    for (const QRectF &rect : render.textScreenRects.at(cell.column, cell.row)) {
        if (rect.width() <= 0 || rect.height() <= 0)
            continue;
        united = united.isEmpty() ? rect : united.united(rect);
    }
    return united;
}

bool ShowsNoBox(const StripData &strip)
{
    return strip.BackGroundColor == kNoColour && strip.SubImageFileName.isEmpty() && strip.SubImageFrameIndex == 0;
}

bool OnlyPrices(const StripData &strip)
{
    return strip.MainItemTextParams.Text.isEmpty() && strip.SubItemsTextParams.Text.isEmpty()
           && !strip.PricesTextParams.Text.isEmpty();
}

} // namespace

void FitStripBoxToTextVertically(MenuData &doc, const RenderState &render, ColumnRow cell)
{
    if (!doc.inGrid(cell.column, cell.row))
        return;
    StripData &strip = doc.strip(cell.column, cell.row);
    if (!ShowsNoBox(strip))
        return;
    const QRectF texts = DrawnTextUnion(render, cell);
    const QRectF grid = render.cellGrid.at(cell.column, cell.row);
    if (texts.isEmpty() || grid.height() <= 0)
        return;
    strip.YSizeFactor = texts.height() / grid.height();
    const double offset = (texts.y() - grid.y()) / grid.height();
    const double delta = offset - strip.YOffsetFactor;
    strip.YOffsetFactor = offset;
    for (int k = 0; k < kTextItemCount; ++k)
        if (!strip.block(k).Text.isEmpty())
            strip.block(k).Yref -= delta;
}

ColumnRow FitStripBoxToTextHorizontally(MenuData &doc, RenderState &render, ColumnRow cell)
{
    if (!doc.inGrid(cell.column, cell.row))
        return cell;
    doc.ClearEmptyTextBlocks(cell.column, cell.row);
    const StripData &start = doc.strip(cell.column, cell.row);
    if (!ShowsNoBox(start))
        return cell;
    for (int k = 0; k < kTextItemCount; ++k)
        if (start.block(k).CenterInStrip)
            return cell;
    QRectF texts = DrawnTextUnion(render, cell);
    if (texts.isEmpty() || render.cellGrid.at(cell.column, cell.row).width() <= 0)
        return cell;

    if (OnlyPrices(start)) {
        // Prices pushed wholly into the next cell belong to that cell's strip.
        while (cell.column + 1 < doc.NumberOfColumns) {
            const QRectF grid = render.cellGrid.at(cell.column, cell.row);
            if (grid.width() <= 0 || grid.width() > texts.x() - grid.x())
                break;
            StripData &next = doc.strip(cell.column + 1, cell.row);
            if (IsStripInUse(next))
                break;
            StripData &strip = doc.strip(cell.column, cell.row);
            next = strip;
            next.XOffsetFactor = 0.0;
            next.XSizeFactor -= 1.0;
            next.PricesTextParams.Xref -= 1.0 - strip.XOffsetFactor;
            ResetStrip(strip);
            render.textScreenRects.at(cell.column + 1, cell.row) = render.textScreenRects.at(cell.column, cell.row);
            render.ForgetStripRects(cell.column, cell.row);
            ++cell.column;
        }
        texts.setLeft(render.cellGrid.at(cell.column, cell.row).x());
    }

    StripData &strip = doc.strip(cell.column, cell.row);
    const QRectF grid = render.cellGrid.at(cell.column, cell.row);
    if (grid.width() <= 0)
        return cell;
    strip.XSizeFactor = texts.width() / grid.width() + 0.05;
    const double offset = (texts.x() - grid.x()) / grid.width();
    const double delta = offset - strip.XOffsetFactor;
    strip.XOffsetFactor = offset;
    for (int k = 0; k < kTextItemCount; ++k)
        if (!strip.block(k).Text.isEmpty())
            strip.block(k).Xref -= delta;
    return cell;
}

ColumnRow FitStripBoxToText(MenuData &doc, RenderState &render, ColumnRow cell, FitOrder order)
{
    if (order == FitOrder::VerticalFirst) {
        FitStripBoxToTextVertically(doc, render, cell);
        return FitStripBoxToTextHorizontally(doc, render, cell);
    }
    cell = FitStripBoxToTextHorizontally(doc, render, cell);
    FitStripBoxToTextVertically(doc, render, cell);
    return cell;
}

} // namespace zorvan
